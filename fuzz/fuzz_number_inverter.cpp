// The number inverter on any text: what the three controls would show, checked against the
// rule written out here independently, plus the toggle that repeated presses make.

#include "fuzz_input.h"
#include "number_inverter.h"

namespace {

bool isSeparator(char32_t c) {
    return c == U' ' || c == U'/' || c == U',';
}

// The rule, position by position: bare up to eight characters ("0b" in front, digits
// inverted, the rest dropped); from nine on the first two characters are copied and nothing is
// added. From position 2 on a separator ends the scan after being handled.
std::u32string expectedInverse(const std::u32string& input) {
    const bool bare = input.size() <= 8;
    std::u32string out = bare ? U"0b" : U"";
    for (std::size_t p = 1; p <= input.size(); ++p) {
        const char32_t c = input[p - 1];
        if (!bare && p <= 2)
            out += c;
        else if (c == U'0')
            out += U'1';
        else if (c == U'1')
            out += U'0';
        if (p >= 2 && isSeparator(c))
            break;
    }
    return out;
}

bool onlyBinaryDigits(const std::u32string& text) {
    return text.find_first_not_of(U"01") == std::u32string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u32string input = fuzz::decodeUtf8(data, size);
    const tamrik::NumberInversion press = tamrik::invertNumber(input);

    const bool bare = input.size() <= 8;
    FUZZ_CHECK(press.source == (bare ? U"0b" + input : input));
    FUZZ_CHECK(press.inverted == expectedInverse(input));
    // Nothing beyond the prefix but inverted digits, and never longer than the input allows.
    FUZZ_CHECK(press.inverted.size() <= input.size() + (bare ? 2 : 0));
    const std::size_t prefix = bare ? 2 : std::min<std::size_t>(2, input.size());
    FUZZ_CHECK(onlyBinaryDigits(press.inverted.substr(prefix)));

    // The result goes back into the input box: seven or eight digits come back after two
    // presses, with "0b" in front.
    const tamrik::NumberInversion again = tamrik::invertNumber(press.inverted);
    if ((input.size() == 7 || input.size() == 8) && onlyBinaryDigits(input))
        FUZZ_CHECK(again.inverted == U"0b" + input);
    return 0;
}
