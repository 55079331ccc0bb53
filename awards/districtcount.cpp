#include "districtcount.h"

#include "logbytes.h"
#include "qsorecord.h"

namespace awards {

namespace {

int countMarks(const std::array<bool, kDistrictCount + 1>& marks) {
    int count = 0;
    for (int d = 1; d <= kDistrictCount; ++d)
        count += marks[d] ? 1 : 0;
    return count;
}

} // namespace

int DistrictMarks::contactedCount() const {
    return countMarks(contacted);
}

int DistrictMarks::confirmedCount() const {
    return countMarks(confirmed);
}

int districtOf(QByteArrayView logLine) {
    const QByteArrayView field = trimmedBytes(byteColumn(logLine, LogColumns::kDistrict, 3));
    if (field.isEmpty())
        return -1;
    int district = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return -1;
        district = 10 * district + (c - '0');
    }
    return district <= kDistrictCount ? district : -1;
}

void DistrictMarks::add(QByteArrayView logLine) {
    const int d = districtOf(logLine);
    if (d < 0)
        return;
    contacted[d] = true;
    if (isConfirmedLine(logLine))
        confirmed[d] = true;
}

QStringList districtListLines(const DistrictMarks& marks) {
    QStringList lines;
    lines.reserve(kDistrictCount);
    for (int d = 1; d <= kDistrictCount; ++d) {
        QString line = QStringLiteral("      District %1  ").arg(d, 3, 10, QChar(u'0'));
        if (marks.contacted[d])
            line += QStringLiteral("Contacté");
        if (marks.confirmed[d])
            line += QStringLiteral(" et Confirmé");
        lines.append(line);
    }
    return lines;
}

QStringList districtLevelLabels() {
    return {
        QStringLiteral("    25 districts pour le diplome de base"),
        QStringLiteral("    50 districts pour le diplome de Bois"),
        QStringLiteral("    75 districts pour le diplome de Bronze"),
        QStringLiteral("  100 districts pour le diplome d' Argent"),
        QStringLiteral("  125 districts pour le diplome d' Or"),
        QStringLiteral("  150 districts pour le diplome de Platine"),
        QStringLiteral("  175 districts pour le diplome de saphire"),
        QStringLiteral("  200 districts pour le diplome d' Emeraude"),
        QStringLiteral("  225 districts pour le diplome de Diamant"),
        QStringLiteral("  230 districts pour le diplome d' Honneur"),
    };
}

Verdict levelVerdict(int confirmed, std::initializer_list<Level> levels, const QString& noneYet) {
    for (const Level& level : levels)
        if (confirmed >= level.from)
            return {QStringLiteral(" Bravo, vous pouvez obtenir"), QString::fromUtf16(level.text)};
    return {QStringLiteral("Vous ne pouvez pas encore obtenir"), noneYet};
}

Verdict districtVerdict(int confirmed) {
    return levelVerdict(confirmed,
                        {{230, u"le diplome d' Honneur"},
                         {225, u"le diplome de Diamant"},
                         {200, u"le diplome d'Emeraude"},
                         {175, u"le diplome de Saphire"},
                         {150, u"le diplome de Platine"},
                         {125, u"le diplome d'Or"},
                         {100, u"le diplome d'Argent"},
                         {75, u"le diplome de Bronze"},
                         {50, u"le diplome de Bois"},
                         {25, u"le diplome de Base"}},
                        QStringLiteral("de dipolmes des districts Italiens"));
}

} // namespace awards
