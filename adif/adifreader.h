#pragma once
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <vector>

struct AdifField {
    QString name; // in lower case
    QString value;
};

// One record of an ADIF file, its fields in file order.
struct AdifRecord {
    int number = 0;    // from 1, in file order
    qsizetype end = 0; // bytes of the file read once the record is complete
    std::vector<AdifField> fields;
    qsizetype count = 0; // fields in use; the others are kept for their room

    // The value of the field of this name (lower case); the last one wins; empty when missing.
    QString value(QStringView name) const;
    bool has(QStringView name) const;
};

enum class AdifStatus { Ok, NotAdif, CutShort, Stopped };

// Reads ADIF text, ADI or ADX (XML) as its first bytes tell, calling `visit` with each complete
// record until it returns false (the status is then Stopped). A file that ends inside a record
// is CutShort; the records before the cut have been visited.
AdifStatus readAdif(QByteArrayView data, const std::function<bool(const AdifRecord&)>& visit);

// True when the bytes are UTF-8 throughout.
bool isValidUtf8(QByteArrayView bytes);
