#pragma once
#include <QString>

#include <initializer_list>

namespace awards {

// The two lines that say which award a score reaches.
struct Verdict {
    QString line1;
    QString line2;
};
// The highest level whose threshold is reached, the levels given from the highest; below them
// all, the award is not yet reached at all.
struct Level {
    int from;
    const char16_t* text;
};
Verdict levelVerdict(int confirmed, std::initializer_list<Level> levels, const QString& noneYet);

} // namespace awards
