#include "reference_font.h"

#include <string_view>

namespace tamrik {

namespace {

struct Glyph {
    char32_t character;
    std::string_view segments; // lit segment letters
};

// clang-format off
constexpr Glyph kGlyphs[] = {
    {U'0', "ABCDEF"}, {U'1', "BC"},     {U'2', "ABDEG"},   {U'3', "ABCDG"},  {U'4', "BCFG"},
    {U'5', "ACDFG"},  {U'6', "ACDEFG"}, {U'7', "ABC"},     {U'8', "ABCDEFG"}, {U'9', "ABCDFG"},
    {U'A', "ABCEFG"}, {U'a', "ABCEFG"}, {U'B', "CDEFG"},   {U'b', "CDEFG"},  {U'C', "ADEF"},
    {U'c', "ADEF"},   {U'D', "BCDEG"},  {U'd', "BCDEG"},   {U'E', "ADEFG"},  {U'e', "ADEFG"},
    {U'F', "AEFG"},   {U'f', "AEFG"},
    {U'-', "G"},      {U'_', "D"},      {U' ', ""},        {U'°', "ABFG"},
    {U'H', "BCEFG"},  {U'h', "CEFG"},   {U'J', "BCDE"},    {U'j', "BCDE"},   {U'L', "DEF"},
    {U'n', "CEG"},    {U'N', "CEG"},    {U'o', "CDEG"},    {U'O', "ABCDEF"}, {U'P', "ABEFG"},
    {U'p', "ABEFG"},  {U'r', "EG"},     {U'R', "EG"},      {U'S', "ACDFG"},  {U's', "ACDFG"},
    {U't', "DEFG"},   {U'T', "DEFG"},   {U'U', "BCDEF"},   {U'u', "CDE"},    {U'y', "BCDFG"},
    {U'Y', "BCDFG"},  {U'Z', "ABDEG"},  {U'z', "ABDEG"},
};
// clang-format on

} // namespace

std::optional<SegmentSet> glyph(char32_t c) {
    for (const Glyph& g : kGlyphs) {
        if (g.character != c)
            continue;
        SegmentSet lit = 0;
        for (char letter : g.segments)
            lit |= static_cast<SegmentSet>(1u << (letter - 'A'));
        return lit;
    }
    return std::nullopt;
}

std::u32string fontCharacters() {
    std::u32string all;
    for (const Glyph& g : kGlyphs)
        all += g.character;
    return all;
}

} // namespace tamrik
