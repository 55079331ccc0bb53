#include "logbytes.h"

#include "codepage.h"

#include <charconv>

std::optional<QByteArray> exactCp1252(QStringView text) {
    for (QChar c : text)
        if (!isCp1252Encodable(c))
            return std::nullopt;
    QByteArray out(text.size(), Qt::Uninitialized);
    encodeCp1252Into(text, out.data());
    return out;
}

void appendNumber(QByteArray& out, qint64 number, int width) {
    char digits[24];
    const qsizetype size = std::to_chars(digits, digits + sizeof digits, number).ptr - digits;
    if (size < width)
        out.append(width - size, ' ');
    out.append(digits, size);
}
