#include "table_scanner.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

using namespace tamrik;
using namespace std::string_literals;

namespace {

// The values found, as (line, value) pairs, or the error.
struct Found {
    std::vector<std::pair<int, int>> values;
    std::u32string error;

    bool operator==(const Found&) const = default;
};

Found found(std::u32string_view text) {
    const TableScan scan = scanTable(text);
    Found f;
    for (const TableValue& v : scan.values)
        f.values.emplace_back(v.line, v.value);
    if (scan.error)
        f.error = describe(*scan.error);
    return f;
}

void PrintTo(const Found& f, std::ostream* os) {
    for (const auto& [line, value] : f.values)
        *os << "(" << line << ": " << value << ") ";
    *os << std::string(f.error.begin(), f.error.end());
}

struct Scan {
    const char* name;
    std::u32string text;
    Found expected;
};

const Scan kScans[] = {
    {"window array",
     U"flash char buf[ ] = {\n0b00111111,      // 0\n0x06      ,// 1\n0b01011011       // 2\n};",
     {{{2, 0x3F}, {3, 0x06}, {4, 0x5B}}, U""}},
    {"every notation",
     U"{ 0b1, 0B00000010, B00000100, 0x8, 0X1f, 0xfF, 32, 0 }",
     {{{1, 1}, {1, 2}, {1, 4}, {1, 8}, {1, 31}, {1, 255}, {1, 32}, {1, 0}}, U""}},
    {"header numbers and text after the closing brace are no values",
     U"const uint8_t seg7[10] PROGMEM = { 1, 2 };\nint x = 300;",
     {{{1, 1}, {1, 2}}, U""}},
    {"only the first array", U"a[] = { 1 };\nb[] = { 2 };", {{{1, 1}}, U""}},
    {"without a brace every line is body",
     U"0x3F\n0x06 // 1000\n\n91",
     {{{1, 0x3F}, {2, 0x06}, {4, 91}}, U""}},
    {"no closing brace runs to the end", U"{ 1,\n2,\n3", {{{1, 1}, {2, 2}, {3, 3}}, U""}},
    {"comments hold no values and no braces",
     U"/* { 7 } */ x[] = { // }\n 1, /* 300\n 0b2 } */ 2 }",
     {{{2, 1}, {3, 2}}, U""}},
    {"an open block comment runs to the end", U"{ 1, /* 2, 3", {{{1, 1}}, U""}},
    {"names and keywords are left alone",
     U"{ SEG_A, uint8_t, _1, b00000001, Buffer, x0x3F }",
     {{}, U""}},
    {"crlf and lone cr each end a line",
     U"{\r\n1,\r\n2,\r3 // 4\r5 }",
     {{{2, 1}, {3, 2}, {4, 3}, {5, 5}}, U""}},
    {"unicode line and paragraph separators end a line",
     U"1\u2028"
     U"2\u2029"
     U"3",
     {{{1, 1}, {2, 2}, {3, 3}}, U""}},
    {"a comment ends at a lone cr", U"// 300\r7", {{{2, 7}}, U""}},
    {"non-ascii text and nul between values",
     U"{ 1,\0\uFFFD 2, Количество 3 }"s,
     {{{1, 1}, {1, 2}, {1, 3}}, U""}},
    {"over 255 decimal", U"{\n1,\n256 }", {{{2, 1}}, U"line 3: '256' is over 255"}},
    {"over 255 hexadecimal", U"{ 0x100 }", {{}, U"line 1: '0x100' is over 255"}},
    {"over 255 binary", U"{ 0b100000000 }", {{}, U"line 1: '0b100000000' is over 255"}},
    {"a huge number is over 255, not an overflow",
     U"{ 99999999999999999999999999 }",
     {{}, U"line 1: '99999999999999999999999999' is over 255"}},
    {"nine binary digits",
     U"{ 0b000000001 }",
     {{}, U"line 1: '0b000000001' is not \"0b\" and one to eight binary digits"}},
    {"bad binary digit",
     U"{ 0b00000002 }",
     {{}, U"line 1: '0b00000002' is not \"0b\" and one to eight binary digits"}},
    {"bare 0b", U"{ 0b }", {{}, U"line 1: '0b' is not \"0b\" and one to eight binary digits"}},
    {"three hex digits",
     U"{ 0x0FF }",
     {{}, U"line 1: '0x0FF' is not \"0x\" and one or two hexadecimal digits"}},
    {"bad hex digit",
     U"{ 0x3G }",
     {{}, U"line 1: '0x3G' is not \"0x\" and one or two hexadecimal digits"}},
    {"c suffix",
     U"{ 0x3Fu }",
     {{}, U"line 1: '0x3Fu' is not \"0x\" and one or two hexadecimal digits"}},
    {"short arduino binary",
     U"{ B0101 }",
     {{}, U"line 1: 'B0101' is not \"B\" and eight binary digits"}},
    {"octal-looking decimal",
     U"{ 010 }",
     {{}, U"line 1: '010' has a leading zero, which C reads as octal"}},
    {"digit then letters",
     U"{ 8bit }",
     {{}, U"line 1: '8bit' is not a number in binary, hexadecimal or decimal"}},
    {"the first error wins", U"{ 1, 300, 0x1000 }", {{{1, 1}}, U"line 1: '300' is over 255"}},
    {"a long bad word is cut in the message",
     U"{ 0x" + std::u32string(1000, U'F') + U" }",
     {{}, U"line 1: '0x" + std::u32string(38, U'F') + U"...' is over 255"}},
    {"empty", U"", {{}, U""}},
};

void PrintTo(const Scan& s, std::ostream* os) {
    *os << s.name;
}

class Scans : public testing::TestWithParam<Scan> {};

TEST_P(Scans, FindTheValuesOrTheFirstError) {
    EXPECT_EQ(found(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TableScanner, Scans, testing::ValuesIn(kScans), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

TEST(TableScanner, ValuesKnowWhereAndHowTheyWereWritten) {
    const std::u32string text = U"{ 0B101, 0xaB, B00000001 }";
    const TableScan scan = scanTable(text);
    ASSERT_EQ(scan.values.size(), 3u);
    EXPECT_EQ(text.substr(scan.values[0].begin, scan.values[0].length), U"0B101");
    EXPECT_EQ(scan.values[0].notation, Notation::Binary);
    EXPECT_TRUE(scan.values[0].capitalPrefix);
    EXPECT_EQ(text.substr(scan.values[1].begin, scan.values[1].length), U"0xaB");
    EXPECT_EQ(scan.values[1].notation, Notation::Hex);
    EXPECT_FALSE(scan.values[1].capitalPrefix);
    EXPECT_EQ(scan.values[1].hexLetters, LetterCase::Lower);
    EXPECT_EQ(scan.values[2].notation, Notation::Arduino);
}

TEST(TableScanner, AHugePasteIsScannedInFull) {
    std::u32string text = U"{";
    for (int i = 0; i < 200000; ++i)
        text += U"0x7F, // 1\n";
    text += U"0x01 }";
    const TableScan scan = scanTable(text);
    ASSERT_FALSE(scan.error);
    ASSERT_EQ(scan.values.size(), 200001u);
    EXPECT_EQ(scan.values.back().line, 200001);
}

TEST(ParseCode, OneValueInAnyNotation) {
    EXPECT_EQ(*parseCode(U"0b00111111").value, 0x3F);
    EXPECT_EQ(*parseCode(U"B00111111").value, 0x3F);
    EXPECT_EQ(*parseCode(U"0x3f").value, 0x3F);
    EXPECT_EQ(*parseCode(U"63").value, 0x3F);
    EXPECT_EQ(*parseCode(U"0").value, 0);
}

TEST(ParseCode, AnythingElseIsNamed) {
    EXPECT_EQ(parseCode(U"256").error, U"code '256' is over 255");
    EXPECT_EQ(parseCode(U" 63").error,
              U"code ' 63' is not a code in binary, hexadecimal or decimal");
    EXPECT_EQ(parseCode(U"0x3F,").error,
              U"code '0x3F,' is not a code in binary, hexadecimal or decimal");
    EXPECT_EQ(parseCode(U"seg").error,
              U"code 'seg' is not a code in binary, hexadecimal or decimal");
    EXPECT_EQ(parseCode(U"").error, U"code '' is not a code in binary, hexadecimal or decimal");
    EXPECT_EQ(parseCode(U"0b\u202E1").error,
              U"code '0b<U+202E>1' is not a code in binary, hexadecimal or decimal");
}

} // namespace
