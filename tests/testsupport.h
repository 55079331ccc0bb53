#pragma once
#include "clock.h"
#include "dialogs.h"
#include "filesystem.h"
#include "qsorecord.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << QString::fromLatin1(b).toStdString() << '"';
}

// Records every message; answers questions from a script (Yes when the script is empty).
class FakeDialogs : public Dialogs {
public:
    void information(const QString& text) override { messages.append(text); }
    bool question(const QString& text) override;
    bool choosePrinter(QPrinter& printer) override;
    QString chooseFile(const QString& caption, const QString&) override {
        fileCaptions.append(caption);
        return chosenFile;
    }

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    bool printerAnswer = true;
    // When set, a printer chosen prints into this PDF file.
    QString printerPdf;
    // The answer of every file chooser: a path, or empty as when the chooser is cancelled.
    QString chosenFile;
    QStringList fileCaptions;
};

// While it lives, the write frame's file-system calls go to the real ones and are recorded, the
// bytes written included; with `room` set, the disk is full once a file would grow past that.
class RecordingFileSystem : public FileSystem {
public:
    enum class Op { Create, Write, Sync, Rename, SyncDirectory, Remove };
    struct Call {
        Op op;
        int fd = -1;
        QByteArray path;  // the file made, renamed or removed, or the directory
        QByteArray other; // the bytes written, or the new name
    };
    RecordingFileSystem() { FileSystem::setInstance(this); }
    ~RecordingFileSystem() override { FileSystem::setInstance(nullptr); }
    RecordingFileSystem(const RecordingFileSystem&) = delete;
    RecordingFileSystem& operator=(const RecordingFileSystem&) = delete;

    int createNew(const QByteArray& path, unsigned mode) override;
    bool write(int fd, QByteArrayView bytes) override;
    bool copyFrom(const QByteArray& source, int fd) override;
    bool sync(int fd) override;
    bool rename(const QByteArray& from, const QByteArray& to) override;
    bool syncDirectory(const QByteArray& path) override;
    void remove(const QByteArray& path) override;

    std::vector<Call> calls;
    qint64 room = -1;

private:
    std::map<int, qint64> m_sizes;
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
    // Every file of the program directory by name, with its bytes.
    QMap<QString, QByteArray> files() const;

    // The named child of a window; a failed expectation when it has none.
    template <class T = QWidget> static T* child(const QWidget* window, const QString& name) {
        T* found = window ? window->findChild<T*>(name) : nullptr;
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // The shown top-level window of that object or class name.
    static QWidget* topLevel(const char* name);
    // What the named label, field or combo of the window shows.
    static QString text(const QWidget* window, const QString& name);
    // The lines the named list view of the window shows.
    static QStringList lines(const QWidget* window, const QString& listName);
    // Gives the named button of the window the focus and presses it with Enter.
    static void press(const QWidget* window, const QString& button);

    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakeClock clock;
};

// Screens are top-level windows kept between calls; each test ends with none left.
class ScreenTest : public ProgramTest {
protected:
    void TearDown() override;
};

// The lines, each ended by CR LF, one byte per character.
QByteArray crlf(const QStringList& lines);
// A line of the castle list in its columns.
QByteArray castleLine(const char* reference, const char* name, const char* district,
                      const char* locator);

// A QSO of castle "CASTELLO <reference>", district 12, JN61, reports 59, from a few fields.
QsoRecord sampleQso(const QString& callsign, const QString& reference, const QString& date,
                    const QString& time, const QString& mode, const QString& band, bool qsl);
// Its complete 142-column log line.
QString logLine(const QString& callsign, const QString& reference, const QString& date = "05/12/26",
                const QString& time = "14:30", const QString& mode = "SSB",
                const QString& band = "14 Mhz", bool qsl = false);

// The keyboard and the mouse as a person uses them: every key goes to the widget that has the
// focus (QApplication::focusWidget()), which must exist; a button is pressed with Enter or Space
// once it has the focus.
namespace Keyboard {
// The widget that has the focus; a failed expectation when none has.
QWidget* focused();
// Clicks into a field or onto a control, as a person does to give it the focus.
void clickInto(QWidget* widget);
// Types the text, key by key, into the focused widget.
void type(const QString& text);
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void enter();
// Types the text and presses Enter.
void typeEnter(const QString& text);
// Enter on the focused widget, which must be a button.
void pressButton();
} // namespace Keyboard
