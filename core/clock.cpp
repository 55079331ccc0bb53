#include "clock.h"

namespace {

const Clock*& installed() {
    static const Clock* clock = nullptr;
    return clock;
}

} // namespace

QDateTime Clock::nowUtc() const {
    return QDateTime::currentDateTimeUtc();
}
QDateTime Clock::nowLocal() const {
    return QDateTime::currentDateTime();
}

const Clock& Clock::instance() {
    static const Clock system;
    return installed() ? *installed() : system;
}

void Clock::setInstance(const Clock* clock) {
    installed() = clock;
}

QString clockDate(const QDateTime& t) {
    return t.toString(QStringLiteral("dd/MM/yy"));
}
QString clockTime(const QDateTime& t) {
    return t.toString(QStringLiteral("hh:mm:ss"));
}

QString dateStamp(const QDate& date) {
    return date.toString(QStringLiteral("dd_MM_yy"));
}

QString fullDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}
