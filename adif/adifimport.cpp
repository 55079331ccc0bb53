#include "adifimport.h"

#include "codepage.h"
#include "firstnamelist.h"
#include "logbytes.h"
#include "programdirectory.h"
#include "provincetable.h"
#include "qsorecord.h"
#include "stationlog.h"
#include "textfile.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

bool allDigits(QStringView s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// "YYYYMMDD" as "JJ/MM/AA", for the years a two-digit year stands for in the log.
QString logDate(const QString& adif) {
    if (adif.size() != 8 || !allDigits(adif))
        return {};
    const QDate date(adif.left(4).toInt(), adif.mid(4, 2).toInt(), adif.mid(6, 2).toInt());
    if (!date.isValid() || date.year() < 1950 || date.year() > 2049)
        return {};
    const QStringView d(adif);
    QString out;
    out.reserve(8);
    return out.append(d.mid(6, 2))
        .append(u'/')
        .append(d.mid(4, 2))
        .append(u'/')
        .append(d.mid(2, 2));
}

// "HHMM" or "HHMMSS" as "HH:MM".
QString logTime(const QString& adif) {
    if ((adif.size() != 4 && adif.size() != 6) || !allDigits(adif))
        return {};
    if (adif.left(2).toInt() > 23 || adif.mid(2, 2).toInt() > 59 ||
        (adif.size() == 6 && adif.mid(4, 2).toInt() > 59))
        return {};
    return adif.left(2) + u':' + adif.mid(2, 2);
}

// Callsign, date, time, band and mode: what makes a QSO the same as another.
QByteArray duplicateKey(QByteArrayView line) {
    using namespace LogColumns;
    QByteArray key;
    key.reserve(40);
    for (const auto& [start, width] :
         {std::pair{kCallsign, 12}, {kDate, 8}, {kTime, 5}, {kBand, 7}, {kMode, 3}}) {
        key += trimmedBytes(byteColumn(line, start, width));
        key += '\t';
    }
    return key;
}

struct Accepted {
    qint64 instant;
    QByteArray line;
};

// Every callsign of the import learns its first name as a save teaches it; a record without
// one teaches nothing about a callsign already listed.
bool updateFirstNames(const QList<MappedRecord>& imported) {
    struct Entry {
        QByteArray line;
        bool named = false;
        bool listed = false;
    };
    QHash<QByteArray, Entry> entries;
    QList<QByteArray> order;
    for (const MappedRecord& r : imported) {
        const QByteArray line = encodeCp1252(FirstNameList::entryLine(r.callsign, r.firstName));
        const QByteArray key = line.left(12);
        Entry& e = entries[key];
        if (e.line.isEmpty())
            order.append(key);
        if (e.line.isEmpty() || !r.firstName.isEmpty())
            e = {line, !r.firstName.isEmpty(), false};
    }
    const QString path = FirstNameList::path();
    const bool exists = QFile::exists(path);
    const auto entryOf = [&entries](QByteArrayView line) {
        const auto it = entries.find(line.first(qMin<qsizetype>(12, line.size())).toByteArray());
        return it == entries.end() ? nullptr : &*it;
    };
    if (exists && !scanLines(path, [&](QByteArrayView line) {
            if (Entry* e = entryOf(line))
                e->listed = true;
            return false;
        }))
        return false;
    FileRewrite out(path, ProgramDirectory::filePath("Temporaire.txt"));
    if (exists && !scanLines(path, [&](QByteArrayView line) {
            const Entry* e = entryOf(line);
            out.add(e && e->named ? QByteArrayView(e->line) : line);
            return false;
        }))
        return false;
    for (const QByteArray& key : order)
        if (const Entry& e = entries[key]; !e.listed)
            out.add(e.line);
    return out.commit();
}

} // namespace

CastleIndex readCastleIndex() {
    QStringList lines;
    readTextLines(CastleList::path(), lines);
    CastleIndex index;
    index.reserve(lines.size());
    for (const QString& l : lines) {
        const QString reference = l.left(5).trimmed();
        if (index.contains(reference))
            continue;
        CastleList::Castle c;
        c.status = CastleList::Status::Found;
        c.name = toUpperCp1252(l.mid(6, 60)).trimmed();
        c.district = l.mid(67, 3).trimmed();
        c.locator = l.mid(71, 4).trimmed();
        index.insert(reference, c);
    }
    return index;
}

QString castleReference(const QString& text) {
    QString r = text.trimmed().toUpper();
    r.remove(u' ');
    r.remove(u'-');
    if (r.size() != 5 || !r[0].isLetter() || !r[1].isLetter() || !allDigits(QStringView(r).mid(2)))
        return {};
    return ProvinceTable::find(QStringView(r).left(2)) ? r : QString();
}

