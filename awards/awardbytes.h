#pragma once
#include "logbytes.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

// Reading the award fields straight from the bytes of a log line. The log is Windows-1252, one
// byte per character, so a column is a byte offset; only the lines a window shows are decoded.
// Where a field holds bytes of 0x80 and above, the callers fall back to the decoded text, so
// that case changes and blanks behave exactly as on decoded lines.
namespace awards::logbytes {

inline bool isAscii(QByteArrayView bytes) {
    // Eight bytes at a time: a log line is mostly ASCII and read whole.
    std::uint64_t high = 0;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        high |= word;
    }
    for (; i < bytes.size(); ++i)
        high |= static_cast<unsigned char>(bytes[i]);
    return (high & 0x8080808080808080ull) == 0;
}

// The character of each byte.
const std::array<char16_t, 256>& decodeTable();

// The place of each byte in the order of text compared with case ignored, as the sorted lists
// compare it: bytes compared through this table order as their decoded, case-folded characters.
const std::array<std::uint8_t, 256>& foldedRank();

// Text of at most seven ASCII characters packed in one number, its length in the top byte;
// longer or other text gets a number of its own, with the top bit set, from `KeyNumbers`.
class KeyNumbers {
public:
    std::uint64_t of(QStringView text);

private:
    QHash<QString, std::uint64_t> m_others;
};
// At most seven bytes, packed with their length; also a plain key for any short run of bytes.
std::uint64_t packAscii(QByteArrayView ascii);

// The text trimmed and in upper case, as a key: ASCII at once, other text through QString.
std::uint64_t trimmedUpperKey(QByteArrayView field, KeyNumbers& numbers);

// Numbers of keys, in the order first met, for counting distinct keys without a QSet of texts.
class KeyIndex {
public:
    KeyIndex();
    // The number of the key, a new one when it is new.
    int insert(std::uint64_t key);
    int size() const { return m_count; }

private:
    void grow();
    std::vector<std::uint64_t> m_keys;
    std::vector<int> m_numbers;
    int m_count = 0;
};

// Every line of a file, as bytes, as scanLines() gives them; false when the file cannot be read.
bool scanFile(const QString& path, const std::function<void(QByteArrayView)>& visit);
// Every line of the station log, as bytes; false when it cannot be read.
bool scanStationLog(const std::function<void(QByteArrayView)>& visit);

} // namespace awards::logbytes
