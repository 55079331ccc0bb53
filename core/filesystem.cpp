#include "filesystem.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileSystem*& installed() {
    static FileSystem* fileSystem = nullptr;
    return fileSystem;
}

bool readAll(int fd, char* p, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::read(fd, p, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= n;
    }
    return true;
}

} // namespace

FileSystem& FileSystem::instance() {
    static FileSystem real;
    return installed() ? *installed() : real;
}

void FileSystem::setInstance(FileSystem* fileSystem) {
    installed() = fileSystem;
}

int FileSystem::createNew(const QByteArray& path, unsigned mode) {
    if (::unlink(path.constData()) != 0 && errno != ENOENT)
        return -1;
    return ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  mode_t(mode));
}

bool FileSystem::write(int fd, QByteArrayView bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

bool FileSystem::copyFrom(const QByteArray& source, int fd) {
    const int in = openRegularFile(QFile::decodeName(source));
    if (in < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(in, &st) == 0;
    off_t left = ok ? st.st_size : 0;
    // Copied inside the kernel where it can; byte by byte through a buffer where it cannot.
    while (ok && left > 0) {
        const ssize_t n = ::copy_file_range(in, nullptr, fd, nullptr, size_t(left), 0);
        if (n > 0) {
            left -= n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 ||
            (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)) {
            ok = false;
            break;
        }
        QByteArray buffer(qMin<off_t>(left, 1 << 20), Qt::Uninitialized);
        while (ok && left > 0) {
            const qsizetype piece = qMin<off_t>(left, buffer.size());
            ok =
                readAll(in, buffer.data(), piece) && write(fd, QByteArrayView(buffer).first(piece));
            left -= piece;
        }
    }
    ::close(in);
    return ok;
}

bool FileSystem::sync(int fd) {
    return ::fsync(fd) == 0;
}

bool FileSystem::close(int fd) {
    return ::close(fd) == 0;
}

bool FileSystem::rename(const QByteArray& from, const QByteArray& to) {
    return std::rename(from.constData(), to.constData()) == 0;
}

bool FileSystem::syncDirectory(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void FileSystem::remove(const QByteArray& path) {
    ::unlink(path.constData());
}

int openRegularFile(const QString& path) {
    // Without O_NONBLOCK the open of a FIFO would wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

bool readRegularFile(const QString& path, QByteArray& content) {
    content.clear();
    const int fd = openRegularFile(path);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok) {
        content.resize(qsizetype(st.st_size));
        ok = readAll(fd, content.data(), content.size());
    }
    ::close(fd);
    if (!ok)
        content.clear();
    return ok;
}
