#pragma once

class QCoreApplication;

// The program speaks French: loads Qt's own French texts (standard buttons, file and print
// dialogs) from Qt's translations folder. False when they are not installed; Qt then stays in
// English.
bool loadQtFrench(QCoreApplication& app);
