#include "dcilist.h"

#include "bytekeys.h"
#include "clock.h"
#include "codepage.h"
#include "logbytes.h"
#include "qsorecord.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <numeric>
#include <span>
#include <vector>

namespace awards {

namespace {

using namespace bytekeys;

bool isLombard(QByteArrayView logLine) {
    static const char* const kCodes[] = {"BG", "BS", "CO", "CR", "LC", "LO",
                                         "MI", "MN", "PV", "SO", "VA"};
    const QByteArrayView code = byteColumn(logLine, LogColumns::kReference, 2);
    return std::any_of(std::begin(kCodes), std::end(kCodes),
                       [code](const char* c) { return code == QByteArrayView(c, 2); });
}

// A list line is its group, the reference and castle name that begin it, then its tail: date,
// callsign, band and mode for DCI, and QSL marker. Each field is kept as bytes with its blank
// fill, a short line filled too, so that columns stay in place.
struct Field {
    int start, width, blanksAfter;
};
constexpr Field kGroupFields[] = {{LogColumns::kReference, 5, 2}, {LogColumns::kCastleName, 60, 2}};
constexpr int kGroupWidth = 65;
constexpr Field kDciTail[] = {{LogColumns::kDate, 8, 2},
                              {LogColumns::kCallsign, 12, 2},
                              {LogColumns::kBand, 7, 2},
                              {LogColumns::kMode, 3, 3},
                              {LogColumns::kQsl, 1, 0}};
constexpr Field kDcloTail[] = {
    {LogColumns::kDate, 8, 2}, {LogColumns::kCallsign, 12, 2}, {LogColumns::kQsl, 1, 0}};

std::span<const Field> tailFields(Award award) {
    return award == Award::Dci ? std::span<const Field>(kDciTail)
                               : std::span<const Field>(kDcloTail);
}

int widthOf(std::span<const Field> fields) {
    int width = 0;
    for (const Field& f : fields)
        width += f.width;
    return width;
}

void writeFields(QByteArrayView logLine, std::span<const Field> fields, char* out) {
    for (const Field& f : fields) {
        const QByteArrayView value = byteColumn(logLine, f.start, f.width);
        // A line cut short before the field gives a view with no data, which memcpy must not get.
        if (!value.isEmpty())
            std::memcpy(out, value.data(), size_t(value.size()));
        std::memset(out + value.size(), ' ', size_t(f.width - value.size()));
        out += f.width;
    }
}

// The decoded fields with the blanks that follow each, at `out`.
QChar* decodeFields(const char* bytes, std::span<const Field> fields, QChar* out) {
    const auto& table = decodeTable();
    for (const Field& f : fields) {
        for (int i = 0; i < f.width; ++i)
            *out++ = QChar(table[static_cast<unsigned char>(*bytes++)]);
        for (int i = 0; i < f.blanksAfter; ++i)
            *out++ = u' ';
    }
    return out;
}

// The start of the list line of a group: one blank, then its decoded fields.
QString groupText(const char* group) {
    QString text(1 + kGroupWidth + 4, Qt::Uninitialized);
    text[0] = u' ';
    decodeFields(group, kGroupFields, text.data() + 1);
    return text;
}

QString lineText(const QString& groupText, const char* tail, Award award) {
    const auto fields = tailFields(award);
    int width = 0;
    for (const Field& f : fields)
        width += f.width + f.blanksAfter;
    QString line(groupText.size() + width, Qt::Uninitialized);
    std::memcpy(static_cast<void*>(line.data()), groupText.constData(),
                size_t(groupText.size()) * sizeof(QChar));
    decodeFields(tail, fields, line.data() + groupText.size());
    return line;
}

// Whether text `a` orders before text `b`, both `size` bytes, case ignored.
bool foldedLess(const char* a, const char* b, int size) {
    return foldedOrder(QByteArrayView(a, size), QByteArrayView(b, size)) < 0;
}

// Ranks of the groups in the order of their text, case ignored; groups equal but for case share
// one.
std::vector<int> groupRanks(const std::vector<char>& groups) {
    const int count = int(groups.size() / kGroupWidth);
    const auto at = [&groups](int g) { return groups.data() + std::size_t(g) * kGroupWidth; };
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&at](int a, int b) { return foldedLess(at(a), at(b), kGroupWidth); });
    std::vector<int> ranks(order.size());
    int rank = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i == 0 || foldedLess(at(order[i - 1]), at(order[i]), kGroupWidth))
            ++rank;
        ranks[order[i]] = rank;
    }
    return ranks;
}

