#pragma once
#include <QString>

// The band label of a frequency in Hz, or empty outside the bands of the log.
QString bandForFrequency(qint64 hz);

// The log mode of a Hamlib mode name ("USB", "CWR", "FMN"...), or empty for a mode the log
// does not keep.
QString logModeForHamlib(const QString& hamlibMode);

// A reading of the radio as shown: "14,200000 MHz  USB".
QString radioReadingText(qint64 hz, const QString& hamlibMode);
