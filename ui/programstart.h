#pragma once

// Makes the program directory ready for this copy of the program: created, locked, seeded.
// False, after a message and without writing anything, when it cannot be made or another copy
// of the program uses it.
bool openProgramDirectory();
