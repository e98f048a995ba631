#include "array_text.h"
#include "font_array.h"
#include "reference_font.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tamrik;

namespace {

using Lines = std::vector<std::u32string>;

Wiring wiring(std::u32string_view text) {
    return *parseWiring(text).value;
}

Lines font(std::u32string_view chars, FontArrayOptions options) {
    auto lines = fontArrayLines(chars, options);
    EXPECT_TRUE(lines) << "unexpected error";
    return lines ? *lines.value : Lines{};
}

FontArrayOptions windowLike(CodeFormat format) {
    FontArrayOptions o;
    o.wiring = wiring(U"a0");
    o.format = format;
    o.glyphs = false;
    return o;
}

// The array builder's worked examples: the digits 0, 1, 2 with A in bit 0, after three appends.
TEST(FontArray, WithoutGlyphsItIsTheArrayBuildersText) {
    EXPECT_EQ(font(U"012", windowLike(CodeFormat::Bin)),
              (Lines{U"flash char buf[ ] = {", U"0b00111111,      // 0", U"0b00000110,      // 1",
                     U"0b01011011       // 2", U"};"}));
    EXPECT_EQ(font(U"012", windowLike(CodeFormat::Hex)),
              (Lines{U"flash char buf[ ] = {", U"0x3F      ,// 0", U"0x06      ,// 1",
                     U"0x5B       // 2", U"};"}));
}

TEST(FontArray, EqualsTheBuilderFedTheSameCodesForEveryFontCharacter) {
    const std::u32string chars = fontCharacters();
    for (CodeFormat format : {CodeFormat::Bin, CodeFormat::Hex}) {
        ArrayState state;
        VectorLines builder;
        for (char32_t c : chars)
            appendElement(state, builder, formatCode(encode(wiring(U"a7"), *glyph(c)), format));
        FontArrayOptions o = windowLike(format);
        o.wiring = wiring(U"a7");
        EXPECT_EQ(font(chars, o), builder.lines);
    }
}

TEST(FontArray, GlyphsCloseEachElementLine) {
    FontArrayOptions o;
    o.wiring = wiring(U"max7219");
    EXPECT_EQ(font(U"0 °", o),
              (Lines{U"flash char buf[ ] = {", U"0b01111110,      // 0 '0'",
                     U"0b00000000,      // 1 ' '", U"0b01100011       // 2 '°'", U"};"}));
}

TEST(FontArray, DecimalIsRightAlignedSoTheCommaStaysBeforeTheComment) {
    FontArrayOptions o;
    o.wiring = wiring(U"tm1637");
    o.format = CodeFormat::Dec;
    o.anode = true;
    o.dialect = Dialect::Plain;
    o.name = U"digits";
    EXPECT_EQ(font(U"18-", o), (Lines{U"const uint8_t digits[] = {", U" 249      ,// 0 '1'",
                                      U" 128      ,// 1 '8'", U" 191       // 2 '-'", U"};"}));
    EXPECT_EQ(elementText(0, CodeFormat::Dec), U"   0");
    EXPECT_EQ(elementText(255, CodeFormat::Dec), U" 255");
}

TEST(FontArray, ElevenElementsAndMoreKeepTheCommaInColumnEleven) {
    const Lines lines = font(U"0123456789AB", windowLike(CodeFormat::Bin));
    EXPECT_EQ(lines[11], U"0b01110111,      // 10");
    EXPECT_EQ(lines[12], U"0b01111100       // 11");
}

TEST(FontArray, HeadersByDialect) {
    EXPECT_EQ(headerLine(Dialect::Flash, U"buf"), U"flash char buf[ ] = {");
    EXPECT_EQ(headerLine(Dialect::Flash, U"seg"), U"flash char seg[ ] = {");
    EXPECT_EQ(headerLine(Dialect::Progmem, U"buf"), U"const uint8_t buf[] PROGMEM = {");
    EXPECT_EQ(headerLine(Dialect::AvrFlash, U"buf"), U"const __flash uint8_t buf[] = {");
    EXPECT_EQ(headerLine(Dialect::Keil, U"buf"), U"unsigned char code buf[] = {");
    EXPECT_EQ(headerLine(Dialect::Plain, U"buf"), U"const uint8_t buf[] = {");
    EXPECT_EQ(*parseDialect(U"avr-flash").value, Dialect::AvrFlash);
    EXPECT_EQ(parseDialect(U"Flash").error,
              U"unknown dialect 'Flash' (use flash, progmem, avr-flash, keil or plain)");
}

TEST(FontArray, TheNameMustBeACIdentifier) {
    EXPECT_TRUE(parseArrayName(U"_seg7_font"));
    for (const auto* bad : {U"", U"7seg", U"seg-7", U"seg[2]", U"сегмент", U"a b"})
        EXPECT_FALSE(parseArrayName(bad)) << std::u32string(bad).size();
    EXPECT_EQ(parseArrayName(U"x;y").error, U"array name 'x;y' is not a C identifier");
}

TEST(FontArray, AnUnknownCharacterIsNamed) {
    EXPECT_EQ(fontArrayLines(U"0Q", {}).error,
              U"the font has no character 'Q' (U+0051) (character 2 of the text)");
    EXPECT_EQ(fontArrayLines(std::u32string(U"1\0", 2), {}).error,
              U"the font has no character U+0000 (character 2 of the text)");
    EXPECT_EQ(fontArrayLines(U"\n", {}).error,
              U"the font has no character U+000A (character 1 of the text)");
    EXPECT_EQ(fontArrayLines(U"", {}).error, U"no characters given");
}

struct Shape {
    char32_t character;
    const char32_t* segments;
};

const Shape kShapes[] = {
    {U'0', U"ABCDEF"}, {U'1', U"BC"},     {U'2', U"ABDEG"}, {U'3', U"ABCDG"},   {U'4', U"BCFG"},
    {U'5', U"ACDFG"},  {U'6', U"ACDEFG"}, {U'7', U"ABC"},   {U'8', U"ABCDEFG"}, {U'9', U"ABCDFG"},
    {U'A', U"ABCEFG"}, {U'b', U"CDEFG"},  {U'C', U"ADEF"},  {U'd', U"BCDEG"},   {U'E', U"ADEFG"},
    {U'F', U"AEFG"},   {U'-', U"G"},      {U'_', U"D"},     {U' ', U"none"},    {U'°', U"ABFG"},
};

TEST(ReferenceFont, DigitsHexLettersAndMarks) {
    for (const Shape& s : kShapes)
        EXPECT_EQ(glyph(s.character), parseSegments(s.segments).value)
            << static_cast<char>(s.character);
}

TEST(ReferenceFont, HexLettersInEitherCaseLookTheSame) {
    const std::u32string upper = U"ABCDEF", lower = U"abcdef";
    for (std::size_t i = 0; i < upper.size(); ++i)
        EXPECT_EQ(glyph(upper[i]), glyph(lower[i])) << static_cast<char>(upper[i]);
}

TEST(ReferenceFont, LookAlikes) {
    EXPECT_EQ(glyph(U'S'), glyph(U'5'));
    EXPECT_EQ(glyph(U'Z'), glyph(U'2'));
    EXPECT_EQ(glyph(U'O'), glyph(U'0'));
    // B and D are drawn lower-case so they do not read as 8 and 0.
    EXPECT_NE(glyph(U'B'), glyph(U'8'));
    EXPECT_NE(glyph(U'D'), glyph(U'0'));
}

TEST(ReferenceFont, EveryCharacterOnceAndNothingElse) {
    const std::u32string all = fontCharacters();
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all.find(all[i]), i) << "twice: " << static_cast<unsigned>(all[i]);
    for (char32_t c : {U'Q', U'W', U'X', U'.', U'\0', U'\n', char32_t{0xFFFD}, U'Ж'})
        EXPECT_FALSE(glyph(c)) << static_cast<unsigned>(c);
}

} // namespace