const QString kDciFileHeader =
    QStringLiteral("   N°   Ref        Nom du Chateau                                             "
                   "Date   Indicatif       Bande  Mode  QSL");
const QString kDciPrintHeader =
    QStringLiteral("        N°  Ref          Nom du Chateau                                        "
                   "   Date   Indicatif               Bande  Mode QSL");
const QString kDcloFileHeader =
    QStringLiteral("   N°   Ref        Nom du Chateau                                             "
                   "Date   Indicatif    QSL");
const QString kDcloPrintHeader =
    QStringLiteral("        N°  Ref          Nom du Chateau                                        "
                   "   Date   Indicatif     QSL");

// The DCI printed line ends with the two blanks after the callsign.
constexpr int kDciPrintedWidth = 94;

// The item number right-aligned in five columns, between `before` and one blank, then the text;
// built in place, as a list has a line per QSO.
QString numbered(QLatin1StringView before, int n, QStringView text) {
    char digits[16];
    const qsizetype size = std::to_chars(digits, digits + sizeof digits, n).ptr - digits;
    const qsizetype number = qMax<qsizetype>(5, size);
    QString line(before.size() + number + 1 + text.size(), Qt::Uninitialized);
    QChar* d = line.data();
    for (const char c : before)
        *d++ = QLatin1Char(c);
    for (qsizetype i = size; i < 5; ++i)
        *d++ = u' ';
    for (qsizetype i = 0; i < size; ++i)
        *d++ = QLatin1Char(digits[i]);
    *d++ = u' ';
    if (!text.isEmpty())
        std::memcpy(static_cast<void*>(d), text.data(), size_t(text.size()) * sizeof(QChar));
    return line;
}

struct ListTexts {
    QString fileName, fileTitle, fileHeader;
    int fileTitleIndent;
    QString printTitle, printHeader;
    int printTitleIndent;
    int firstItem;    // the DCLO list begins with its empty line
    int printedWidth; // -1: the whole line
};

ListTexts listTexts(Award award, Shown shown) {
    const bool contacted = shown == Shown::Contacted;
    if (award == Award::Dci)
        return {contacted ? QStringLiteral("Chateaux_Italiens_contactes au ")
                          : QStringLiteral("Chateaux_Italiens_confirmes au "),
                contacted ? QStringLiteral(" Chateaux Italiens contactés au ")
                          : QStringLiteral(" Chateaux Italiens confirmés au "),
                kDciFileHeader,
                30,
                contacted ? QStringLiteral(" Liste des Chateaux Italiens contactés au ")
                          : QStringLiteral(" Liste des Chateaux Italiens confirmés au "),
                kDciPrintHeader,
                26,
                0,
                kDciPrintedWidth};
    return {contacted ? QStringLiteral("Chateaux_de _Lombardie_contactes_au ")
                      : QStringLiteral("Chateaux_de _Lombardie_confirmes_au "),
            contacted ? QStringLiteral(" Liste Chateaux de Lombardie contactés au ")
                      : QStringLiteral(" Liste Chateaux de Lombardie confirmés au "),
            kDcloFileHeader,
            14,
            contacted
                ? QStringLiteral(" Liste alphanumerique des Chateaux de Lombardie contactés au ")
                : QStringLiteral(" Liste alphanumerique des Chateaux de Lombardie confirmés au "),
            kDcloPrintHeader,
            14,
            1,
            -1};
}

} // namespace

CastleListBuilder::CastleListBuilder(Award award, Shown shown)
    : m_award(award), m_shown(shown), m_tailWidth(widthOf(tailFields(award))) {}

void CastleListBuilder::add(QByteArrayView logLine) {
    if (m_award == Award::Dclo && !isLombard(logLine))
        return;
    if (m_shown == Shown::Confirmed && !isConfirmedLine(logLine))
        return;
    char group[kGroupWidth];
    writeFields(logLine, kGroupFields, group);
    // Groups by their exact bytes: by reference first, then by castle name.
    const int r = m_references.insert(packBytes(QByteArrayView(group, 5)));
    if (r == int(m_firstOfReference.size()))
        m_firstOfReference.push_back(-1);
    int g = m_firstOfReference[r];
    while (g >= 0 &&
           std::memcmp(m_groups.data() + std::size_t(g) * kGroupWidth, group, kGroupWidth) != 0)
        g = m_nextOfGroup[g];
    if (g < 0) {
        g = int(m_nextOfGroup.size());
        m_groups.insert(m_groups.end(), group, group + kGroupWidth);
        m_nextOfGroup.push_back(m_firstOfReference[r]);
        m_firstOfReference[r] = g;
    }
    m_groupOf.push_back(g);
    const std::size_t at = m_tails.size();
    m_tails.resize(at + std::size_t(m_tailWidth));
    writeFields(logLine, tailFields(m_award), m_tails.data() + at);
}

