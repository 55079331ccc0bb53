#include "multi_qsl.h"
#include "stationlog.h"
#include "testsupport.h"
#include "textfile.h"

#include <QFileInfo>

#include <functional>
#include <map>
#include <optional>
#include <set>

// The power is cut after each file-system call of a write; every state the disk may keep then
// must show the file as it was or as it is after the write, whole.
namespace {

using Content = std::optional<QByteArray>; // nothing: no file of that name

QByteArray nameOf(const QByteArray& path) {
    return QFileInfo(QFile::decodeName(path)).fileName().toLocal8Bit();
}

// The files of one directory as a disk keeps them: what each file holds, what of it is on the
// disk, and the changes of names made since the directory was last flushed.
class Disk {
public:
    // The file as it was before the write, when there was one.
    Disk(const QByteArray& name, const Content& before) {
        if (before) {
            m_kept[name] = 0;
            m_files.push_back({*before, *before});
        }
    }

    void apply(const RecordingFileSystem::Call& c) {
        using Op = RecordingFileSystem::Op;
        const QByteArray name = nameOf(c.path);
        if (c.op == Op::Create) {
            const int made = int(m_files.size());
            m_open[c.fd] = made;
            m_files.push_back({});
            m_pending.push_back([=](Names& names) { names[name] = made; });
        } else if (c.op == Op::Write) {
            m_files[size_t(m_open.at(c.fd))].now += c.other;
        } else if (c.op == Op::Sync) {
            File& f = m_files[size_t(m_open.at(c.fd))];
            f.kept = f.now;
        } else if (c.op == Op::Rename || c.op == Op::Remove) {
            const QByteArray to = c.op == Op::Rename ? nameOf(c.other) : QByteArray();
            m_pending.push_back([=](Names& names) {
                if (const auto it = names.find(name); it != names.end()) {
                    if (!to.isEmpty())
                        names[to] = it->second;
                    names.erase(name);
                }
            });
        } else if (c.op == Op::SyncDirectory) {
            m_kept = namesAfter(m_pending.size());
            m_pending.clear();
        }
    }

    // What the file of that name may hold after a power cut now: any first part of the name
    // changes reached the disk, and the unflushed writes of the file were lost, cut at a sector
    // or written as zeros.
    std::set<Content> afterPowerCut(const QByteArray& name) const {
        std::set<Content> states;
        for (size_t done = 0; done <= m_pending.size(); ++done) {
            const Names names = namesAfter(done);
            const auto it = names.find(name);
            if (it == names.end()) {
                states.insert(std::nullopt);
                continue;
            }
            const File& f = m_files[size_t(it->second)];
            const QByteArray lost = f.now.mid(f.kept.size());
            for (const QByteArray& tail :
                 {QByteArray(), lost.left(512), QByteArray(lost.size(), 0), lost})
                states.insert(f.kept + tail);
        }
        return states;
    }

private:
    struct File {
        QByteArray now, kept;
    };
    using Names = std::map<QByteArray, int>;
    Names namesAfter(size_t done) const {
        Names names = m_kept;
        for (size_t i = 0; i < done; ++i)
            m_pending[i](names);
        return names;
    }

    std::vector<File> m_files;
    std::map<int, int> m_open;
    Names m_kept;
    // The changes of names since the directory was last flushed.
    std::vector<std::function<void(Names&)>> m_pending;
};

class PowerCutTest : public ProgramTest {};

QString qso(int n, bool qsl = false) {
    return logLine(QStringLiteral("I%1AB").arg(n), "AQ001", QStringLiteral("0%1/03/07").arg(n),
                   "10:00", "SSB", "14 Mhz", qsl);
}

} // namespace

TEST_F(PowerCutTest, EveryWriteLeavesTheOldFileOrTheNewWhole) {
    QStringList log;
    for (int n = 1; n <= 9; n += 2)
        log << qso(n);
    const QString fresh = qso(4);
    const StationLog station("IK1ABC");
    const struct {
        const char* write;
        QString file;
        Content before;
        std::function<bool()> act;
        QByteArray after;
    } writes[] = {
        {"append", station.fileName(), crlf(log), [&] { return station.appendQso(fresh); },
         crlf(QStringList(log) << fresh)},
        {"append after a line without end", station.fileName(), crlf(log).chopped(2),
         [&] { return station.appendQso(fresh); }, crlf(QStringList(log) << fresh)},
        {"QSL marking", station.fileName(), crlf(log),
         [] {
             return Modif_Fichier_Log({2, 4}, "IK1ABC");
         },
         crlf({log[0], qso(3, true), log[2], qso(7, true), log[4]})},
        {"new program file", "IK1ABC_DCI.adi", std::nullopt,
         [] { return writeProgramFile("IK1ABC_DCI.adi", {"nouveau"}); }, "nouveau\r\n"},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.write);
        setStation("IK1ABC", log);
        QFile::remove(path(w.file));
        if (w.before)
            writeBytes(w.file, *w.before);
        const QByteArray name = w.file.toLocal8Bit();
        Disk disk(name, w.before);
        RecordingFileSystem fs;
        ASSERT_TRUE(w.act());
        EXPECT_EQ(readBytes(w.file), w.after);
        ASSERT_FALSE(fs.calls.empty());
        const std::set<Content> whole{w.before, w.after};
        for (size_t done = 0; done <= fs.calls.size(); ++done) {
            for (const Content& state : disk.afterPowerCut(name))
                EXPECT_TRUE(whole.count(state)) << "after call " << done << ": "
                                                << (state ? state->left(60).toStdString() : "none");
            if (done < fs.calls.size())
                disk.apply(fs.calls[done]);
        }
        // Once the write is over, only the new file remains.
        EXPECT_EQ(disk.afterPowerCut(name), std::set<Content>{w.after});
    }
}
