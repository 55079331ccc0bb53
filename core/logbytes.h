#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstring>
#include <optional>

// Reading log lines straight from their bytes. Windows-1252 gives one byte per character, so a
// column of the decoded line is the same column of its bytes; these helpers give the results
// the decoded text would give, without decoding every line.

// A fixed slice of a line, cut short (never padded) past its end.
inline QByteArrayView byteColumn(QByteArrayView line, qsizetype start, qsizetype width) {
    if (start >= line.size())
        return {};
    return line.sliced(start, qMin(width, line.size() - start));
}

// The bytes whose decoded character is white space to QString::trimmed(): tab to CR, the blank
// and the no-break space 0xA0.
inline bool isCp1252Space(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b == ' ' || (b >= '\t' && b <= '\r') || b == 0xA0;
}

// The bytes without the white space at either end. The blanks that fill a column out are
// passed eight at a time.
inline QByteArrayView trimmedBytes(QByteArrayView bytes) {
    const char* p = bytes.data();
    qsizetype begin = 0, end = bytes.size();
    constexpr quint64 kEightBlanks = 0x2020202020202020;
    for (quint64 word; end - begin >= 8; end -= 8) {
        std::memcpy(&word, p + end - 8, 8);
        if (word != kEightBlanks)
            break;
    }
    while (end > begin && isCp1252Space(p[end - 1]))
        --end;
    while (begin < end && isCp1252Space(p[begin]))
        ++begin;
    return bytes.sliced(begin, end - begin);
}

// The text in Windows-1252, or nothing when one of its characters has no byte there: such a
// text can never equal text read from a file.
std::optional<QByteArray> exactCp1252(QStringView text);

// A number in decimal digits, at the end of `out`, right-aligned in `width` columns.
void appendNumber(QByteArray& out, qint64 number, int width = 0);
