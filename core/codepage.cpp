#include "codepage.h"

#include <array>

namespace {

// Code points of the bytes 0x80-0x9F; the others are Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString decodeCp1252(QByteArrayView bytes) {
    QString out;
    decodeCp1252Into(bytes, out);
    return out;
}

void decodeCp1252Into(QByteArrayView bytes, QString& out) {
    out.resize(bytes.size());
    QChar* d = out.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    // Latin-1 but for 0x80-0x9F; the plain loop is one the compiler vectorises.
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(char16_t(in[i]));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (in[i] >= 0x80 && in[i] < 0xA0)
            d[i] = QChar(kHigh[in[i] - 0x80]);
    }
}

void encodeCp1252Into(QStringView text, char* d) {
    const char16_t* in = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = in[i];
        if (u < 0x80) {
            d[i] = static_cast<char>(u);
        } else {
            const int b = byteFor(u);
            d[i] = static_cast<char>(b < 0 ? '?' : b);
        }
    }
}

QByteArray encodeCp1252(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    encodeCp1252Into(text, out.data());
    return out;
}

bool isCp1252Encodable(QChar c) {
    return byteFor(c.unicode()) >= 0;
}

QString toUpperCp1252(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const QString upper = QString(c).toUpper();
        if (upper.size() == 1 && isCp1252Encodable(upper[0]))
            c = upper[0];
    }
    return out;
}

QByteArray encodeLines(const QStringList& lines) {
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + 2;
    // Encoded straight into the one buffer: a log or an export has a line per QSO.
    QByteArray out(size, Qt::Uninitialized);
    char* d = out.data();
    for (const QString& l : lines) {
        encodeCp1252Into(l, d);
        d += l.size();
        *d++ = '\r';
        *d++ = '\n';
    }
    return out;
}
