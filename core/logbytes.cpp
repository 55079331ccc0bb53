#include "logbytes.h"

#include "codepage.h"
#include "programdirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QByteArray> exactCp1252(QStringView text) {
    for (QChar c : text)
        if (!isCp1252Encodable(c))
            return std::nullopt;
    QByteArray out(text.size(), Qt::Uninitialized);
    encodeCp1252Into(text, out.data());
    return out;
}

void appendNumber(QByteArray& out, qint64 number, int width) {
    char digits[24];
    const qsizetype size = std::to_chars(digits, digits + sizeof digits, number).ptr - digits;
    if (size < width)
        out.append(width - size, ' ');
    out.append(digits, size);
}

namespace {

// A rename is durable only once the directory that holds the name is on disk too.
void syncDirectory(const QString& directory) {
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A symbolic link is followed, so that the file it points at is replaced and the link stays.
QString resolvedTarget(const QString& target) {
    const QFileInfo info(target);
    if (!info.isSymLink())
        return target;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

} // namespace

bool writeProgramBytes(const QString& fileName, const QByteArray& bytes) {
    const QString live = resolvedTarget(ProgramDirectory::filePath(fileName));
    const QFileInfo liveInfo(live);
    // The scratch file sits beside the file it replaces: a rename cannot cross disks.
    const QString scratch =
        liveInfo.absoluteDir().filePath(QStringLiteral("Temporaire_Export.txt"));
    QFile f(scratch);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    struct stat old {};
    bool written = ::stat(QFile::encodeName(live).constData(), &old) != 0 ||
                   ::fchmod(f.handle(), old.st_mode & 07777) == 0;
    written = written && f.write(bytes) == bytes.size() && f.flush() && ::fsync(f.handle()) == 0;
    f.close();
    if (!written || std::rename(QFile::encodeName(scratch).constData(),
                                QFile::encodeName(live).constData()) != 0) {
        QFile::remove(scratch);
        return false;
    }
    syncDirectory(liveInfo.absolutePath());
    return true;
}
