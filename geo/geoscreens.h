#pragma once
#include <QString>

class QWidget;

// Opening the geographic screens from Main. Each opens without blocking, centred; choosing
// an entry again brings the open screen forward.
void openProvinceContacte();
void openRegionsContacte();
void openCarteItalie();
void openCarteActiDci();
void openSituation();
// The mini map of the province whose code begins the reference text; returned so that the
// caller can bring it forward again once its own focus has moved.
QWidget* openMiniCarte(const QString& referenceText);
