#pragma once
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

// The band and mode labels of the entry and of the views.
const QStringList& BandList();
const QStringList& ModeList();
inline const QString kAllBands = QStringLiteral("Toutes");