QString bandOfAdif(const QString& band) {
    const QString b = band.trimmed().toLower();
    for (const BandInfo& x : kBandTable)
        if (b == QLatin1StringView(x.adif))
            return QString::fromLatin1(x.label);
    return {};
}

QString bandOfFrequency(const QString& megahertz) {
    bool ok = false;
    const double f = megahertz.trimmed().toDouble(&ok);
    if (ok)
        for (const BandInfo& x : kBandTable)
            if (f >= x.importLowMHz && f <= x.importHighMHz)
                return QString::fromLatin1(x.label);
    return {};
}

QString modeOfAdif(const QString& mode) {
    const QString m = mode.trimmed().toUpper();
    if (m == u"RTTY")
        return QStringLiteral("RTT");
    if (m == u"SSTV")
        return QStringLiteral("SST");
    return m.left(3);
}

MappedRecord mapAdifRecord(const AdifRecord& record, const CastleIndex& castles) {
    MappedRecord out;
    out.callsign = toUpperCp1252(record.value(u"call").trimmed());
    const bool dci = record.value(u"sig").trimmed().compare(u"DCI", Qt::CaseInsensitive) == 0;
    QString reference = castleReference(record.value(dci ? u"sig_info" : u"qth"));
    if (reference.isEmpty() && dci)
        reference = castleReference(record.value(u"qth"));
    if (reference.isEmpty()) {
        out.kind = dci ? MappedRecord::Kind::Refused : MappedRecord::Kind::NotCastle;
        out.reason = QString::fromUtf8("référence de château illisible");
        return out;
    }
    QsoRecord q;
    q.callsign = out.callsign;
    q.reference = reference;
    q.date = logDate(record.value(u"qso_date").trimmed());
    q.time = logTime(record.value(u"time_on").trimmed());
    const QString adifBand = record.value(u"band").trimmed();
    q.band = adifBand.isEmpty() ? bandOfFrequency(record.value(u"freq")) : bandOfAdif(adifBand);
    out.kind = MappedRecord::Kind::Refused;
    if (q.callsign.isEmpty())
        out.reason = QStringLiteral("sans indicatif");
    else if (q.callsign.size() > 12)
        out.reason = QString::fromUtf8("indicatif de plus de 12 caractères");
    else if (q.date.isEmpty())
        out.reason = QStringLiteral("date illisible");
    else if (q.time.isEmpty())
        out.reason = QStringLiteral("heure illisible");
    else if (q.band.isEmpty())
        out.reason = QStringLiteral("bande hors des douze bandes du log");
    if (!out.reason.isEmpty())
        return out;
    out.kind = MappedRecord::Kind::Castle;
    out.firstName = toUpperCp1252(record.value(u"name").trimmed()).left(15);
    q.firstName = out.firstName;
    q.mode = modeOfAdif(record.value(u"mode"));
    q.rstReceived = record.value(u"rst_rcvd").trimmed().left(3);
    q.rstSent = record.value(u"rst_sent").trimmed().left(3);
    const QString qsl = record.value(u"qsl_rcvd").trimmed().toUpper();
    q.qslReceived = qsl == u"Y" || qsl == u"V";
    const auto castle = castles.constFind(reference);
    if (castle != castles.constEnd()) {
        q.castleName = castle->name;
        q.district = castle->district;
        q.locator = castle->locator;
    } else {
        q.castleName = record.value(u"comment").trimmed().left(60);
        q.locator = record.value(u"gridsquare").trimmed().left(4).toUpper();
    }
    out.line = BuildLogLine(q);
    return out;
}

