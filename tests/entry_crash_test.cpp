#include "multi_qsl.h"
#include "programdirectory.h"
#include "stationlog.h"
#include "testsupport.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// A child process changes the log in a loop and is killed at a random moment; the log must then
// be whole, as it was before or after the interrupted change.
namespace {

const QString kStation = "IK1ABC";
const QStringList kScratch{"Temporaire.txt", "Temporaire4.txt", "Temporaire6.txt"};

enum class Kind { Append, Replace, Delete, Insert, Qsl };
struct Change {
    Kind kind;
    int at;
    QString line;
};

QString qso(int n) {
    return logLine(QStringLiteral("I%1X").arg(n), "AQ001",
                   QDate(2000, 1, 1).addDays(n).toString("dd/MM/yy"),
                   QTime(0, 0).addSecs(n * 420 % 86400).toString("HH:mm"));
}

// Every date lies in 2000-2049, so "yyMMddHH:mm" sorts as time does.
QString instant(const QString& line) {
    return line.mid(46, 2) + line.mid(43, 2) + line.mid(40, 2) + line.mid(49, 5);
}

// The next change of the sequence drawn from `rng`, for a log of `size` lines.
Change nextChange(std::mt19937& rng, qsizetype size) {
    Change c{Kind(rng() % 5), int(rng() % qMax<qsizetype>(size, 1)), qso(int(rng() % 18000))};
    if (size == 0 && c.kind != Kind::Insert)
        c.kind = Kind::Append;
    return c;
}

// What the change makes of the log's lines.
void apply(const Change& c, QStringList& lines) {
    switch (c.kind) {
    case Kind::Append:
        lines.append(c.line);
        break;
    case Kind::Replace:
        lines[c.at] = c.line;
        break;
    case Kind::Delete:
        lines.removeAt(c.at);
        break;
    case Kind::Insert: {
        qsizetype i = 0;
        while (i < lines.size() && instant(lines[i]) < instant(c.line))
            ++i;
        lines.insert(i, c.line);
        break;
    }
    case Kind::Qsl:
        lines[c.at][136] = u'*';
        lines[c.at / 2][136] = u'*';
        break;
    }
}

// The change made on disk as the program makes it.
bool perform(const Change& c, const QStringList& lines) {
    const StationLog log(kStation);
    switch (c.kind) {
    case Kind::Append:
        return log.appendQso(c.line);
    case Kind::Replace:
        return log.replaceQso(c.line, lines[c.at], c.at + 1);
    case Kind::Delete:
        return log.deleteQso(lines[c.at], c.at + 1);
    case Kind::Insert:
        return log.insertQsoByDateTime(c.line);
    case Kind::Qsl:
        return Modif_Fichier_Log({c.at + 1, c.at / 2 + 1}, kStation);
    }
    return false;
}

// Makes change after change, adding one byte to the journal after each one is done.
[[noreturn]] void runChild(unsigned seed, QStringList lines, int journal) {
    std::mt19937 rng(seed);
    for (int step = 0; step < 100; ++step) {
        const Change c = nextChange(rng, lines.size());
        if (!perform(c, lines))
            _exit(2);
        apply(c, lines);
        if (::write(journal, "+", 1) != 1)
            _exit(3);
    }
    _exit(0);
}

off_t journalSize(int journal) {
    struct stat st {};
    return ::fstat(journal, &st) == 0 ? st.st_size : -1;
}

class CrashTest : public ProgramTest {};

} // namespace

TEST_F(CrashTest, AKilledChangeLeavesTheLogBeforeOrAfterItAndOnlyScratchFiles) {
    // In memory the flushes to disk cost nothing, so that hundreds of kills take seconds.
    QTemporaryDir memory(QStringLiteral("/dev/shm/zelk_crash_XXXXXX"));
    if (memory.isValid()) {
        ProgramDirectory::setPath(memory.filePath("program"));
        ASSERT_TRUE(ProgramDirectory::prepare());
    }
    QStringList state;
    for (int n = 0; n < 2000; ++n)
        state.append(qso(n * 9));
    setStation(kStation, state);
    const QStringList allowed = dirEntries() + kScratch;

    // How long a change takes on this machine, so that the kills fall all through one; a child
    // is slower to start, so some kills land past its first change.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    std::mt19937 warmUp(1);
    for (int i = 0; i < 5; ++i) {
        const Change c = nextChange(warmUp, state.size());
        ASSERT_TRUE(perform(c, state));
        apply(c, state);
    }
    ASSERT_TRUE(readBytes(kStation + "_DCI.log") == crlf(state));
    const auto change =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start) / 5;

    QTemporaryDir journalDir;
    const int journal = ::open(QFile::encodeName(journalDir.filePath("journal")).constData(),
                               O_RDWR | O_CREAT | O_APPEND, 0600);
    ASSERT_GE(journal, 0);
    int finished = 0;
    for (unsigned kill = 0; kill < 300; ++kill) {
        // A fixed seed per kill draws the changes and the moment of the kill.
        const unsigned seed = kill + 1000;
        const auto delay = change * (std::mt19937(kill)() % 1000) / 600;
        ASSERT_EQ(::ftruncate(journal, 0), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            runChild(seed, state, journal);
        ::usleep(useconds_t(delay.count()));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) ? WTERMSIG(status) == SIGKILL : WEXITSTATUS(status) == 0)
            << "kill " << kill << ": a change failed, status " << status;

        std::mt19937 rng(seed);
        QStringList before = state;
        const off_t done = journalSize(journal);
        for (off_t i = 0; i < done; ++i)
            apply(nextChange(rng, before.size()), before);
        QStringList after = before;
        apply(nextChange(rng, after.size()), after);
        const QByteArray bytes = readBytes(kStation + "_DCI.log");
        if (bytes != crlf(before)) {
            // Not printed: a whole log would drown the message.
            ASSERT_TRUE(bytes == crlf(after))
                << "kill " << kill << " after " << done << " changes: " << bytes.size() << " bytes";
            before = after;
        }
        finished += before != state;
        state = before;
        for (const QString& name : dirEntries())
            ASSERT_TRUE(allowed.contains(name))
                << "kill " << kill << " left " << name.toStdString();
    }
    ::close(journal);
    RecordProperty("kills after a finished change", finished);
}
