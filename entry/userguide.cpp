#include "userguide.h"

#include "dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString installedGuide() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           "/../share/zelk-dci/guide/index.html");
}

} // namespace

QString userGuidePath() {
    QStringList places{installedGuide()};
#ifdef ZELK_GUIDE_SOURCE_DIR
    places << QStringLiteral(ZELK_GUIDE_SOURCE_DIR "/index.html");
#endif
    for (const QString& place : places)
        if (QFileInfo(place).isFile())
            return place;
    return {};
}

void openUserGuide() {
    const QString path = userGuidePath();
    if (path.isEmpty()) {
        showMessage("Le mode d'emploi est introuvable. Il devrait se trouver ici :\n" +
                    QDir::toNativeSeparators(installedGuide()));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        showMessage("Aucun navigateur n'a pu ouvrir le mode d'emploi :\n" +
                    QDir::toNativeSeparators(path));
}