ImportReport importAdifFile(const QString& path, const QString& callsign,
                            const std::function<bool(qsizetype, qsizetype)>& progress) {
    ImportReport report;
    const QFileInfo info(path);
    report.fileName = info.fileName();
    const StationLog log(callsign);
    report.logName = log.fileName();
    QFile file(path);
    // Only a regular file: a FIFO or a device would never end.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        report.outcome = ImportReport::Outcome::Unreadable;
        return report;
    }
    QByteArray data = file.readAll();
    file.close();

    QSet<QByteArray> known;
    // Room for the keys of the log and of the file, at their usual sizes.
    known.reserve(QFileInfo(log.path()).size() / LogColumns::kLineLength + data.size() / 150);
    if (!scanLines(log.path(), [&known](QByteArrayView line) {
            known.insert(duplicateKey(line));
            return false;
        })) {
        report.outcome = ImportReport::Outcome::LogUnreadable;
        return report;
    }

    const CastleIndex castles = readCastleIndex();
    std::vector<Accepted> accepted;
    QList<MappedRecord> imported;
    const AdifStatus status = readAdif(data, [&](const AdifRecord& record) {
        ++report.read;
        MappedRecord m = mapAdifRecord(record, castles);
        if (m.kind == MappedRecord::Kind::NotCastle) {
            ++report.notCastle;
        } else if (m.kind == MappedRecord::Kind::Refused) {
            report.leftOut.append({record.number, m.callsign, m.reason});
        } else {
            QByteArray line = encodeCp1252(m.line);
            QByteArray key = duplicateKey(line);
            if (known.contains(key)) {
                ++report.duplicates;
            } else {
                known.insert(std::move(key));
                accepted.push_back({recordInstant(QByteArrayView(line)), std::move(line)});
                m.line.clear();
                imported.append(std::move(m));
            }
        }
        return !progress || (report.read % 256 != 0) || progress(record.end, data.size());
    });
    switch (status) {
    case AdifStatus::Ok:
        break;
    case AdifStatus::NotAdif:
        report.outcome = ImportReport::Outcome::NotAdif;
        return report;
    case AdifStatus::CutShort:
        report.outcome = ImportReport::Outcome::CutShort;
        return report;
    case AdifStatus::Stopped:
        report.outcome = ImportReport::Outcome::Cancelled;
        return report;
    }
    if (progress && !progress(data.size(), data.size())) {
        report.outcome = ImportReport::Outcome::Cancelled;
        return report;
    }
    // What was read is no longer needed: the rewrite has the room.
    data = QByteArray();
    known = QSet<QByteArray>();
    report.imported = int(accepted.size());
    if (accepted.empty())
        return report;

    std::stable_sort(accepted.begin(), accepted.end(),
                     [](const Accepted& a, const Accepted& b) { return a.instant < b.instant; });
    // A new QSO goes before the first QSO of the log with a later date and time, so before a
    // line once any line up to it is later.
    FileRewrite out(log.path(), ProgramDirectory::filePath("Temporaire6.txt"));
    std::size_t next = 0;
    qint64 latest = -1;
    int row = 0;
    const auto placeUpTo = [&](qint64 instant) {
        if (next < accepted.size() && accepted[next].instant < instant &&
            report.firstImportedRow < 0)
            report.firstImportedRow = row;
        for (; next < accepted.size() && accepted[next].instant < instant; ++next, ++row)
            out.add(accepted[next].line);
    };
    if (!scanLines(log.path(), [&](QByteArrayView line) {
            latest = qMax(latest, recordInstant(line));
            placeUpTo(latest);
            out.add(line);
            ++row;
            return false;
        })) {
        report.outcome = ImportReport::Outcome::LogUnreadable;
        return report;
    }
    placeUpTo(std::numeric_limits<qint64>::max());
    if (!out.commit()) {
        report.outcome = ImportReport::Outcome::WriteFailed;
        return report;
    }
    report.firstNamesFailed = !updateFirstNames(imported);
    return report;
}

QString importReportText(const ImportReport& r) {
    using O = ImportReport::Outcome;
    switch (r.outcome) {
    case O::Unreadable:
        return "Impossible de lire le fichier " + r.fileName;
    case O::NotAdif:
        return "Le fichier " + r.fileName +
               QString::fromUtf8(" n'est pas un fichier ADIF : rien n'a été importé.");
    case O::CutShort:
        return "Le fichier " + r.fileName +
               QString::fromUtf8(" est incomplet (il s'arrête au milieu d'un enregistrement) : "
                                 "rien n'a été importé.");
    case O::Cancelled:
        return QString::fromUtf8("Importation annulée : le log n'a pas été modifié.");
    case O::LogUnreadable:
        return "Impossible de lire le fichier " + r.logName;
    case O::WriteFailed:
        return "Impossible d'enregistrer le fichier " + r.logName +
               QString::fromUtf8(", il n'a pas été modifié.");
    case O::Done:
        break;
    }
    QString text = QString::fromUtf8("Importation du fichier %1 dans %2\n\n"
                                     "Enregistrements lus : %3\n"
                                     "QSO de châteaux importés : %4\n"
                                     "Doublons non importés : %5\n"
                                     "Enregistrements sans référence de château : %6\n"
                                     "QSO de châteaux non importés : %7")
                       .arg(r.fileName, r.logName)
                       .arg(r.read)
                       .arg(r.imported)
                       .arg(r.duplicates)
                       .arg(r.notCastle)
                       .arg(r.leftOut.size());
    // A box holds a few dozen lines; the count above gives the rest.
    constexpr int kShown = 30;
    for (int i = 0; i < r.leftOut.size() && i < kShown; ++i) {
        const ImportReport::LeftOut& l = r.leftOut[i];
        text += (i == 0 ? "\n" : "") + QString("\nEnregistrement %1 (%2) : %3")
                                           .arg(l.number)
                                           .arg(l.callsign.isEmpty() ? "?" : l.callsign, l.reason);
    }
    if (r.leftOut.size() > kShown)
        text += QString::fromUtf8("\n… et %1 autres").arg(r.leftOut.size() - kShown);
    if (r.firstNamesFailed)
        text += "\n\nImpossible d'enregistrer le fichier Liste_Prenom.txt";
    return text;
}
