#include "codepage.h"
#include "logbytes.h"
#include "testsupport.h"

TEST(LogBytes, TrimmedBlanksAreThoseOfTheDecodedTextAndNumbersArePadded) {
    for (int b = 0; b < 256; ++b) {
        const QByteArray alone(1, char(b)), padded = alone + "A" + alone + alone + "B" + alone;
        EXPECT_EQ(isCp1252Space(char(b)), decodeCp1252(alone).trimmed().isEmpty()) << b;
        EXPECT_EQ(decodeCp1252(trimmedBytes(padded)), decodeCp1252(padded).trimmed()) << b;
    }
    // Blanks filling a column out are passed eight at a time: any count, other white among them.
    for (const QByteArray blanks :
         {"", " ", "       ", "        ", "         ", "                 "}) {
        EXPECT_EQ(trimmedBytes("A" + blanks + "\xa0" + blanks), "A") << blanks.size();
        EXPECT_EQ(trimmedBytes(blanks + "A\t" + blanks + "\x85" + blanks), "A\t" + blanks + "\x85");
        EXPECT_EQ(trimmedBytes(blanks), "") << blanks.size();
    }
    for (const auto& [n, width, digits] : {std::tuple<qint64, int, QByteArray>{1, 5, "    1"},
                                           {99999, 5, "99999"},
                                           {123456, 5, "123456"},
                                           {0, 0, "0"}}) {
        QByteArray out = "x";
        appendNumber(out, n, width);
        EXPECT_EQ(out, "x" + digits) << n;
    }
}
