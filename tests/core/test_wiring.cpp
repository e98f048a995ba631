#include "segment_codes.h"
#include "wiring.h"

#include <gtest/gtest.h>

#include <string>

using namespace tamrik;

namespace {

SegmentSet lit(std::u32string_view letters) {
    const auto parsed = parseSegments(letters);
    EXPECT_TRUE(parsed) << "bad test letters";
    return parsed ? *parsed.value : 0;
}

Wiring wiring(std::u32string_view text) {
    const auto parsed = parseWiring(text);
    EXPECT_TRUE(parsed) << std::string(text.begin(), text.end());
    return parsed ? *parsed.value : Wiring{};
}

struct KnownCode {
    const char32_t* wiring;
    const char32_t* segments;
    int code;
};

// Driver-chip values from their data sheets' digit tables; a7 and a0 are the window's
// Edit6 and Edit8 for the same segments.
const KnownCode kKnownCodes[] = {
    {U"max7219", U"ABCDEF", 0x7E},
    {U"max7219", U"BC", 0x30},
    {U"max7219", U"H", 0x80},
    {U"MAX7219", U"ABDEG", 0x6D},
    {U"tm1637", U"ABCDEF", 0x3F},
    {U"tm1637", U"BC", 0x06},
    {U"tm1637", U"H", 0x80},
    {U"a7", U"ABCDEF", 0xFC},
    {U"a7", U"BC", 0x60},
    {U"a0", U"ABCDEF", 0x3F},
    {U"a0", U"ABDEG", 0x5B},
    {U"a7", U"none", 0},
    // A custom board: G on bit 7 down to A on bit 1, the point on bit 0.
    {U"GFEDCBAH", U"BC", 0b00001100},
    {U"gfedcbah", U"AH", 0b00000011},
};

void PrintTo(const KnownCode& k, std::ostream* os) {
    *os << std::string(k.segments, k.segments + std::char_traits<char32_t>::length(k.segments))
        << " on " << std::string(k.wiring, k.wiring + std::char_traits<char32_t>::length(k.wiring));
}

class KnownCodes : public testing::TestWithParam<KnownCode> {};

TEST_P(KnownCodes, EncodeGivesTheBoardsByte) {
    const KnownCode& k = GetParam();
    const Wiring w = wiring(k.wiring);
    EXPECT_EQ(encode(w, lit(k.segments)), k.code);
    EXPECT_EQ(decode(w, k.code), lit(k.segments));
}

INSTANTIATE_TEST_SUITE_P(Wiring, KnownCodes, testing::ValuesIn(kKnownCodes));

TEST(Wiring, PresetsA7AndA0AreTheWindowsTwoColumns) {
    for (int set = 0; set < 256; ++set) {
        const auto s = static_cast<SegmentSet>(set);
        const CodeTexts window = codeTexts(weightsA7(s), weightsA0(s));
        EXPECT_EQ(hexText(encode(wiring(U"a7"), s)), window.cathodeA7Hex);
        EXPECT_EQ(hexText(encode(wiring(U"a0"), s)), window.cathodeA0Hex);
        EXPECT_EQ(hexText(withPolarity(encode(wiring(U"a0"), s), true)), window.anodeA0Hex);
    }
}

TEST(Wiring, DecodeUndoesEncodeOnEveryByte) {
    for (const auto* name : {U"a7", U"a0", U"max7219", U"tm1637", U"CHADGBFE"}) {
        const Wiring w = wiring(name);
        for (int byte = 0; byte < 256; ++byte)
            ASSERT_EQ(encode(w, decode(w, byte)), byte) << byte;
    }
}

struct BadWiring {
    const char32_t* text;
    const char32_t* error;
};

const BadWiring kBadWirings[] = {
    {U"ABCDEFGA", U"wiring 'ABCDEFGA' names A twice; each of A-H must appear once"},
    {U"abcdefgA", U"wiring 'abcdefgA' names A twice; each of A-H must appear once"},
    {U"ABCDEFGZ", U"wiring 'ABCDEFGZ': 'Z' (U+005A) is not a segment letter A-H"},
    {U"ABCDEFG",
     U"wiring 'ABCDEFG' is neither a preset (a7, a0, max7219, tm1637) nor eight letters naming "
     U"each of A-H once"},
    {U"", U"wiring '' is neither a preset (a7, a0, max7219, tm1637) nor eight letters naming each "
          U"of A-H once"},
    {U"a8", U"wiring 'a8' is neither a preset (a7, a0, max7219, tm1637) nor eight letters naming "
            U"each of A-H once"},
};

void PrintTo(const BadWiring& b, std::ostream* os) {
    *os << std::string(b.text, b.text + std::char_traits<char32_t>::length(b.text));
}

class BadWirings : public testing::TestWithParam<BadWiring> {};

TEST_P(BadWirings, AreRejectedWithTheReason) {
    const auto parsed = parseWiring(GetParam().text);
    EXPECT_FALSE(parsed);
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Wiring, BadWirings, testing::ValuesIn(kBadWirings));

TEST(Wiring, ControlCharactersInAWiringAreNamedByCodePoint) {
    const std::u32string text(U"ABCDEFG\0", 8);
    EXPECT_EQ(parseWiring(text).error,
              U"wiring 'ABCDEFG<U+0000>': U+0000 is not a segment letter A-H");
}

TEST(Segments, LettersInEitherCaseAndAnyOrderRepeatsLitOnce) {
    EXPECT_EQ(lit(U"cb"), lit(U"BC"));
    EXPECT_EQ(lit(U"BCbcB"), lit(U"BC"));
    EXPECT_EQ(lit(U"hgfedcba"), 0xFF);
    EXPECT_EQ(lit(U"none"), 0);
    EXPECT_EQ(lit(U"A"), bitOf(Segment::A));
}

TEST(Segments, AnythingElseIsNamed) {
    EXPECT_EQ(parseSegments(U"ABI").error, U"segment letter 'I' (U+0049) is not one of A-H");
    EXPECT_EQ(parseSegments(U"A B").error, U"segment letter U+0020 is not one of A-H");
    EXPECT_EQ(parseSegments(U"Аб").error, U"segment letter 'А' (U+0410) is not one of A-H");
    EXPECT_EQ(parseSegments(U"NONE").error, U"segment letter 'N' (U+004E) is not one of A-H");
    EXPECT_FALSE(parseSegments(U""));
}

TEST(Polarity, AnodeIs255MinusCathodeBothWays) {
    EXPECT_EQ(withPolarity(0x60, true), 0x9F);
    EXPECT_EQ(withPolarity(0x9F, true), 0x60);
    EXPECT_EQ(withPolarity(0x60, false), 0x60);
}

} // namespace
