#include "number_inverter.h"

namespace tamrik {

namespace {

constexpr std::size_t kLongestBare = 8;
constexpr std::size_t kPrefixLength = 2;

bool isSeparator(char32_t c) {
    return c == U' ' || c == U'/' || c == U',';
}

} // namespace

NumberInversion invertNumber(const std::u32string& input) {
    const bool bare = input.size() <= kLongestBare;
    std::u32string result;
    result.reserve(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        const char32_t c = input[i];
        if (!bare && i < kPrefixLength)
            result += c;
        else if (c == U'0')
            result += U'1';
        else if (c == U'1')
            result += U'0';
        // The first character never ends the scan, so " 1010" still reads its digits.
        if (i > 0 && isSeparator(c))
            break;
    }
    if (bare)
        return {U"0b" + input, U"0b" + result};
    return {input, result};
}

} // namespace tamrik
