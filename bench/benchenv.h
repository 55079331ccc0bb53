#pragma once
#include "dialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

namespace bench {

// The station whose log every benchmark works on.
inline const QString kCallsign = QStringLiteral("F5BENCH");

// Answers every question with yes and shows nothing, so that no box ever blocks a run.
class YesDialogs : public Dialogs {
public:
    void information(const QString&) override {}
    bool question(const QString&) override { return true; }
    bool choosePrinter(QPrinter&) override { return false; }
    QString chooseFile(const QString&, const QString&) override { return {}; }
};

// A fresh program directory (seeded with the sample castle list), its own settings store and
// the station set, for the whole run.
class Environment {
public:
    Environment();
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    QTemporaryDir m_dir;
    YesDialogs m_dialogs;
};

// `count` QSOs as a station chasing castles logs them over the years: castles of the castle list
// worked many times (a few very often), every province of the list, the program's bands and
// modes, a part of them confirmed, callsigns met again and again, in date order. Always the same
// log for the same count.
QStringList generatedLog(int count);

// The generated logs, written as the station log on demand.
class LogFiles {
public:
    // Makes the station log the generated one of `count` QSOs, as it was generated.
    static void use(int count);
    // Puts back the log last used, after a benchmark changed it.
    static void restore();
    static QString path();
    static qint64 size();
};

// Deletes every window but `keep` and the windows it owns, as if the operator closed them.
void closeWindowsBut(QWidget* keep);

// Resident memory of this process, in bytes.
qint64 residentBytes();

} // namespace bench
