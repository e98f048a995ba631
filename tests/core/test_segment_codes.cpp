#include "segment_codes.h"

#include <gtest/gtest.h>

#include <string>

using namespace tamrik;

namespace {

struct Lit {
    Weights a7{}, a0{};
};

Lit lit(const std::string& letters) {
    Lit state;
    for (char c : letters) {
        const int i = c - 'A';
        state.a7[i] = kWeightA7[i];
        state.a0[i] = kWeightA0[i];
    }
    return state;
}

struct Case {
    const char* segments;
    // Cathode row Edit2, Edit6, Edit4, Edit8; anode row Edit3, Edit7, Edit5, Edit9.
    const char32_t* cathode[4];
    const char32_t* anode[4];
};

const Case kCases[] = {
    {"",
     {U"0b00000000", U"0x00", U"0b00000000", U"0x00"},
     {U"0b11111111", U"0xFF", U"0b11111111", U"0xFF"}},
    {"A",
     {U"0b10000000", U"0x80", U"0b00000001", U"0x01"},
     {U"0b01111111", U"0x7F", U"0b11111110", U"0xFE"}},
    {"H",
     {U"0b00000001", U"0x01", U"0b10000000", U"0x80"},
     {U"0b11111110", U"0xFE", U"0b01111111", U"0x7F"}},
    {"BC",
     {U"0b01100000", U"0x60", U"0b00000110", U"0x06"},
     {U"0b10011111", U"0x9F", U"0b11111001", U"0xF9"}},
    {"ABDEG",
     {U"0b11011010", U"0xDA", U"0b01011011", U"0x5B"},
     {U"0b00100101", U"0x25", U"0b10100100", U"0xA4"}},
    {"ABCDEF",
     {U"0b11111100", U"0xFC", U"0b00111111", U"0x3F"},
     {U"0b00000011", U"0x03", U"0b11000000", U"0xC0"}},
    {"BDEG",
     {U"0b01011010", U"0x5A", U"0b01011010", U"0x5A"},
     {U"0b10100101", U"0xA5", U"0b10100101", U"0xA5"}},
    {"ACFH",
     {U"0b10100101", U"0xA5", U"0b10100101", U"0xA5"},
     {U"0b01011010", U"0x5A", U"0b01011010", U"0x5A"}},
    {"ABCDEFGH",
     {U"0b11111111", U"0xFF", U"0b11111111", U"0xFF"},
     {U"0b00000000", U"0x00", U"0b00000000", U"0x00"}},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << c.segments << '"';
}

class KnownDigits : public testing::TestWithParam<Case> {};

TEST_P(KnownDigits, GiveTheBoxTexts) {
    const Case& c = GetParam();
    const Lit state = lit(c.segments);
    const CodeTexts t = codeTexts(state.a7, state.a0);
    EXPECT_EQ(t.cathodeA7Bin, c.cathode[0]);
    EXPECT_EQ(t.cathodeA7Hex, c.cathode[1]);
    EXPECT_EQ(t.cathodeA0Bin, c.cathode[2]);
    EXPECT_EQ(t.cathodeA0Hex, c.cathode[3]);
    EXPECT_EQ(t.anodeA7Bin, c.anode[0]);
    EXPECT_EQ(t.anodeA7Hex, c.anode[1]);
    EXPECT_EQ(t.anodeA0Bin, c.anode[2]);
    EXPECT_EQ(t.anodeA0Hex, c.anode[3]);
}

INSTANTIATE_TEST_SUITE_P(SegmentCodes, KnownDigits, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             const std::string lit = info.param.segments;
                             return lit.empty() ? std::string("none") : lit;
                         });

// Reads a "0b" text back digit by digit, and a "0x" text through the standard library, so the
// checks below do not share the formatter's arithmetic.
int parseBinary(const std::u32string& text) {
    EXPECT_EQ(text.size(), 10u);
    EXPECT_EQ(text.substr(0, 2), U"0b");
    int value = 0;
    for (char32_t c : text.substr(2)) {
        EXPECT_TRUE(c == U'0' || c == U'1');
        value = value * 2 + (c == U'1');
    }
    return value;
}

int parseHex(const std::u32string& text) {
    EXPECT_EQ(text.size(), 4u);
    EXPECT_EQ(text.substr(0, 2), U"0x");
    const std::string digits(text.begin() + 2, text.end());
    for (char c : digits)
        EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << digits;
    return std::stoi(digits, nullptr, 16);
}

TEST(SegmentCodes, EverySetOfSegmentsAgreesWithItsBits) {
    for (int set = 0; set < 256; ++set) {
        Lit state;
        for (int s = 0; s < kSegmentCount; ++s) {
            if (set & (1 << s)) {
                state.a7[s] = kWeightA7[s];
                state.a0[s] = kWeightA0[s];
            }
        }
        const CodeTexts t = codeTexts(state.a7, state.a0);
        const int a7 = parseBinary(t.cathodeA7Bin);
        const int a0 = parseBinary(t.cathodeA0Bin);
        // Reading the A7 text from its first digit lists segments A..H; the A0 text lists them
        // backwards.
        for (int s = 0; s < kSegmentCount; ++s) {
            const char32_t lit = set & (1 << s) ? U'1' : U'0';
            ASSERT_EQ(t.cathodeA7Bin[2 + s], lit) << set;
            ASSERT_EQ(t.cathodeA0Bin[9 - s], lit) << set;
        }
        EXPECT_EQ(parseHex(t.cathodeA7Hex), a7);
        EXPECT_EQ(parseHex(t.cathodeA0Hex), a0);
        // Anode: every bit flipped, in both notations.
        EXPECT_EQ(parseBinary(t.anodeA7Bin), a7 ^ 0xFF);
        EXPECT_EQ(parseBinary(t.anodeA0Bin), a0 ^ 0xFF);
        EXPECT_EQ(parseHex(t.anodeA7Hex), a7 ^ 0xFF);
        EXPECT_EQ(parseHex(t.anodeA0Hex), a0 ^ 0xFF);
    }
}

} // namespace
