#include "table_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace tamrik;

namespace {

Wiring wiring(std::u32string_view text) {
    return *parseWiring(text).value;
}

const std::u32string_view kPresets[] = {U"a7", U"a0", U"max7219", U"tm1637"};

// Every byte once, in every notation, in a table with comments that hold numbers of their own.
std::u32string everyByteTable() {
    static constexpr char32_t hex[] = U"0123456789ABCDEF";
    std::u32string text = U"// 10 tables of 256\nconst uint8_t t[256] PROGMEM = {\n";
    for (int v = 0; v < 256; ++v) {
        std::u32string bin;
        for (int bit = 7; bit >= 0; --bit)
            bin += (v >> bit) & 1 ? U'1' : U'0';
        const std::string dec = std::to_string(v);
        switch (v % 4) {
        case 0:
            text += U"0b" + bin;
            break;
        case 1:
            text += U"B" + bin;
            break;
        case 2:
            text += std::u32string{U'0', U'x', hex[v >> 4], hex[v & 15]};
            break;
        default:
            text += std::u32string(dec.begin(), dec.end());
        }
        text += U", /* 0x10 */ // 10 " + std::u32string(dec.begin(), dec.end()) + U"\r\n";
    }
    return text + U"}; // 255\n";
}

using Pair = std::tuple<std::u32string_view, std::u32string_view, bool, bool>;

class RoundTrips : public testing::TestWithParam<Pair> {};

TEST_P(RoundTrips, ThereAndBackIsTheIdentityCommentsUntouched) {
    const auto& [from, to, fromAnode, toAnode] = GetParam();
    const ConversionSettings there{wiring(from), wiring(to), fromAnode, toAnode};
    const ConversionSettings back{wiring(to), wiring(from), toAnode, fromAnode};
    const std::u32string original = everyByteTable();

    const ConvertedTable converted = convertTable(original, there);
    ASSERT_FALSE(converted.error);
    EXPECT_EQ(converted.valueCount, 256);
    const ConvertedTable restored = convertTable(converted.text, back);
    ASSERT_FALSE(restored.error);
    EXPECT_EQ(restored.text, original);

    // Each value lights on the target board what it lit on the source board.
    const TableScan before = scanTable(original), after = scanTable(converted.text);
    ASSERT_EQ(after.values.size(), 256u);
    for (std::size_t i = 0; i < 256; ++i) {
        EXPECT_EQ(decode(wiring(to), withPolarity(after.values[i].value, toAnode)),
                  decode(wiring(from), withPolarity(before.values[i].value, fromAnode)));
        EXPECT_EQ(after.values[i].notation, before.values[i].notation);
    }
}

INSTANTIATE_TEST_SUITE_P(TableConverter, RoundTrips,
                         testing::Combine(testing::ValuesIn(kPresets), testing::ValuesIn(kPresets),
                                          testing::Bool(), testing::Bool()));

TEST(TableConverter, DigitsFromTheWindowsColumnToDriverChips) {
    const std::u32string window =
        U"flash char buf[ ] = {\n0b11111100,      // 0\n0b01100000       // 1\n};\n";
    EXPECT_EQ(convertTable(window, {wiring(U"a7"), wiring(U"max7219"), false, false}).text,
              U"flash char buf[ ] = {\n0b01111110,      // 0\n0b00110000       // 1\n};\n");
    EXPECT_EQ(convertTable(window, {wiring(U"a7"), wiring(U"tm1637"), false, true}).text,
              U"flash char buf[ ] = {\n0b11000000,      // 0\n0b11111001       // 1\n};\n");
}

// The way back finds a value's letter case in the converted table: a table in small letters
// keeps it while some converted value still has a letter, and falls back to capitals when none
// has (the text then differs from the original in case only; found by fuzzing).
TEST(TableConverter, LetterCaseThereAndBack) {
    const ConversionSettings there{wiring(U"a7"), wiring(U"a7"), false, true};
    const ConversionSettings back{wiring(U"a7"), wiring(U"a7"), true, false};
    EXPECT_EQ(convertTable(U"{ 0xcd, 0x0f }", there).text, U"{ 0x32, 0xf0 }");
    EXPECT_EQ(convertTable(U"{ 0x32, 0xf0 }", back).text, U"{ 0xcd, 0x0f }");
    EXPECT_EQ(convertTable(U"{ 0xcd }", there).text, U"{ 0x32 }");
    EXPECT_EQ(convertTable(U"{ 0x32 }", back).text, U"{ 0xCD }");
    EXPECT_EQ(convertTable(convertTable(U"{ 0xCD }", there).text, back).text, U"{ 0xCD }");
}

TEST(TableConverter, EachValueKeepsItsNotation) {
    const ConversionSettings toAnode{wiring(U"a7"), wiring(U"a7"), false, true};
    EXPECT_EQ(convertTable(U"{0b1,0B1,B00000001,0x1,0X1,1,0x0f}", toAnode).text,
              U"{0b11111110,0B11111110,B11111110,0xfe,0Xfe,254,0xf0}");
    // Without letters of its own a hex value follows the table's first lettered one.
    EXPECT_EQ(convertTable(U"{ 0x00, 0xFF }", toAnode).text, U"{ 0xFF, 0x00 }");
    EXPECT_EQ(convertTable(U"{ 0x00, 0xff }", toAnode).text, U"{ 0xff, 0x00 }");
    EXPECT_EQ(convertTable(U"{ 0x00 }", toAnode).text, U"{ 0xFF }");
}

TEST(TableConverter, AnErrorGivesNoText) {
    const ConvertedTable c =
        convertTable(U"{\n 0x3F,\n 0x1FF }", {wiring(U"a7"), wiring(U"a0"), false, false});
    ASSERT_TRUE(c.error);
    EXPECT_EQ(describe(*c.error), U"line 3: '0x1FF' is over 255");
    EXPECT_TRUE(c.text.empty());
}

} // namespace
