#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1252, one byte per character. The five unassigned bytes map to the code points of the
// same value, so decoding then encoding gives every byte back.
QString decodeCp1252(QByteArrayView bytes);
// The same into `out`, whose room is kept from call to call: no allocation per line.
void decodeCp1252Into(QByteArrayView bytes, QString& out);
// A character the code page lacks becomes "?", never several bytes.
QByteArray encodeCp1252(const QString& text);
// The same, written at `out`, which has room for one byte per character of `text`.
void encodeCp1252Into(QStringView text, char* out);
bool isCp1252Encodable(QChar c);

// The text in capitals, letter by letter, where the capital is one character of the code page;
// other characters stay as they are ("ß" and "µ" keep their one column).
QString toUpperCp1252(const QString& text);

// The lines in Windows-1252, each ended by CR LF.
QByteArray encodeLines(const QStringList& lines);
