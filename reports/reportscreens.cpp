#include "reportscreens.h"

#include "adif.h"
#include "clock.h"
#include "contactedcastles.h"
#include "dialogs.h"
#include "lineprinter.h"
#include "multi_qsl.h"
#include "programdirectory.h"
#include "recherche_indicatif.h"
#include "screenslot.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

namespace {

// Reads the station's log; a message says so when it cannot.
bool readLog(QStringList& lines) {
    const StationLog log(StationCallsign());
    if (log.loadQsoList(lines))
        return true;
    showMessage(log.readFailureMessage());
    return false;
}

// Writes a new file whole or not at all; a message says so when it cannot.
bool writeNewFile(const QString& fileName, const QStringList& lines) {
    if (writeProgramFile(fileName, lines))
        return true;
    showMessage(saveFailureMessage(fileName));
    return false;
}

QDate today() {
    return Clock::instance().nowLocal().date();
}

} // namespace

void exportAdif() {
    const QString callsign = StationCallsign();
    QStringList lines;
    if (!readLog(lines))
        return;
    const QString fileName = adifFileName(callsign);
    if (writeNewFile(fileName, adifLines(callsign, lines)))
        showMessage(QString::fromUtf8("Le fichier a été enregistré sous le nom : ") + fileName);
}

void saveContactedCastles() {
    const QString callsign = StationCallsign();
    QStringList lines;
    if (!readLog(lines))
        return;
    const QString fileName = contactedCastlesFileName(callsign, today());
    if (writeNewFile(fileName, savedContactedCastles(callsign, today(), lines)))
        showMessage(QString::fromUtf8("Le log a été enregistré sous le nom : ") + fileName);
}

QList<QStringList> printContactedCastles() {
    QStringList lines;
    if (!readLog(lines))
        return {};
    return printLines(printedContactedCastles(StationCallsign(), today(), lines));
}

void openRechercheIndicatif(QsoListAccess& qsoList) {
    showScreen<Recherche_Indicatif>()->setQsoList(&qsoList);
}

void openMultiQsl(QsoListAccess& qsoList, const QString& callsign, QWidget* parent) {
    Multi_QSL dialog(qsoList, callsign, parent);
    dialog.adjustSize();
    centreOnScreen(&dialog);
    dialog.exec();
}
