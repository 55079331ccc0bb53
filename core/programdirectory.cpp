#include "programdirectory.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace {

QString& currentPath() {
    static QString path;
    return path;
}

// Files seeded into a new program directory.
constexpr const char* kSeedFiles[] = {"FXXXX.txt", "Liste_Prenom.txt", "Liste_Chateau.txt"};

} // namespace

QString ProgramDirectory::defaultPath() {
    const QString env = qEnvironmentVariable("ZELK_DCI_DIR");
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void ProgramDirectory::setPath(const QString& path) {
    currentPath() = path;
}

QString ProgramDirectory::path() {
    if (currentPath().isEmpty())
        currentPath() = defaultPath();
    return currentPath();
}

QString ProgramDirectory::filePath(const QString& fileName) {
    return QDir(path()).filePath(fileName);
}

bool ProgramDirectory::prepare() {
    Q_INIT_RESOURCE(seed);
    if (!QDir().mkpath(path()))
        return false;
    for (const char* name : kSeedFiles) {
        const QString target = filePath(name);
        if (QFile::exists(target))
            continue;
        if (QFile::copy(QStringLiteral(":/seed/") + name, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    }
    return true;
}

bool ProgramDirectory::lock() {
    static std::unique_ptr<QLockFile> held;
    auto file = std::make_unique<QLockFile>(filePath(kLockFile));
    // Only a lock whose process is gone is stale, however long the program has run.
    file->setStaleLockTime(0);
    if (!file->tryLock(0))
        return file->error() != QLockFile::LockFailedError;
    held = std::move(file);
    return true;
}
