#pragma once
#include <QString>

// The checks made on Enter in each entry field of Main. Each returns the message of a refused
// value, or an empty text when the value passes.
namespace EntryRules {
QString callsign(const QString& text);
QString firstName(const QString& text);
QString referenceLength(const QString& text);
// The two first characters must be a province code.
QString referenceProvince(const QString& text);
QString district(const QString& text);
QString locator(const QString& text);
QString date(const QString& text);
QString time(const QString& text);
QString mode(const QString& text);
QString band(const QString& text);
QString rst(const QString& text);
QString castleName(const QString& text);
// A QSO inserted in date order needs a date and a time that can be read.
QString insertionDateTime(const QString& date, const QString& time);

QString alreadyContacted(const QString& reference, const QString& date);
extern const QString kFirstInstallation;
extern const QString kCastleNotListed;
} // namespace EntryRules
