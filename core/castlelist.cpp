#include "castlelist.h"

#include "codepage.h"
#include "programdirectory.h"
#include "textfile.h"

#include <QStringList>

QString CastleList::path() {
    return ProgramDirectory::filePath("Liste_Chateau.txt");
}

CastleList::Castle CastleList::FindCastle(const QString& reference) {
    QStringList lines;
    Castle castle;
    if (!readTextLines(path(), lines))
        return castle;
    if (lines.isEmpty()) {
        castle.status = Status::Empty;
        return castle;
    }
    for (const QString& l : lines) {
        if (l.left(5).trimmed() == reference) {
            castle.status = Status::Found;
            castle.name = toUpperCp1252(l.mid(6, 60)).trimmed();
            castle.district = l.mid(67, 3).trimmed();
            castle.locator = l.mid(71, 4).trimmed();
            break;
        }
    }
    return castle;
}

QString CastleList::ShowCastleListRevision() {
    QStringList lines;
    readTextLines(path(), lines);
    const QString last = lines.isEmpty() ? QString() : lines.last();
    return "Nom du Fichier       : Liste_Chateau.txt\nRevision du fichier : " + last.mid(6, 6) +
           "\nDate de révision    : " + last.mid(13, 10);
}
