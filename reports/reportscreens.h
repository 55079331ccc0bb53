#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class QsoListAccess;

// The menu entries and buttons of Main for the exports and searches.

// Writes the log of the station in ADIF and names the file in a message.
void exportAdif();
// Saves the contacted-castles report and names the file in a message.
void saveContactedCastles();
// Prints the contacted-castles report on the printer chosen; returns the pages printed.
QList<QStringList> printContactedCastles();
// Opens the QSO search on Main's list, without blocking.
void openRechercheIndicatif(QsoListAccess& qsoList);
// Opens the multiple QSL marking with the callsign given and waits until it is closed.
void openMultiQsl(QsoListAccess& qsoList, const QString& callsign, QWidget* parent);
