#pragma once
#include <QDateTime>

// The system clock, behind a seam so that tests set the time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime nowUtc() const;
    virtual QDateTime nowLocal() const;

    static const Clock& instance();
    // Installs a clock (not owned); nullptr restores the system clock.
    static void setInstance(const Clock* clock);
};

// "JJ/MM/AA" and "hh:mm:ss" as the clock of Main writes them.
QString clockDate(const QDateTime& t);
QString clockTime(const QDateTime& t);
// "dd_mm_yy" of the file names: 5 December 2026 gives 05_12_26.
QString dateStamp(const QDate& date);
// "dd/mm/yyyy" of the printed and saved pages: 05/12/2026.
QString fullDate(const QDate& date);
