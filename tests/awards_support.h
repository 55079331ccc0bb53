#pragma once
#include "aff_contacte.h"
#include "aff_contacte_wais.h"
#include "awardwindows.h"
#include "castlecount.h"
#include "codepage.h"
#include "dcilist.h"
#include "districtcount.h"
#include "document_dci.h"
#include "document_wais.h"
#include "locatorcount.h"
#include "reglementtext.h"
#include "requestletters.h"
#include "scores_wais.h"
#include "screenslot.h"
#include "stationsettings.h"
#include "testsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <sys/stat.h>

class AwardScreenTest : public ScreenTest {
protected:
    // The texts of the labels named, blank-separated.
    static QStringList texts(QWidget* screen, const QString& labelNames) {
        QStringList found;
        for (const QString& name : labelNames.split(u' '))
            found << text(screen, name);
        return found;
    }
};

inline QString blanks(int n) {
    return QString(n, u' ');
}

// A station log line with the fields the award windows read.
inline QString awardQso(const QString& callsign, const QString& district, const QString& locator,
                        bool qsl = false, const QString& reference = "CN001",
                        const QString& date = "12/05/07", const QString& time = "14:30",
                        const QString& mode = "SSB", const QString& band = "14 Mhz") {
    QsoRecord r = sampleQso(callsign, reference, date, time, mode, band, qsl);
    r.district = district;
    r.locator = locator;
    return BuildLogLine(r);
}

// A castle QSO of I1ABC on 05/12/26, 14 Mhz SSB.
inline QString castleQso(const QString& reference, bool qsl = false,
                         const QString& callsign = "I1ABC", const QString& date = "05/12/26") {
    return logLine(callsign, reference, date, "14:30", "SSB", "14 Mhz", qsl);
}

// `count` castles of one province, numbered from `first`.
inline QStringList castles(const QString& province, int count, bool qsl, int first = 1) {
    QStringList lines;
    for (int i = first; i < first + count; ++i)
        lines << castleQso(province + QString::number(i).rightJustified(3, u'0'), qsl);
    return lines;
}

// A line of the WAIS list for a QSO of the station log, or of the sibling log.
inline QString waisLine(const QString& square, const QString& callsign, char qsl,
                        bool sibling = false) {
    return "   " + square + " " + callsign.leftJustified(12) +
           (sibling ? "    03/04/1999 0905  40m CW    RM DAI-RM0012" + blanks(15)
                    : "    12/05/2007 1430  20m PHONE CN DCI-CN001" + blanks(16)) +
           qsl;
}

// A sibling log line: callsign 1-12, locator 14-17, reference 35-40, date 42-49, time 51-55,
// mode 57-59, band 61-67, QSL marker 138.
inline QString daiQso(const QString& callsign, const QString& locator, bool qsl) {
    const QString line = callsign.leftJustified(12) + " " + locator.leftJustified(4) +
                         QString(17, u' ') + "RM0012 03/04/99 09:05 CW  7.0 Mhz";
    return line.leftJustified(137) + (qsl ? "* " : "  ") + "XX";
}
