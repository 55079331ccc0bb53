#pragma once
#include <QString>

// The one directory where every file of the program lives.
class ProgramDirectory {
public:
    // ZELK_DCI_DIR when set, else the per-user application data location.
    static QString defaultPath();
    static void setPath(const QString& path);
    static QString path();
    static QString filePath(const QString& fileName);
    // Creates the directory when missing and copies in the seed files it lacks; an existing
    // file is never overwritten. False when the directory cannot be made.
    static bool prepare();
    // Takes the lock file of the directory, held until the program ends, so that one copy of
    // the program at a time uses it; a lock left by a process that is gone is taken over. False
    // when a running copy holds it.
    static bool lock();
    static inline const QString kLockFile = QStringLiteral("ZELK_DCI.lock");
};
