#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringList>

struct Province {
    const char16_t* code;
    int region;               // 1 to 20
    const char16_t* listName; // nullptr: no line in the list of provinces contacted (MB, FM)
    const char16_t* mapName;  // shown by the province locator
    const char16_t* miniName; // shown by the mini map
};

struct Region {
    const char16_t* listLine;    // list of regions contacted
    const char16_t* locatorName; // province locator
    const char16_t* scoreLine;   // DCI score, 31 characters
};

// The 110 provinces in their fixed order; numbers run from 1 to 110.
class ProvinceTable {
public:
    static constexpr int kCount = 110;
    static const Province& at(int number);
    // Province number of an exact, case-sensitive code; 0 when it is not in the table.
    static int find(QStringView code);
    // The same for the bytes of a code.
    static int find(QByteArrayView code);
    static QString code(int number) { return QString::fromUtf16(at(number).code); }
    static int region(int number) { return at(number).region; }
    // "    Province AQ  Aquila"; empty for a province without a list name.
    static QString listLine(int number);
};

// The 20 regions in their fixed order; numbers run from 1 to 20.
class RegionTable {
public:
    static constexpr int kCount = 20;
    static const Region& at(int number);
};

// The message for a two-letter code that is not a province.
QString provinceRefusal(const QString& code);

// A band of the band list: its label, its ADIF band, the edges (included) of the band plan
// a radio's frequency is read against, and the wider edges an imported frequency may fall in.
struct BandInfo {
    QByteArrayView label;
    QByteArrayView adif;
    qint64 lowHz, highHz;
    double importLowMHz, importHighMHz;
};

inline constexpr BandInfo kBandTable[] = {
    {"1.8 Mhz", "160m", 1'810'000, 2'000'000, 1.8, 2.0},
    {"3.5 Mhz", "80m", 3'500'000, 3'800'000, 3.5, 4.0},
    {"7.0 Mhz", "40m", 7'000'000, 7'200'000, 7.0, 7.3},
    {"10 Mhz", "30m", 10'100'000, 10'150'000, 10.1, 10.15},
    {"14 Mhz", "20m", 14'000'000, 14'350'000, 14.0, 14.35},
    {"18 Mhz", "17m", 18'068'000, 18'168'000, 18.068, 18.168},
    {"21 Mhz", "15m", 21'000'000, 21'450'000, 21.0, 21.45},
    {"24 Mhz", "12m", 24'890'000, 24'990'000, 24.89, 24.99},
    {"28 Mhz", "10m", 28'000'000, 29'700'000, 28.0, 29.7},
    {"50 Mhz", "6m", 50'000'000, 54'000'000, 50.0, 54.0},
    {"144 Mhz", "2m", 144'000'000, 148'000'000, 144.0, 148.0},
    {"432 Mhz", "70cm", 430'000'000, 440'000'000, 420.0, 450.0},
};

// The band and mode labels of the entry and of the views.
const QStringList& BandList();
const QStringList& ModeList();
inline const QString kAllBands = QStringLiteral("Toutes");
