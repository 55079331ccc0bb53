#include "reportscreens.h"

#include "adif.h"
#include "clock.h"
#include "contactedcastles.h"
#include "dialogs.h"
#include "lineprinter.h"
#include "logbytes.h"
#include "multi_qsl.h"
#include "programdirectory.h"
#include "recherche_indicatif.h"
#include "screenslot.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

#include <QFileInfo>
#include <QPointer>

namespace {

// Reads the station's log; a message says so when it cannot.
bool readLog(QStringList& lines) {
    const StationLog log(StationCallsign());
    if (log.loadQsoList(lines))
        return true;
    showMessage(log.readFailureMessage());
    return false;
}

QDate today() {
    return Clock::instance().nowLocal().date();
}

// Writes the file made of `head`, the bytes `line` makes of each line of the station's log, and
// `foot`, then names it in `done`; a message says so when the log cannot be read or the file
// written. The log is read as bytes and the file built in one buffer, so that a log of many
// QSOs is written at once; `growth` is the size of the file over the log's, in percent.
template <class Line>
void writeFromLog(const QString& fileName, const QByteArray& head, Line line,
                  const QByteArray& foot, int growth, const QString& done) {
    const StationLog log(StationCallsign());
    QByteArray out = head;
    out.reserve(head.size() + QFileInfo(log.path()).size() * growth / 100 + foot.size() + 4096);
    if (!scanLines(log.path(), [&](QByteArrayView bytes) {
            line(out, bytes);
            return false;
        })) {
        showMessage(log.readFailureMessage());
        return;
    }
    out.append(foot);
    if (!writeProgramBytes(fileName, out)) {
        showMessage(saveFailureMessage(fileName));
        return;
    }
    showMessage(done + fileName);
}

} // namespace

void exportAdif() {
    const QString callsign = StationCallsign();
    writeFromLog(
        adifFileName(callsign), adifHeader(callsign),
        [](QByteArray& out, QByteArrayView line) {
            appendAdifRecord(out, line);
            out.append("\r\n");
        },
        // Tags in, padding out: a record takes about a third more room than its log line.
        {}, 145, QString::fromUtf8("Le fichier a été enregistré sous le nom : "));
}

void saveContactedCastles() {
    const QString callsign = StationCallsign();
    int n = 1;
    writeFromLog(
        contactedCastlesFileName(callsign, today()), savedCastlesHead(callsign, today()),
        [&n](QByteArray& out, QByteArrayView line) { appendSavedCastleLine(out, n++, line); },
        savedCastlesFoot(), 110, QString::fromUtf8("Le log a été enregistré sous le nom : "));
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
    // Held by a guarded pointer: the window goes with its parent should that close first.
    const QPointer<Multi_QSL> dialog = new Multi_QSL(qsoList, callsign, parent);
    dialog->adjustSize();
    centreOnScreen(dialog);
    dialog->exec();
    delete dialog.data();
}
