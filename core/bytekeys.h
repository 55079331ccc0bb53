#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// Keys and orders worked out on the bytes of log lines, so that counts and sorted lists decode
// only the lines they show.
namespace bytekeys {

// The character of each byte.
const std::array<char16_t, 256>& decodeTable();

// The place of each byte in the order of text compared with case ignored, as the sorted lists
// compare it: bytes compared through this table order as their decoded, case-folded characters.
const std::array<std::uint8_t, 256>& foldedRank();

// The order of two runs of bytes, case ignored, as the case-ignoring sort orders their text:
// negative, 0 or positive. `a` may stop short: it is taken as filled with blanks.
inline int foldedOrder(QByteArrayView a, QByteArrayView b) {
    const auto& rank = foldedRank();
    const auto order = [&rank](char x, char y) {
        return x == y ? 0
                      : rank[static_cast<unsigned char>(x)] - rank[static_cast<unsigned char>(y)];
    };
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i)
        if (const int d = order(a[i], b[i]))
            return d;
    for (qsizetype i = common; i < b.size(); ++i)
        if (const int d = order(' ', b[i]))
            return d;
    return 0;
}

// At most seven bytes packed in one number, their count in the top byte.
std::uint64_t packBytes(QByteArrayView bytes);

// Packed bytes, or for longer text a number of its own with the top bit set.
class KeyNumbers {
public:
    std::uint64_t of(QByteArrayView bytes);

private:
    QHash<QByteArray, std::uint64_t> m_others;
};

// The field trimmed and in capitals, as a key.
std::uint64_t capitalKey(QByteArrayView field, KeyNumbers& numbers);

// The province number (1 to ProvinceTable::kCount) of a capital key, 0 for any other key.
int provinceOfKey(std::uint64_t key);

// Numbers of keys in the order first met, for counting distinct keys: an open-addressing table,
// as the award windows look a key up for every line of the log.
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

} // namespace bytekeys
