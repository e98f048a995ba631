#include "array_inverter.h"

#include "utf8.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace tamrik;

namespace {

using Lines = std::vector<std::u32string>;

std::string utf8(const std::u32string& text) {
    return encodeUtf8(text);
}

struct LineCase {
    std::u32string line;
    std::u32string expected;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << testing::PrintToString(utf8(c.line));
}

class LineRule : public testing::TestWithParam<LineCase> {};

TEST_P(LineRule, InvertsTheNumber) {
    EXPECT_EQ(utf8(invertLine(GetParam().line)), utf8(GetParam().expected));
}

// The documented examples, line for line.
INSTANTIATE_TEST_SUITE_P(
    Examples, LineRule,
    testing::Values(LineCase{U"01100110", U"0b10011001"}, LineCase{U"10101010", U"0b01010101"},
                    LineCase{U"0x3F, //", U"0b1"}, LineCase{U"abcdefgh", U"0b"},
                    LineCase{U"0b01100110", U"0b10011001"},
                    LineCase{U"0b01100110,", U"0b10011001,"},
                    LineCase{U"0b01100110, // 1", U"0b10011001, // 1"},
                    LineCase{U"0b01100110,      // 10", U"0b10011001,      // 10"},
                    LineCase{U"0b01100110       // 11", U"0b10011001       // 11"},
                    LineCase{U"0b01100110,0b11110000", U"0b10011001,0b11110000"},
                    LineCase{U"0b0110", U"0b1001"}, LineCase{U" 0b0110", U" 1b1001"},
                    LineCase{U"011001101", U"000110010"}, LineCase{U"1010 1010", U"1101 0101"},
                    LineCase{U"0x3F", U"0x3F"}, LineCase{U"0x10", U"0x01"},
                    LineCase{U"flash char buf[ ] = {", U"flash char buf[ ] = {"},
                    LineCase{U"};", U"};"}, LineCase{U"1", U"1"}, LineCase{U"", U""}));

// Position 11 of a mixed line inverts like positions 2 to 10; position 12 on copies.
INSTANTIATE_TEST_SUITE_P(Position11, LineRule,
                         testing::Values(
                             // A nine-digit number comes out whole inverted.
                             LineCase{U"0b011001101", U"0b100110010"},
                             // An indented element line keeps all eight of its digits inverted.
                             LineCase{U" 0b01100110,", U" 1b10011001,"},
                             LineCase{U"\t0b00000110,      // 1", U"\t1b11111001,      // 1"},
                             // Digits from position 12 on are copied.
                             LineCase{U"0b01100110101", U"0b10011001001"},
                             LineCase{U"11111111111111", U"10000000000111"}));

// Positions count characters, whatever their code: these lines have eight or eleven
// characters but more bytes in UTF-8.
INSTANTIATE_TEST_SUITE_P(Characters, LineRule,
                         testing::Values(LineCase{U"б0110011", U"0b1001100"},
                                         LineCase{U"猫猫猫猫猫猫猫猫", U"0b"},
                                         LineCase{U"0б01100110, // 1", U"0б10011001, // 1"},
                                         LineCase{U"😀0b01100110", U"😀1b10011001"},
                                         LineCase{U"1😀10000000000", U"1😀01111111100"},
                                         LineCase{std::u32string(U"0b0110\0"
                                                                 U"0110",
                                                                 11),
                                                  std::u32string(U"0b1001\0"
                                                                 U"1001",
                                                                 11)},
                                         LineCase{std::u32string(U"\0"
                                                                 U"1010101",
                                                                 8),
                                                  U"0b0101010"},
                                         LineCase{U"\x1b[0m\x7f"
                                                  U"01",
                                                  U"\x1b[1m\x7f"
                                                  U"10"}));

struct SplitCase {
    std::u32string text;
    Lines lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << testing::PrintToString(utf8(c.text));
}

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, FollowsTheTextBoxLines) {
    EXPECT_EQ(splitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Split,
    testing::Values(SplitCase{U"", {}}, SplitCase{U"\n", {U""}}, SplitCase{U"a", {U"a"}},
                    // A line break at the very end begins no further line.
                    SplitCase{U"a\n", {U"a"}}, SplitCase{U"a\n\n", {U"a", U""}},
                    SplitCase{U"a\n\nb", {U"a", U"", U"b"}}, SplitCase{U"\n\n", {U"", U""}},
                    // The breaks a pasted text may carry.
                    SplitCase{U"a\r\nb\r\n", {U"a", U"b"}}, SplitCase{U"a\rb\r", {U"a", U"b"}},
                    SplitCase{U"a\r\r\nb", {U"a", U"", U"b"}},
                    SplitCase{U"a\n\rb", {U"a", U"", U"b"}},
                    SplitCase{U"a\u2028b\u2029c", {U"a", U"b", U"c"}},
                    // NUL, tabs and other controls stay inside their line.
                    SplitCase{std::u32string(U"a\0b\n\0", 5),
                              {std::u32string(U"a\0b", 3), std::u32string(1, U'\0')}},
                    SplitCase{U"\t\v\f\x1b", {U"\t\v\f\x1b"}}));

TEST(ArrayText, StartTextOfTheInputBoxPassesUnchanged) {
    const std::u32string start = U"Вставьте сюда массив \n"
                                 U"     двоичных чисел.\n"
                                 U" \n"
                                 U"Массив может содер-\n"
                                 U"  жать посторонние\n"
                                 U"символы, они не вли-\n"
                                 U"   яют на результат.";
    EXPECT_EQ(utf8(invertedArrayText(splitLines(start))),
              utf8(start + U"\n\nКоличество\n           элементов: 7"));
}

TEST(ArrayText, EmptyInputGivesTheCountOnly) {
    EXPECT_EQ(utf8(invertedArrayText({})), utf8(U"\nКоличество\n           элементов: 0"));
}

TEST(ArrayText, PastedBuilderArrayWithTrailingLineBreak) {
    const std::u32string pasted = U"flash char buf[ ] = {\n"
                                  U"0b00111111,      // 0\n"
                                  U"0b00000110,      // 1\n"
                                  U"0b01011011       // 2\n"
                                  U"};\n";
    EXPECT_EQ(utf8(invertedArrayText(splitLines(pasted))), utf8(U"flash char buf[ ] = {\n"
                                                                U"0b11000000,      // 0\n"
                                                                U"0b11111001,      // 1\n"
                                                                U"0b10100100       // 2\n"
                                                                U"};\n"
                                                                U"\n"
                                                                U"Количество\n"
                                                                U"           элементов: 5"));
}

TEST(ArrayText, EmptyLinesAndLongCountsAreKept) {
    const Lines lines(1234, U"");
    const std::u32string out = invertedArrayText(lines);
    EXPECT_EQ(out, std::u32string(1235, U'\n') + U"Количество\n           элементов: 1234");
}

// Every input line gives exactly one output line, the rule applied to it; the three closing
// lines follow.
void expectOneOutputLinePerInputLine(const std::u32string& text) {
    const Lines lines = splitLines(text);
    const Lines out = splitLines(invertedArrayText(lines));
    ASSERT_EQ(out.size(), lines.size() + 3);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::u32string& line = lines[k];
        ASSERT_EQ(out[k], invertLine(line)) << k;
        if (line.size() != 8) {
            ASSERT_EQ(out[k].size(), line.size()) << k;
        }
    }
    EXPECT_EQ(out[lines.size()], U"");
    EXPECT_EQ(out[lines.size() + 1], U"Количество");
    const std::string count = std::to_string(lines.size());
    EXPECT_EQ(out[lines.size() + 2],
              U"           элементов: " + std::u32string(count.begin(), count.end()));
}

