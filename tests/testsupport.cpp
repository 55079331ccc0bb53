#include "testsupport.h"

#include "codepage.h"
#include "programdirectory.h"
#include "stationsettings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <QTest>

bool FakeDialogs::question(const QString& text) {
    questions.append(text);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeDialogs::choosePrinter(QPrinter& printer) {
    if (printerAnswer && !printerPdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printerPdf);
    }
    return printerAnswer;
}

int RecordingFileSystem::createNew(const QByteArray& path, unsigned mode) {
    const int fd = FileSystem::createNew(path, mode);
    m_sizes[fd] = 0;
    if (fd >= 0)
        calls.push_back({Op::Create, fd, path, {}});
    return fd;
}

bool RecordingFileSystem::write(int fd, QByteArrayView bytes) {
    qint64& size = m_sizes[fd];
    const bool full = room >= 0 && size + bytes.size() > room;
    const QByteArrayView kept = full ? bytes.first(room - size) : bytes;
    size += kept.size();
    const bool ok = FileSystem::write(fd, kept);
    calls.push_back({Op::Write, fd, {}, kept.toByteArray()});
    return ok && !full;
}

bool RecordingFileSystem::copyFrom(const QByteArray& source, int fd) {
    QByteArray content;
    return readRegularFile(QFile::decodeName(source), content) && write(fd, content);
}

bool RecordingFileSystem::sync(int fd) {
    calls.push_back({Op::Sync, fd, {}, {}});
    return FileSystem::sync(fd);
}

bool RecordingFileSystem::rename(const QByteArray& from, const QByteArray& to) {
    const bool ok = FileSystem::rename(from, to);
    if (ok)
        calls.push_back({Op::Rename, -1, from, to});
    return ok;
}

bool RecordingFileSystem::syncDirectory(const QByteArray& path) {
    calls.push_back({Op::SyncDirectory, -1, path, {}});
    return FileSystem::syncDirectory(path);
}

void RecordingFileSystem::remove(const QByteArray& path) {
    calls.push_back({Op::Remove, -1, path, {}});
    FileSystem::remove(path);
}

void ProgramTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("settings");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("settings"));
    ProgramDirectory::setPath(dir.filePath("program"));
    ASSERT_TRUE(ProgramDirectory::prepare());
    StationCallsign() = StationSettings::kNoStation;
    Dialogs::setInstance(&dialogs);
    Clock::setInstance(&clock);
}

void ProgramTest::TearDown() {
    Dialogs::setInstance(nullptr);
    Clock::setInstance(nullptr);
}

void ScreenTest::TearDown() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows.append(w);
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
    ProgramTest::TearDown();
}

QWidget* ProgramTest::topLevel(const char* name) {
    for (QWidget* t : QApplication::topLevelWidgets()) {
        const bool named = t->objectName() == QLatin1String(name) ||
                           QLatin1String(t->metaObject()->className()) == QLatin1String(name);
        if (named && t->isVisible())
            return t;
    }
    return nullptr;
}

QString ProgramTest::path(const QString& fileName) const {
    return ProgramDirectory::filePath(fileName);
}

QByteArray ProgramTest::readBytes(const QString& fileName) const {
    QFile f(path(fileName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ProgramTest::writeBytes(const QString& fileName, const QByteArray& bytes) const {
    QFile f(path(fileName));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void ProgramTest::setStation(const QString& callsign, const QStringList& logLines) {
    writeBytes(callsign + "_DCI.log", crlf(logLines));
    StationSettings::setStationCallsign(callsign);
    StationCallsign() = callsign;
}

QStringList ProgramTest::dirEntries() const {
    return QDir(ProgramDirectory::path()).entryList(QDir::Files, QDir::Name);
}

QMap<QString, QByteArray> ProgramTest::files() const {
    QMap<QString, QByteArray> all;
    for (const QString& name : dirEntries())
        all[name] = readBytes(name);
    return all;
}

QString ProgramTest::text(const QWidget* window, const QString& name) {
    QWidget* widget = child(window, name);
    if (auto* e = qobject_cast<QLineEdit*>(widget))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(widget))
        return c->currentText();
    if (auto* l = qobject_cast<QLabel*>(widget))
        return l->text();
    return {};
}

QStringList ProgramTest::lines(const QWidget* window, const QString& listName) {
    QStringList out;
    if (auto* list = child<QAbstractItemView>(window, listName)) {
        for (int row = 0; row < list->model()->rowCount(); ++row)
            out.append(list->model()->index(row, 0).data().toString());
    }
    return out;
}

void ProgramTest::press(const QWidget* window, const QString& button) {
    Keyboard::clickInto(child(window, button));
    Keyboard::pressButton();
}

QString logLine(const QString& callsign, const QString& reference, const QString& date,
                const QString& time, const QString& mode, const QString& band, bool qsl) {
    return BuildLogLine(sampleQso(callsign, reference, date, time, mode, band, qsl));
}

QsoRecord sampleQso(const QString& callsign, const QString& reference, const QString& date,
                    const QString& time, const QString& mode, const QString& band, bool qsl) {
    QsoRecord r;
    r.callsign = callsign;
    r.reference = reference;
    r.date = date;
    r.time = time;
    r.mode = mode;
    r.band = band;
    r.rstReceived = "59";
    r.rstSent = "59";
    r.castleName = "CASTELLO " + reference;
    r.district = "12";
    r.locator = "JN61";
    r.qslReceived = qsl;
    return r;
}

QByteArray crlf(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines)
        out += encodeCp1252(l) + "\r\n";
    return out;
}

QByteArray castleLine(const char* reference, const char* name, const char* district,
                      const char* locator) {
    return QByteArray(reference) + " " + QByteArray(name).leftJustified(60, ' ') + " " +
           QByteArray(district).leftJustified(3, ' ') + " " + locator + "\r\n";
}

namespace Keyboard {

QWidget* focused() {
    QApplication::processEvents();
    QWidget* widget = QApplication::focusWidget();
    EXPECT_NE(widget, nullptr) << "nothing has the focus";
    return widget;
}

void clickInto(QWidget* widget) {
    QWidget* window = widget->window();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable()) {
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    } else if (qobject_cast<QAbstractButton*>(widget)) {
        // A click would press it; a person tabs onto it instead.
        widget->setFocus(Qt::TabFocusReason);
    } else {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, widget->height() / 2));
    }
    QApplication::processEvents();
    EXPECT_TRUE(widget->hasFocus() || widget->isAncestorOf(QApplication::focusWidget()))
        << widget->objectName().toStdString() << " did not take the focus";
}

void type(const QString& text) {
    for (const QChar c : text) {
        QWidget* widget = focused();
        if (!widget)
            return;
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
            continue;
        }
        // A character with no key of its own, as a keyboard layout sends it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QWidget* widget = focused())
        QTest::keyClick(widget, key, modifiers);
    QApplication::processEvents();
}

void enter() {
    press(Qt::Key_Return);
}

void typeEnter(const QString& text) {
    type(text);
    enter();
}

void pressButton() {
    QWidget* widget = focused();
    ASSERT_NE(qobject_cast<QAbstractButton*>(widget), nullptr)
        << "the focus is on " << (widget ? widget->objectName().toStdString() : "nothing");
    enter();
}

} // namespace Keyboard
