#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The file-system calls of the write frame (scratch file, flush, rename, directory flush), in
// one place so that tests can record them, cut the power after any of them or fill the disk.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates the file afresh with these permissions: a leftover of that name is removed first
    // and a symbolic link is never followed. -1 on failure.
    virtual int createNew(const QByteArray& path, unsigned mode);
    virtual bool write(int fd, QByteArrayView bytes);
    // Copies the whole regular file at `source` to the end of what `fd` holds.
    virtual bool copyFrom(const QByteArray& source, int fd);
    virtual bool sync(int fd);
    virtual bool close(int fd);
    virtual bool rename(const QByteArray& from, const QByteArray& to);
    virtual bool syncDirectory(const QByteArray& path);
    virtual void remove(const QByteArray& path);

    static FileSystem& instance();
    // Installs a replacement (not owned); nullptr restores the real calls.
    static void setInstance(FileSystem* fileSystem);
};

// The file opened for reading when it is a regular file (never a FIFO, which would wait for a
// writer, nor a device, which may never end); -1 otherwise.
int openRegularFile(const QString& path);
// The whole content of a regular file; false when it is not one or cannot be read.
bool readRegularFile(const QString& path, QByteArray& content);