TEST(BadInput, TenMegabytePasteOfMixedCharacters) {
    // Array lines, emoji, CJK, Cyrillic, controls and NUL, with every kind of line break.
    const std::u32string pool[] = {U"0b00111111,      // 0",
                                   U"0",
                                   U"1",
                                   U"😀",
                                   U"猫",
                                   U"ж",
                                   std::u32string(1, U'\0'),
                                   U"\t",
                                   U"\x1b",
                                   U"\x7f",
                                   U"\n",
                                   U"\r\n",
                                   U"\u2028",
                                   U" "};
    std::mt19937 random(5);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pool) - 1);
    std::u32string text;
    text.reserve(10'000'100);
    std::size_t breaks = 0;
    while (text.size() < 10'000'000) {
        const std::u32string& piece = pool[pick(random)];
        breaks += piece == U"\n" || piece == U"\r\n" || piece == U"\u2028";
        text += piece;
    }
    text += U"x"; // so that the count of breaks is the count of lines less one
    EXPECT_EQ(splitLines(text).size(), breaks + 1);
    expectOneOutputLinePerInputLine(text);
}

TEST(BadInput, LineOfAMillionCharacters) {
    std::u32string line = U"0b01100110";
    for (int i = 1; line.size() < 1'000'000; ++i)
        line += i % 2 ? U'1' : U'😀';
    std::u32string expected = line;
    expected.replace(2, 8, U"10011001");
    expected[10] = U'0'; // the "1" at position 11
    EXPECT_EQ(invertLine(line), expected);
    expectOneOutputLinePerInputLine(U"};\n" + line + U"\n\n" + line);
}

} // namespace
