#include "geocount.h"

#include "provincetable.h"
#include "qsorecord.h"

#include <algorithm>

namespace geo {

namespace {

struct Filter {
    QString band;
    QString mode;
    bool trimChoices;
    bool normaliseCode;
};

bool accepts(const Filter& f, const QString& line) {
    const QString band = logField(line, LogColumns::kBand, 7).trimmed();
    const QString mode = logField(line, LogColumns::kMode, 3).trimmed();
    const bool bandOk = f.band == kAllBands || (f.trimChoices ? f.band.trimmed() : f.band) == band;
    return bandOk && (f.trimChoices ? f.mode.trimmed() : f.mode) == mode;
}

// Calls `visit` with the province number of each accepted line whose code is a province.
template <class Visit>
void forEachProvince(const QStringList& lines, const Filter& f, Visit visit) {
    for (const QString& line : lines) {
        if (!accepts(f, line))
            continue;
        QString code = logField(line, LogColumns::kReference, 2);
        if (f.normaliseCode)
            code = code.trimmed().toUpper();
        if (const int number = ProvinceTable::find(code))
            visit(number);
    }
}

ProvinceFlags provinceFlags(const QStringList& lines, const Filter& f) {
    ProvinceFlags flags{};
    forEachProvince(lines, f, [&](int number) { flags[number - 1] = true; });
    return flags;
}

} // namespace

QStringList provinceListLines(const QStringList& logLines, const QString& band,
                              const QString& mode) {
    const ProvinceFlags flags = provinceFlags(logLines, {band, mode, true, false});
    QStringList out;
    for (int n = 1; n <= ProvinceTable::kCount; ++n) {
        if (flags[n - 1] && ProvinceTable::at(n).listName)
            out.append(ProvinceTable::listLine(n));
    }
    return out;
}

ProvinceFlags provincesOnMap(const QStringList& logLines, const QString& band,
                             const QString& mode) {
    return provinceFlags(logLines, {band, mode, true, true});
}

RegionFlags regionsWorked(const QStringList& logLines, const QString& band, const QString& mode) {
    RegionFlags flags{};
    forEachProvince(logLines, {band, mode, false, true},
                    [&](int number) { flags[ProvinceTable::region(number) - 1] = true; });
    return flags;
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

Location locateProvince(const QString& code, const QStringList& logLines) {
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
    const bool contacted = std::any_of(logLines.begin(), logLines.end(), [&](const QString& l) {
        return logField(l, LogColumns::kReference, 2).trimmed().toUpper() == code;
    });
    result.statusLabel = contacted ? "Province contactée" : "Province non contactée";
    result.provinceLabel = (contacted ? "Province de  " : "Province de ") + provinceName;
    result.regionLabel = "Région de " + regionName;
    return result;
}

MiniMapView miniMapFor(const QString& referenceText) {
    MiniMapView view;
    view.province = ProvinceTable::find(referenceText.left(2));
    if (view.province)
        view.name = QString::fromUtf16(ProvinceTable::at(view.province).miniName);
    return view;
}

} // namespace geo
