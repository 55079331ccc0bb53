#include "bytekeys.h"

#include "capitals.h"
#include "codepage.h"
#include "logbytes.h"
#include "provincetable.h"
#include "stationlog.h"
#include "stationsettings.h"
#include "textfile.h"

#include <algorithm>
#include <vector>

namespace bytekeys {

namespace {

constexpr std::uint64_t kEmpty = ~std::uint64_t(0);

std::size_t slotOf(std::uint64_t key, std::size_t mask) {
    return std::size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & mask;
}

} // namespace

const std::array<char16_t, 256>& decodeTable() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            t[b] = decodeCp1252(QByteArrayView(&byte, 1)).at(0).unicode();
        }
        return t;
    }();
    return table;
}

const std::array<std::uint8_t, 256>& foldedRank() {
    static const std::array<std::uint8_t, 256> ranks = [] {
        // Folded as the case-ignoring sort folds: ASCII capitals to small letters, other
        // characters by their case folding.
        std::array<char16_t, 256> folded{};
        for (int b = 0; b < 256; ++b) {
            const QChar c(decodeTable()[b]);
            folded[b] = b < 0x80 ? (b >= 'A' && b <= 'Z' ? char16_t(b + 32) : char16_t(b))
                                 : c.toCaseFolded().unicode();
        }
        std::array<char16_t, 256> sorted = folded;
        std::sort(sorted.begin(), sorted.end());
        const auto last = std::unique(sorted.begin(), sorted.end());
        std::array<std::uint8_t, 256> r{};
        for (int b = 0; b < 256; ++b)
            r[b] = std::uint8_t(std::lower_bound(sorted.begin(), last, folded[b]) - sorted.begin());
        return r;
    }();
    return ranks;
}

std::uint64_t packBytes(QByteArrayView bytes) {
    std::uint64_t key = std::uint64_t(bytes.size()) << 56;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        key |= std::uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return key;
}

std::uint64_t KeyNumbers::of(QByteArrayView bytes) {
    if (bytes.size() <= 7)
        return packBytes(bytes);
    const QByteArray key = bytes.toByteArray();
    const auto found = m_others.constFind(key);
    if (found != m_others.cend())
        return *found;
    const std::uint64_t number = (std::uint64_t(1) << 63) | std::uint64_t(m_others.size());
    m_others.insert(key, number);
    return number;
}

std::uint64_t capitalKey(QByteArrayView field, KeyNumbers& numbers) {
    const QByteArrayView trimmed = trimmedBytes(field);
    if (trimmed.size() <= 32) {
        // Capitals of a short field written on the stack: "ß" doubles.
        char upper[64];
        return numbers.of(QByteArrayView(upper, writeCapitals(trimmed, upper) - upper));
    }
    QByteArray upper;
    appendCapitals(trimmed, upper);
    return numbers.of(upper);
}

int provinceOfKey(std::uint64_t key) {
    static const std::vector<std::uint8_t> numbers = [] {
        std::vector<std::uint8_t> n(1 << 16, 0);
        for (int number = 1; number <= ProvinceTable::kCount; ++number)
            n[packBytes(ProvinceTable::code(number).toLatin1()) & 0xFFFF] = std::uint8_t(number);
        return n;
    }();
    return key >> 56 == 2 ? numbers[key & 0xFFFF] : 0;
}

KeyIndex::KeyIndex() : m_keys(64, kEmpty), m_numbers(64, -1) {}

int KeyIndex::insert(std::uint64_t key) {
    const std::size_t mask = m_keys.size() - 1;
    for (std::size_t slot = slotOf(key, mask);; slot = (slot + 1) & mask) {
        if (m_keys[slot] == key)
            return m_numbers[slot];
        if (m_keys[slot] == kEmpty) {
            m_keys[slot] = key;
            m_numbers[slot] = m_count;
            if (2 * ++m_count > int(m_keys.size()))
                grow();
            return m_count - 1;
        }
    }
}

void KeyIndex::grow() {
    std::vector<std::uint64_t> keys(2 * m_keys.size(), kEmpty);
    std::vector<int> numbers(keys.size(), -1);
    const std::size_t mask = keys.size() - 1;
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i] == kEmpty)
            continue;
        std::size_t slot = slotOf(m_keys[i], mask);
        while (keys[slot] != kEmpty)
            slot = (slot + 1) & mask;
        keys[slot] = m_keys[i];
        numbers[slot] = m_numbers[i];
    }
    m_keys.swap(keys);
    m_numbers.swap(numbers);
}

bool scanFile(const QString& path, const std::function<void(QByteArrayView)>& visit) {
    return scanLines(path, [&visit](QByteArrayView line) {
        visit(line);
        return false;
    });
}

bool scanStationLog(const std::function<void(QByteArrayView)>& visit) {
    return scanFile(StationLog(StationCallsign()).path(), visit);
}

} // namespace bytekeys
