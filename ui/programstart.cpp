#include "programstart.h"

#include "dialogs.h"
#include "programdirectory.h"

#include <QDir>

bool openProgramDirectory() {
    const QString path = ProgramDirectory::path();
    if (!QDir().mkpath(path)) {
        showMessage(QString::fromUtf8("Impossible de créer le répertoire du programme ") + path);
        return false;
    }
    if (!ProgramDirectory::lock()) {
        showMessage(QString::fromUtf8("ZELK_DCI est déjà ouvert pour ce répertoire : ") +
                    QDir::toNativeSeparators(path));
        return false;
    }
    if (!ProgramDirectory::prepare()) {
        showMessage(QString::fromUtf8("Impossible de créer le répertoire du programme ") + path);
        return false;
    }
    return true;
}