ListView CastleListBuilder::view() const {
    const int count = int(m_groupOf.size());
    const std::vector<int> ranks = groupRanks(m_groups);
    const auto tail = [this](int i) { return m_tails.data() + std::size_t(i) * m_tailWidth; };
    // The lines by the rank of their group, in log order, each with the folded first eight bytes
    // of its tail, the date; then each run sorted on that, the rest of the tail looked at only
    // for lines of one date. The tails are read in log order, which keeps them in the cache.
    struct Sorted {
        std::uint64_t head;
        int line;
    };
    std::vector<int> start(m_nextOfGroup.size() + 1, 0);
    for (const int g : m_groupOf)
        ++start[ranks[g] + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<Sorted> sorted(static_cast<std::size_t>(count));
    {
        const auto& rank = foldedRank();
        std::vector<int> next = start;
        for (int i = 0; i < count; ++i) {
            const char* t = tail(i);
            std::uint64_t head = 0;
            for (int b = 0; b < 8; ++b)
                head = head << 8 | rank[static_cast<unsigned char>(t[b])];
            sorted[next[ranks[m_groupOf[i]]]++] = {head, i};
        }
    }
    const int rest = m_tailWidth - 8;
    for (std::size_t r = 0; r + 1 < start.size(); ++r)
        std::sort(sorted.begin() + start[r], sorted.begin() + start[r + 1],
                  [&tail, rest](const Sorted& a, const Sorted& b) {
                      if (a.head != b.head)
                          return a.head < b.head;
                      const char* ta = tail(a.line) + 8;
                      const char* tb = tail(b.line) + 8;
                      if (foldedLess(ta, tb, rest))
                          return true;
                      return !foldedLess(tb, ta, rest) && a.line < b.line;
                  });

    // The empty line of the DCLO list sorts before every other.
    const int first = m_award == Award::Dclo ? 1 : 0;
    std::vector<int> place(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        place[sorted[k].line] = first + k;
    ListView view;
    view.count = count;
    view.lines.resize(first + count);
    // Decoded in log order too, each line put in its place, which is fetched ahead.
    std::vector<QString> groupTexts(m_nextOfGroup.size());
    QString* const placed = view.lines.data();
    constexpr int kAhead = 16;
    for (int i = 0; i < count; ++i) {
        if (i + kAhead < count)
            __builtin_prefetch(placed + place[i + kAhead], 1);
        QString& text = groupTexts[m_groupOf[i]];
        if (text.isNull())
            text = groupText(m_groups.data() + std::size_t(m_groupOf[i]) * kGroupWidth);
        placed[place[i]] = lineText(text, tail(i), m_award);
    }
    return view;
}

QString dciCaption(Shown shown) {
    return shown == Shown::Contacted ? QStringLiteral("DCI Contactés")
                                     : QStringLiteral("DCI Confirmés");
}

ListFile savedList(Award award, const QString& station, Shown shown, const QDate& date,
                   const QStringList& listLines) {
    const ListTexts t = listTexts(award, shown);
    ListFile file;
    file.fileName = station + u'_' + t.fileName + dateStamp(date) + QStringLiteral(".txt");
    file.lines << QString(t.fileTitleIndent, u' ') + station + t.fileTitle + fullDate(date)
               << QString() << t.fileHeader << QString();
    file.lines.reserve(listLines.size() + 6);
    for (qsizetype i = t.firstItem; i < listLines.size(); ++i)
        file.lines << numbered({}, int(i - t.firstItem + 1), listLines[i]);
    file.lines << QString() << kListFooter;
    return file;
}

QStringList printedList(Award award, const QString& station, Shown shown, const QDate& date,
                        const QStringList& listLines) {
    const ListTexts t = listTexts(award, shown);
    QStringList page;
    page << QString(t.printTitleIndent, u' ') + station + t.printTitle + fullDate(date) << QString()
         << t.printHeader << QString();
    page.reserve(listLines.size() + 7);
    for (qsizetype i = t.firstItem; i < listLines.size(); ++i)
        page << numbered(QLatin1StringView("    "), int(i - t.firstItem + 1),
                         QStringView(listLines[i]).left(t.printedWidth));
    page << QString() << QString() << kListFooter;
    return page;
}

QString savedMessage(const QString& fileName) {
    return QStringLiteral("Le log a été enregistré sous le nom : ") + fileName;
}

} // namespace awards
