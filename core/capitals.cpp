#include "capitals.h"

#include "codepage.h"

#include <QString>

const std::array<unsigned char, 256>& capitalTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString upper = decodeCp1252(QByteArrayView(&byte, 1)).toUpper();
            const QByteArray back = encodeCp1252(upper);
            // A capital the code page lacks comes back as "?": the byte stays itself.
            const bool single = upper.size() == 1 && (back != "?" || b == '?');
            t[b] = b == kSharpS || !single ? static_cast<unsigned char>(b)
                                           : static_cast<unsigned char>(back[0]);
        }
        return t;
    }();
    return table;
}

char* writeCapitals(QByteArrayView bytes, char* out) {
    const auto& table = capitalTable();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == kSharpS) {
            *out++ = 'S';
            *out++ = 'S';
        } else {
            *out++ = char(table[b]);
        }
    }
    return out;
}

void appendCapitals(QByteArrayView bytes, QByteArray& out) {
    const qsizetype at = out.size();
    out.resize(at + 2 * bytes.size());
    out.resize(writeCapitals(bytes, out.data() + at) - out.data());
}
