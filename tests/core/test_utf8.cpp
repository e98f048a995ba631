#include "utf8.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

using namespace tamrik;

namespace {

struct Decoding {
    const char* name;
    std::string bytes;
    std::u32string text;
};

const Decoding kDecodings[] = {
    {"ascii", "0b0011", U"0b0011"},
    {"nul kept", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
    {"two three and four byte characters", "\xD0\x9A\xC2\xB0\xE2\x82\xAC\xF0\x9F\x98\x80", U"К°€😀"},
    {"stray continuation byte",
     "a\x80"
     "b",
     U"a\uFFFDb"},
    {"two stray continuation bytes", "\x80\xBF", U"\uFFFD\uFFFD"},
    {"lead byte never valid", "\xC0\xC1\xF5\xFF", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"truncated at the end", "1\xE2\x82", U"1\uFFFD"},
    {"truncated before ascii keeps the ascii",
     "\xE2\x82"
     "0",
     U"\uFFFD0"},
    {"overlong three-byte form", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
    {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
    {"past U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"last valid character", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
    {"empty", "", U""},
};

void PrintTo(const Decoding& d, std::ostream* os) {
    *os << d.name;
}

class Decodings : public testing::TestWithParam<Decoding> {};

TEST_P(Decodings, BadBytesBecomeReplacementCharacters) {
    EXPECT_EQ(decodeUtf8(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Utf8, Decodings, testing::ValuesIn(kDecodings), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

TEST(Utf8, EncodeIsTheInverseOfDecodeOnValidText) {
    const std::string bytes = "flash char buf[ ] = {\n0b00111111, // 0 '°'\nКоличество 😀";
    EXPECT_EQ(encodeUtf8(decodeUtf8(bytes)), bytes);
}

TEST(Utf8, NonCharactersAreWrittenAsReplacement) {
    const std::u32string text = {U'a', static_cast<char32_t>(0xD800),
                                 static_cast<char32_t>(0x110000), U'b'};
    EXPECT_EQ(encodeUtf8(text), "a\xEF\xBF\xBD\xEF\xBF\xBD"
                                "b");
}

} // namespace
