#pragma once
#include "clock.h"
#include "dialogs.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Records every message; answers questions from a script (Yes when the script is empty).
class FakeDialogs : public Dialogs {
public:
    void information(const QString& text) override { messages.append(text); }
    bool question(const QString& text) override;
    bool choosePrinter(QPrinter& printer) override;

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    bool printerAnswer = true;
};

class FakeClock : public Clock {
public:
    QDateTime nowUtc() const override { return utc; }
    QDateTime nowLocal() const override { return local; }
    QDateTime utc = QDateTime(QDate(2026, 12, 5), QTime(14, 30, 15), Qt::UTC);
    QDateTime local = QDateTime(QDate(2026, 12, 5), QTime(15, 30, 15));
};

// Every test runs in a fresh program directory with its own settings store and fake dialogs
// and clock.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& fileName) const;
    QByteArray readBytes(const QString& fileName) const;
    void writeBytes(const QString& fileName, const QByteArray& bytes) const;
    // Writes the lines with CR LF as the station log of `callsign` and makes it the station.
    void setStation(const QString& callsign, const QStringList& logLines = {});
    QStringList dirEntries() const;

    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakeClock clock;
};

// The lines, each ended by CR LF, one byte per character.
QByteArray crlf(const QStringList& lines);
// A line of the castle list in its columns.
QByteArray castleLine(const char* reference, const char* name, const char* district,
                      const char* locator);

// A complete 142-column log line from a few fields.
QString logLine(const QString& callsign, const QString& reference, const QString& date = "05/12/26",
                const QString& time = "14:30", const QString& mode = "SSB",
                const QString& band = "14 Mhz", bool qsl = false);
