#include "codepage.h"
#include "logbytes.h"
#include "testsupport.h"

TEST(LogBytes, BlanksAreThoseOfTheDecodedText) {
    for (int b = 0; b < 256; ++b) {
        const QByteArray alone(1, char(b)), padded = alone + "A" + alone + alone + "B" + alone;
        EXPECT_EQ(isCp1252Space(char(b)), decodeCp1252(alone).trimmed().isEmpty()) << b;
        EXPECT_EQ(decodeCp1252(trimmedBytes(padded)), decodeCp1252(padded).trimmed()) << b;
    }
    // Blanks filling a column out are passed eight at a time: any count, other white among them.
    for (int n = 0; n <= 20; ++n) {
        const QByteArray blanks(n, ' ');
        EXPECT_EQ(trimmedBytes("A" + blanks + "\xa0" + blanks), "A") << n;
        EXPECT_EQ(trimmedBytes(blanks + "A B\t" + blanks + "\x85" + blanks),
                  "A B\t" + blanks + "\x85")
            << n;
        EXPECT_EQ(trimmedBytes(blanks), "") << n;
    }
}

TEST(LogBytes, ColumnsTextsAndNumbers) {
    const std::tuple<int, int, QByteArray> columns[] = {
        {0, 6, "IK2ABC"}, {8, 5, "MI"}, {10, 2, ""}, {40, 8, ""}, {6, 2, "  "}};
    for (const auto& [start, width, bytes] : columns)
        EXPECT_EQ(byteColumn("IK2ABC  MI", start, width), bytes) << start;
    // No bytes for a text with a character outside the code page: it matches no line.
    const std::pair<QString, std::optional<QByteArray>> texts[] = {
        {QString::fromUtf8("€ é"), QByteArray("\x80 \xe9")},
        {QString(QChar(0x81)), QByteArray("\x81")},
        {"", ""},
        {QString::fromUtf8("SSB✓"), std::nullopt}};
    for (const auto& [text, bytes] : texts)
        EXPECT_EQ(exactCp1252(text), bytes) << text.toStdString();
    const std::tuple<qint64, int, QByteArray> numbers[] = {
        {1, 5, "    1"}, {99999, 5, "99999"}, {123456, 5, "123456"}, {0, 0, "0"}};
    for (const auto& [n, width, digits] : numbers) {
        QByteArray out = "x";
        appendNumber(out, n, width);
        EXPECT_EQ(out, "x" + digits) << n;
    }
}
