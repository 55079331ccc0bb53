#pragma once
#include "adifreader.h"
#include "castlelist.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

// The castle list by reference, read once for a whole import; the first line of a reference
// wins, as in a look-up.
using CastleIndex = QHash<QString, CastleList::Castle>;
CastleIndex readCastleIndex();

// The log form of a castle reference: two letters of a province code and three digits, blanks
// and hyphens inside dropped, in capitals ("ag-001" gives "AG001"); empty when it is not one.
QString castleReference(const QString& text);

// The band label of an ADIF band ("20m" gives "14 Mhz") or of a frequency in MHz; empty when
// it is none of the twelve.
QString bandOfAdif(const QString& band);
QString bandOfFrequency(const QString& megahertz);
// The log's mode of an ADIF mode: RTTY and SSTV shortened, any other cut to three characters.
QString modeOfAdif(const QString& mode);

// What becomes of one record.
struct MappedRecord {
    enum class Kind { Castle, NotCastle, Refused };
    Kind kind = Kind::NotCastle;
    QString line;     // the log line of a castle QSO
    QString callsign; // as the record gives it, in capitals
    QString firstName;
    QString reason; // why a castle record is left out
};
MappedRecord mapAdifRecord(const AdifRecord& record, const CastleIndex& castles);

// The outcome of an import; nothing is written unless it is Done.
struct ImportReport {
    enum class Outcome {
        Done,
        Unreadable,
        NotAdif,
        CutShort,
        Cancelled,
        LogUnreadable,
        WriteFailed
    };
    struct LeftOut {
        int number;
        QString callsign;
        QString reason;
    };
    Outcome outcome = Outcome::Done;
    QString fileName; // of the ADIF file, without its directory
    QString logName;
    int read = 0;
    int imported = 0;
    int duplicates = 0;
    int notCastle = 0;
    QList<LeftOut> leftOut;
    int firstImportedRow = -1; // from 0, in the new log
    bool firstNamesFailed = false;
};

// Imports the castle QSOs of an ADIF file into the station log of `callsign`: each new QSO goes
// before the first QSO of a later date and time, all in one rewrite, and the first-name list
// learns their names. `progress` (bytes read, file size) returns false to cancel.
ImportReport importAdifFile(const QString& path, const QString& callsign,
                            const std::function<bool(qsizetype, qsizetype)>& progress = {});

// What the operator is told, in French.
QString importReportText(const ImportReport& report);
