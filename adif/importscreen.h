#pragma once

class QWidget;
class QsoListAccess;

// Fichier › "Importer un fichier ADIF": the file chooser, the import under a progress dialog
// that can cancel it, the report, then Main's list reloaded with the first new QSO shown.
void importAdif(QWidget* parent, QsoListAccess& qsoList);
