#include "firstnamelist.h"

#include "codepage.h"
#include "programdirectory.h"
#include "textfile.h"

#include <QFile>

QString FirstNameList::path() {
    return ProgramDirectory::filePath("Liste_Prenom.txt");
}

QString FirstNameList::entryLine(const QString& callsign, const QString& firstName) {
    return callsign.leftJustified(12, u' ') + QStringLiteral("    ") + firstName;
}

std::optional<QString> FirstNameList::FindFirstName(const QString& callsign) {
    QStringList lines;
    readTextLines(path(), lines);
    std::optional<QString> found;
    for (const QString& l : lines) {
        if (l.left(12).trimmed() == callsign)
            found = toUpperCp1252(l.mid(16));
    }
    return found;
}

bool FirstNameList::UpdateFirstNameList(const QString& callsign, const QString& firstName) {
    QStringList lines;
    if (!readTextLines(path(), lines) && QFile::exists(path()))
        return false;
    return rewriteTextFile(path(), ProgramDirectory::filePath("Temporaire.txt"),
                           updatedLines(std::move(lines), callsign, firstName));
}

QStringList FirstNameList::updatedLines(QStringList lines, const QString& callsign,
                                        const QString& firstName) {
    const QString entry = entryLine(callsign, firstName);
    const QString key = entry.left(12);
    bool replaced = false;
    for (QString& l : lines) {
        if (l.left(12) == key) {
            l = entry;
            replaced = true;
        }
    }
    if (!replaced)
        lines.append(entry);
    return lines;
}
