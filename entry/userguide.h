#pragma once
#include <QString>

// The first page of the user guide: installed beside the program, or else in the source tree the
// program was built from; empty when neither exists.
QString userGuidePath();

// "Aide › Mode d'emploi": opens the guide in the operator's web browser.
void openUserGuide();
