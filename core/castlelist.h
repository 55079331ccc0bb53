#pragma once
#include <QString>

// "Liste_Chateau.txt": reference, castle name, district and locator in fixed columns, the
// revision line last. Read only.
class CastleList {
public:
    enum class Status { Found, NotFound, Empty };
    struct Castle {
        Status status = Status::NotFound;
        QString name; // in capitals, trimmed
        QString district;
        QString locator;
    };

    static QString path();
    // The first line whose columns 1-5, trimmed, equal the reference. A missing file finds
    // nothing; a file without a line is Empty.
    static Castle FindCastle(const QString& reference);
    // The message of the File menu entry, with the revision and its date.
    static QString ShowCastleListRevision();
};
