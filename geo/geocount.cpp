#include "geocount.h"

#include "bytekeys.h"
#include "capitals.h"
#include "codepage.h"
#include "logbytes.h"
#include "provincetable.h"
#include "qsorecord.h"
#include "textfile.h"

#include <algorithm>
#include <cstring>

namespace geo {

namespace {

// The province of the reference's first two columns; normalised, they are trimmed and in
// capitals first.
int provinceOfLine(QByteArrayView line, bool normalise) {
    const QByteArrayView code = byteColumn(line, LogColumns::kReference, 2);
    if (!normalise)
        return ProvinceTable::find(code);
    bytekeys::KeyNumbers numbers;
    return bytekeys::provinceOfKey(bytekeys::capitalKey(code, numbers));
}

// The field of a line, trimmed, against a choice of the boxes.
bool fieldIs(QByteArrayView line, int start, int width, const std::optional<QByteArray>& choice) {
    const QByteArrayView field = trimmedBytes(byteColumn(line, start, width));
    return choice && field.size() == choice->size() &&
           (field.isEmpty() || std::memcmp(field.data(), choice->constData(), field.size()) == 0);
}

} // namespace

ProvinceScan::ProvinceScan(Rule rule, const QString& band, const QString& mode)
    : m_rule(rule), m_allBands(band == kAllBands) {
    const bool trim = rule != Rule::Regions;
    m_band = exactCp1252(trim ? band.trimmed() : band);
    m_mode = exactCp1252(trim ? mode.trimmed() : mode);
}

void ProvinceScan::add(QByteArrayView line) {
    using namespace LogColumns;
    if (!fieldIs(line, kMode, 3, m_mode))
        return;
    if (!m_allBands && !fieldIs(line, kBand, 7, m_band))
        return;
    if (const int number = provinceOfLine(line, m_rule != Rule::List))
        m_provinces[number - 1] = true;
}

bool ProvinceScan::addFile(const QString& path) {
    return scanLines(path, [this](QByteArrayView line) {
        add(line);
        return false;
    });
}

RegionFlags ProvinceScan::regions() const {
    RegionFlags regions{};
    for (int n = 1; n <= ProvinceTable::kCount; ++n)
        if (m_provinces[n - 1])
            regions[ProvinceTable::region(n) - 1] = true;
    return regions;
}

QStringList provinceListLines(const ProvinceFlags& provinces) {
    QStringList out;
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        if (provinces[n - 1] && ProvinceTable::at(n).listName)
            out.append(ProvinceTable::listLine(n));
    }
    return out;
}

QStringList regionListLines(const RegionFlags& regions) {
    QStringList out;
    for (int r = 1; r <= RegionTable::kCount; ++r) {
        if (regions[r - 1])
            out.append(QString::fromUtf16(RegionTable::at(r).listLine));
    }
    return out;
}

QString emptyBandMessage(const QString& band) {
    return band.isEmpty() ? QStringLiteral("Selectionnez une bande") : QString();
}

QStringList bandChoices() {
    return QStringList{kAllBands} + BandList();
}

QStringList provinceBandChoices() {
    QStringList bands = bandChoices();
    bands.replace(bands.indexOf(QStringLiteral("14 Mhz")), QStringLiteral("14 Mhz "));
    return bands;
}

QStringList modeChoices() {
    return {QStringLiteral("SSB"), QStringLiteral("CW")};
}

int savedBandChoice(int savedIndex) {
    return savedIndex >= 0 && savedIndex < BandList().size() ? savedIndex + 1 : 0;
}

QString savedModeChoice(int savedIndex) {
    return savedIndex >= 0 && savedIndex < ModeList().size() ? ModeList().at(savedIndex)
                                                             : QString();
}

QString prefixLengthMessage(const QString& prefix) {
    return prefix.size() == 2 ? QString() : kPrefixLength;
}

QChar typedPrefixChar(QChar typed) {
    return typed >= u'a' && typed <= u'z' ? QChar(typed.unicode() - 32) : typed;
}

Location locationOf(const QString& code, bool contacted) {
    Location result;
    QString provinceName;
    QString regionName;
    result.province = ProvinceTable::find(code);
    if (result.province) {
        provinceName = QString::fromUtf16(ProvinceTable::at(result.province).mapName);
        regionName =
            QString::fromUtf16(RegionTable::at(ProvinceTable::region(result.province)).locatorName);
    } else {
        result.message = provinceRefusal(code);
    }
    result.statusLabel = contacted ? "Province contactée" : "Province non contactée";
    result.provinceLabel = (contacted ? "Province de  " : "Province de ") + provinceName;
    result.regionLabel = "Région de " + regionName;
    return result;
}

bool lineHasCode(QByteArrayView line, const QString& code) {
    const std::optional<QByteArray> wanted = exactCp1252(code);
    if (!wanted)
        return false;
    // Two columns, "ß" doubled: four bytes at most.
    char upper[4];
    const QByteArrayView column = trimmedBytes(byteColumn(line, LogColumns::kReference, 2));
    return QByteArrayView(upper, writeCapitals(column, upper) - upper) == *wanted;
}

bool logHasCode(const QString& path, const QString& code) {
    bool found = false;
    scanLines(path, [&](QByteArrayView line) {
        found = lineHasCode(line, code);
        return found;
    });
    return found;
}

Location locateProvince(const QString& code, const QStringList& logLines) {
    const bool contacted = std::any_of(logLines.begin(), logLines.end(), [&](const QString& l) {
        return lineHasCode(encodeCp1252(l), code);
    });
    return locationOf(code, contacted);
}

MiniMapView miniMapFor(const QString& referenceText) {
    MiniMapView view;
    view.province = ProvinceTable::find(referenceText.left(2));
    if (view.province)
        view.name = QString::fromUtf16(ProvinceTable::at(view.province).miniName);
    return view;
}

} // namespace geo
