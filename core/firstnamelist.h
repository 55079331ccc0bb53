#pragma once
#include <QString>
#include <QStringList>

#include <optional>

// "Liste_Prenom.txt": the first name of each callsign worked, one line each: the callsign in
// 12 columns, four blanks, the first name from column 17.
class FirstNameList {
public:
    static QString path();
    static QString entryLine(const QString& callsign, const QString& firstName);
    // The first name of the last line whose columns 1-12, trimmed, equal the callsign, in
    // capitals; nothing when no line matches. A missing file counts as empty.
    static std::optional<QString> FindFirstName(const QString& callsign);
    // Replaces every line of this callsign by the new entry, or appends the entry when none was
    // replaced. False, with the file unchanged, when it cannot be written.
    static bool UpdateFirstNameList(const QString& callsign, const QString& firstName);
    // The lines of the list after that update; the other lines are kept as they are.
    static QStringList updatedLines(QStringList lines, const QString& callsign,
                                    const QString& firstName);
};
