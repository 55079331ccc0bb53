#pragma once
#include "verdict.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>

// The IDCA award: the districts of the castles worked, over the lines of the station log.
namespace awards {

inline constexpr int kDistrictCount = 230;

// Contacted and confirmed marks by district number; index 0 can be marked but never counts.
struct DistrictMarks {
    // Marks the district of one log line, read from its bytes.
    void add(QByteArrayView logLine);
    std::array<bool, kDistrictCount + 1> contacted{};
    std::array<bool, kDistrictCount + 1> confirmed{};
    int contactedCount() const;
    int confirmedCount() const;
};

// The district of a log line (columns 14-16): -1 when it is blank, "-" with two blanks, or not a
// number from 0 to 230, so that the line is skipped.
int districtOf(QByteArrayView logLine);

// The 230 lines of the list, district 001 to 230.
QStringList districtListLines(const DistrictMarks& marks);

// The ten fixed level texts of the score, from 25 to 230 districts.
QStringList districtLevelLabels();

Verdict districtVerdict(int confirmed);

} // namespace awards
