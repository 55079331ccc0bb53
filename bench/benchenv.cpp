#include "benchenv.h"

#include "programdirectory.h"
#include "provincetable.h"
#include "qsorecord.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QWidget>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

namespace bench {

Environment::Environment() {
    QDir(m_dir.path()).mkpath("settings");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath("settings"));
    ProgramDirectory::setPath(m_dir.filePath("program"));
    ProgramDirectory::prepare();
    StationSettings::setStationCallsign(kCallsign);
    StationCallsign() = kCallsign;
    Dialogs::setInstance(&m_dialogs);
}

Environment::~Environment() {
    Dialogs::setInstance(nullptr);
}

namespace {

struct Castle {
    QString reference, name, district, locator;
};

// The castles of the seeded list; its revision line is no castle.
QList<Castle> castles() {
    QStringList lines;
    readTextLines(ProgramDirectory::filePath("Liste_Chateau.txt"), lines);
    static const QRegularExpression reference("^[A-Z]{2}[0-9]{3}$");
    QList<Castle> out;
    for (const QString& line : lines) {
        if (!reference.match(line.left(5)).hasMatch())
            continue;
        const QStringList tail = line.mid(65).split(' ', Qt::SkipEmptyParts);
        out.append({line.left(5), line.mid(6, 59).trimmed(), tail.value(0), tail.value(1)});
    }
    return out;
}

// Draws 0 .. n-1, the first ones far more often than the last, as a few castles and stations
// are worked again and again.
class Zipf {
public:
    Zipf(int n, double s) {
        double sum = 0;
        for (int k = 1; k <= n; ++k)
            m_cumulative.push_back(sum += 1.0 / std::pow(k, s));
    }
    int operator()(std::mt19937& random) const {
        const double u = std::uniform_real_distribution<>(0, m_cumulative.back())(random);
        return int(std::lower_bound(m_cumulative.begin(), m_cumulative.end(), u) -
                   m_cumulative.begin());
    }

private:
    std::vector<double> m_cumulative;
};

QString callsign(int k) {
    static const char* const prefixes[] = {"IK", "IZ", "IW", "I", "IQ", "IV3", "IT9", "IS0"};
    const int prefix = k % 8;
    QString suffix;
    for (int n = k / 8, letters = 0; letters < 3; ++letters, n /= 26)
        suffix += QChar(u'A' + n % 26);
    const QString digit = prefix >= 5 ? QString() : QString::number(1 + k / 7 % 9);
    return QString::fromLatin1(prefixes[prefix]) + digit + suffix;
}

} // namespace

QStringList generatedLog(int count) {
    static const QList<Castle> list = castles();
    static const QStringList firstNames = {"MARIO",     "GIUSEPPE", "ANNA",     "LUCA",    "PAOLO",
                                           "FRANCESCO", "MARCO",    "GIOVANNI", "ROBERTO", ""};
    std::mt19937 random(20090529u + unsigned(count));
    const Zipf castle(int(list.size()), 0.8);
    const int stations = std::max(50, count / 50);
    const Zipf station(stations, 1.1);
    const Zipf band(int(BandList().size()), 0.6);
    // Twenty-five years of QSOs, in order.
    const QDateTime start(QDate(2000, 1, 1), QTime(6, 0), Qt::UTC);
    const qint64 step = 25LL * 365 * 24 * 60 / std::max(count, 1);
    QStringList lines;
    lines.reserve(count);
    qint64 minute = 0;
    for (int i = 0; i < count; ++i) {
        minute += 1 + qint64(random() % std::max<qint64>(1, 2 * step - 1));
        const QDateTime t = start.addSecs(60 * minute);
        // A few references are not in the castle list: castles it does not know yet.
        const bool unknown = random() % 50 == 0;
        const Castle& c = list[castle(random)];
        const int k = station(random);
        QsoRecord r;
        r.callsign = callsign(k);
        r.firstName = firstNames[k % firstNames.size()];
        r.reference =
            unknown ? c.reference.left(2) + QString::number(900 + random() % 99) : c.reference;
        r.district = unknown ? QString() : c.district;
        r.locator = unknown ? QString() : c.locator;
        r.castleName = unknown ? QString() : c.name;
        r.date = t.toString("dd/MM/yy");
        r.time = t.toString("hh:mm");
        const unsigned mode = random() % 10;
        r.mode = ModeList()[mode < 6 ? 0 : mode < 9 ? 1 : 2];
        r.band = BandList()[band(random)];
        r.rstReceived = r.rstSent = r.mode == "CW" ? "599" : "59";
        r.qslReceived = random() % 5 < 2;
        lines.append(BuildLogLine(r));
    }
    return lines;
}

namespace {

std::map<int, QByteArray>& generated() {
    static std::map<int, QByteArray> logs;
    return logs;
}

int& current() {
    static int count = -1;
    return count;
}

void writeLog(const QByteArray& bytes) {
    QFile f(LogFiles::path());
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

} // namespace

void LogFiles::use(int count) {
    auto it = generated().find(count);
    if (it == generated().end())
        it = generated().emplace(count, encodeLines(generatedLog(count))).first;
    current() = count;
    writeLog(it->second);
}

void LogFiles::restore() {
    writeLog(generated().at(current()));
}

QString LogFiles::path() {
    return StationLog(kCallsign).path();
}

qint64 LogFiles::size() {
    return QFile(path()).size();
}

void closeWindowsBut(QWidget* keep) {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != keep && !w->parentWidget())
            windows.append(w);
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
}

qint64 residentBytes() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace bench
