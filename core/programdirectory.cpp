#include "programdirectory.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

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
