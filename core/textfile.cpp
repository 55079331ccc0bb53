#include "textfile.h"

#include "codepage.h"
#include "filesystem.h"
#include "linetable.h"
#include "programdirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The file a name finally stands for: a symbolic link is followed, so that a rewrite replaces
// the live file and leaves the link in place.
QString resolvedTarget(const QString& target) {
    const QFileInfo info(target);
    if (!info.isSymLink())
        return target;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// The case-folded text, with a quick path for ASCII, which nearly every line is.
QString foldedCase(const QString& text) {
    QString out(text.size(), Qt::Uninitialized);
    const QChar* in = text.constData();
    QChar* o = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = in[i].unicode();
        if (u >= u'A' && u <= u'Z')
            o[i] = QChar(u + 32);
        else
            o[i] = u < 0x80 ? in[i] : in[i].toCaseFolded();
    }
    return out;
}

} // namespace

bool scanLines(const QString& path, const std::function<bool(QByteArrayView)>& visit) {
    const int fd = openRegularFile(path);
    if (fd < 0)
        return false;
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    // A piece at a time, so that a large log costs no memory of its size; the line cut by the
    // end of a piece moves to the front of the buffer.
    QByteArray buffer(kScanPiece, Qt::Uninitialized);
    qsizetype held = 0;
    // The last piece ended on a CR: an LF at the start of the next belongs to it.
    bool crEnded = false;
    for (;;) {
        if (held == buffer.size())
            buffer.resize(2 * buffer.size());
        const ssize_t n = ::read(fd, buffer.data() + held, size_t(buffer.size() - held));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        const char* p = buffer.constData();
        const char* const end = p + held + n;
        if (crEnded && n > 0 && *p == '\n')
            ++p;
        crEnded = false;
        if (n == 0) {
            // The last line, without an end.
            if (p < end)
                visit(QByteArrayView(p, end - p));
            return true;
        }
        const char* lastEnd = end - 1;
        while (lastEnd >= p && *lastEnd != '\r' && *lastEnd != '\n')
            --lastEnd;
        if (lastEnd >= p) {
            bool stopped = false;
            forEachLine(QByteArrayView(p, lastEnd + 1 - p),
                        [&](QByteArrayView line) { return stopped = visit(line); });
            if (stopped)
                return true;
            crEnded = lastEnd == end - 1 && *lastEnd == '\r';
            p = lastEnd + 1;
        }
        held = end - p;
        std::memmove(buffer.data(), p, size_t(held));
    }
}

bool readTextLines(const QString& path, QStringList& lines) {
    lines.clear();
    return scanLines(path, [&lines](QByteArrayView line) {
        lines.append(decodeCp1252(line));
        return false;
    });
}

bool rewriteTextFile(const QString& target, const QString& scratchPath, const QStringList& lines) {
    return rewriteFile(target, scratchPath, encodeLines(lines));
}

bool rewriteFile(const QString& target, const QString& scratchPath, const QByteArray& data,
                 bool followLink) {
    FileRewrite rewrite(target, scratchPath, followLink);
    rewrite.write(data);
    return rewrite.commit();
}

FileRewrite::FileRewrite(const QString& target, const QString& scratchPath, bool followLink)
    : m_live(followLink ? resolvedTarget(target) : target), m_scratch(scratchPath) {
    const QFileInfo liveInfo(m_live), scratchInfo(scratchPath);
    // A rename cannot cross directories that may be on other disks.
    if (liveInfo.absolutePath() != scratchInfo.absolutePath())
        m_scratch = liveInfo.absoluteDir().filePath(scratchInfo.fileName());
    m_fd = FileSystem::instance().createNew(QFile::encodeName(m_scratch), 0666);
    if (m_fd < 0)
        return;
    struct stat old {};
    m_ok = ::stat(QFile::encodeName(m_live).constData(), &old) != 0 ||
           ::fchmod(m_fd, old.st_mode & 07777) == 0;
    m_buffer.reserve(kScanPiece);
}

FileRewrite::~FileRewrite() {
    if (m_fd >= 0) {
        FileSystem::instance().close(m_fd);
        FileSystem::instance().remove(QFile::encodeName(m_scratch));
    }
}

void FileRewrite::write(QByteArrayView bytes) {
    if (!m_ok)
        return;
    if (m_buffer.size() + bytes.size() > kScanPiece)
        flush();
    if (bytes.size() > kScanPiece)
        m_ok = m_ok && FileSystem::instance().write(m_fd, bytes);
    else
        m_buffer.append(bytes);
}

void FileRewrite::add(QByteArrayView line) {
    write(line);
    write("\r\n");
}

void FileRewrite::copy(const QString& source) {
    flush();
    m_ok = m_ok && FileSystem::instance().copyFrom(QFile::encodeName(source), m_fd);
}

void FileRewrite::flush() {
    m_ok = m_ok && (m_buffer.isEmpty() || FileSystem::instance().write(m_fd, m_buffer));
    // The room stays for the next piece.
    m_buffer.resize(0);
}

bool FileRewrite::commit() {
    if (m_fd < 0)
        return false;
    FileSystem& fs = FileSystem::instance();
    flush();
    m_ok = m_ok && fs.sync(m_fd);
    m_ok = fs.close(m_fd) && m_ok;
    m_fd = -1;
    if (!m_ok || !fs.rename(QFile::encodeName(m_scratch), QFile::encodeName(m_live))) {
        fs.remove(QFile::encodeName(m_scratch));
        return false;
    }
    fs.syncDirectory(QFile::encodeName(QFileInfo(m_live).absolutePath()));
    return true;
}

void sortIgnoringCase(QStringList& lines, bool exactTies) {
    std::vector<std::pair<QString, qsizetype>> keyed;
    keyed.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        keyed.emplace_back(foldedCase(lines[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return exactTies && lines[a.second] < lines[b.second];
    });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const auto& k : keyed)
        sorted.append(lines[k.second]);
    lines = std::move(sorted);
}

bool writeProgramBytes(const QString& fileName, const QByteArray& bytes) {
    return rewriteFile(ProgramDirectory::filePath(fileName),
                       ProgramDirectory::filePath(QStringLiteral("Temporaire_Export.txt")), bytes);
}

bool writeProgramFile(const QString& fileName, const QStringList& lines) {
    return writeProgramBytes(fileName, encodeLines(lines));
}

QString saveFailureMessage(const QString& fileName) {
    return QStringLiteral("Impossible d'enregistrer le fichier ") + fileName;
}

bool appendTextLine(const QString& path, const QString& scratch, const QString& line) {
    const int fd = openRegularFile(path);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    char lastByte = '\n';
    if (ok && st.st_size > 0)
        ok = ::pread(fd, &lastByte, 1, st.st_size - 1) == 1;
    ::close(fd);
    // A last line left without its end is ended first.
    const bool ended = lastByte == '\n' || lastByte == '\r';
    if (!ok)
        return false;
    // The whole log with the new record goes through the scratch file: a power cut leaves the
    // log as it was or with the whole record, never a part of it.
    FileRewrite out(path, scratch);
    out.copy(path);
    if (!ended)
        out.write("\r\n");
    out.add(encodeCp1252(line));
    return out.commit();
}

bool writeWorkFile(const QString& fileName, const QStringList& lines) {
    return rewriteFile(ProgramDirectory::filePath(fileName),
                       ProgramDirectory::filePath(QStringLiteral("Temporaire_Export.txt")),
                       encodeLines(lines), false);
}
