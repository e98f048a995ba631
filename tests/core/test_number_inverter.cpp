#include "number_inverter.h"

#include "utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tamrik;

namespace {

std::string utf8(const std::u32string& text) {
    return encodeUtf8(text);
}

struct Press {
    std::u32string input;
    std::u32string label3;
    std::u32string inverted; // Label4 and Edit1
};

void PrintTo(const Press& p, std::ostream* os) {
    *os << testing::PrintToString(utf8(p.input));
}

class Worked : public testing::TestWithParam<Press> {};

TEST_P(Worked, ShowsSourceAndInverse) {
    const Press& p = GetParam();
    const NumberInversion out = invertNumber(p.input);
    EXPECT_EQ(utf8(out.source), utf8(p.label3));
    EXPECT_EQ(utf8(out.inverted), utf8(p.inverted));
}

// The documented examples, line for line.
INSTANTIATE_TEST_SUITE_P(
    Examples, Worked,
    testing::Values(
        Press{U"10100101", U"0b10100101", U"0b01011010"},
        Press{U"1101001", U"0b1101001", U"0b0010110"},
        Press{U"0b01011010", U"0b01011010", U"0b10100101"},
        Press{U"0b1111000011110000", U"0b1111000011110000", U"0b0000111100001111"},
        Press{U"0b1010 0101", U"0b1010 0101", U"0b0101"},
        Press{U"0b1010/0101", U"0b1010/0101", U"0b0101"},
        Press{U"0b10100101,0b1111", U"0b10100101,0b1111", U"0b01011010"},
        Press{U"0b1010_0101", U"0b1010_0101", U"0b01011010"},
        Press{U"1010 11", U"0b1010 11", U"0b0101"}, Press{U" 1010", U"0b 1010", U"0b0101"},
        Press{U"101010101", U"101010101", U"100101010"},
        Press{U"11010011 ", U"11010011 ", U"11101100"}, Press{U"0 1111111", U"0 1111111", U"0 "},
        Press{U"123456789", U"123456789", U"12"}, Press{U"0b1010", U"0b0b1010", U"0b10101"},
        Press{U"abc", U"0babc", U"0b"}, Press{U"1", U"0b1", U"0b0"}, Press{U"", U"0b", U"0b"}));

// Lengths count characters: a Cyrillic letter or an emoji is one position, so these keep the
// mode their character count gives (their UTF-8 forms are longer).
INSTANTIATE_TEST_SUITE_P(
    Characters, Worked,
    testing::Values(
        // Eight characters, bare although eleven bytes.
        Press{U"б1010101", U"0bб1010101", U"0b0101010"},
        Press{U"😀101010😀", U"0b😀101010😀", U"0b010101"},
        // Ten characters: a two-character prefix of any kind is copied.
        Press{U"0б10100101", U"0б10100101", U"0б01011010"},
        Press{U"😀猫10100101", U"😀猫10100101", U"😀猫01011010"},
        // A separator at position 2 of a prefixed number is copied and ends the scan.
        Press{U"1,101010101", U"1,101010101", U"1,"},
        // Control characters and NUL are dropped like any other non-digit; they end nothing.
        Press{std::u32string(U"0b1010\0"
                             U"1111",
                             11),
              std::u32string(U"0b1010\0"
                             U"1111",
                             11),
              U"0b01010000"},
        Press{U"1\t0\n1\r0", U"0b1\t0\n1\r0", U"0b0101"}));

// Feeds each result back as the next input, as the window does with Edit1.
std::vector<std::u32string> presses(std::u32string text, int count) {
    std::vector<std::u32string> seen;
    for (int i = 0; i < count; ++i) {
        text = invertNumber(text).inverted;
        seen.push_back(text);
    }
    return seen;
}

TEST(RepeatedPresses, ShortNumberGrowsUntilNineCharactersThenToggles) {
    EXPECT_EQ(presses(U"1010", 8), (std::vector<std::u32string>{
                                       U"0b0101", U"0b11010", U"0b100101", U"0b1011010",
                                       U"0b0100101", U"0b1011010", U"0b0100101", U"0b1011010"}));
}

TEST(RepeatedPresses, SevenAndEightDigitsToggleWithTheirInverse) {
    EXPECT_EQ(presses(U"10100101", 4), (std::vector<std::u32string>{U"0b01011010", U"0b10100101",
                                                                    U"0b01011010", U"0b10100101"}));
    EXPECT_EQ(presses(U"1101001", 4), (std::vector<std::u32string>{U"0b0010110", U"0b1101001",
                                                                   U"0b0010110", U"0b1101001"}));
}

TEST(LargeInput, MillionCharacterNumberIsInvertedWhole) {
    std::u32string input = U"0b";
    for (int i = 0; i < 1'000'000; ++i)
        input += i % 3 ? U'1' : U'0';
    const NumberInversion out = invertNumber(input);
    EXPECT_EQ(out.source, input);
    ASSERT_EQ(out.inverted.size(), input.size());
    EXPECT_EQ(out.inverted.substr(0, 2), U"0b");
    for (std::size_t i = 2; i < input.size(); ++i)
        ASSERT_NE(out.inverted[i], input[i]) << i;
    // Inverting again gives the number back.
    EXPECT_EQ(invertNumber(out.inverted).inverted, input);
}

} // namespace
