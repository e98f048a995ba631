// The array inverter on any pasted text: one output line per input line, each made by the
// line rule, then the three closing lines with the count.

#include "array_inverter.h"
#include "fuzz_input.h"

#include <string>

namespace {

bool isBinaryDigit(char32_t c) {
    return c == U'0' || c == U'1';
}

char32_t flipped(char32_t c) {
    return c == U'0' ? U'1' : U'0';
}

// What the rule says of one line, checked character by character.
void checkLine(const std::u32string& line, const std::u32string& out) {
    if (line.size() == 8) {
        // Bare: "0b" and the line's digits inverted, everything else dropped.
        std::u32string digits;
        for (char32_t c : line)
            if (isBinaryDigit(c))
                digits += flipped(c);
        FUZZ_CHECK(out == U"0b" + digits);
        return;
    }
    // Mixed: exactly one character per character of the line.
    FUZZ_CHECK(out.size() == line.size());
    for (std::size_t p = 1; p <= line.size(); ++p) {
        const char32_t c = line[p - 1];
        const char32_t o = out[p - 1];
        if (p == 1 || !isBinaryDigit(c) || p >= 12)
            FUZZ_CHECK(o == c);
        else if (p <= 10)
            FUZZ_CHECK(o == flipped(c));
        else // position 11: inverted or copied, but a digit either way
            FUZZ_CHECK(isBinaryDigit(o));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u32string text = fuzz::decodeUtf8(data, size);
    const std::vector<std::u32string> lines = tamrik::splitLines(text);
    for (const std::u32string& line : lines)
        FUZZ_CHECK(line.find_first_of(U"\n\r\u2028\u2029") == std::u32string::npos);

    const std::u32string output = tamrik::invertedArrayText(lines);
    const std::vector<std::u32string> outLines = fuzz::splitAtNewlines(output);
    FUZZ_CHECK(outLines.size() == lines.size() + 3);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        FUZZ_CHECK(outLines[k] == tamrik::invertLine(lines[k]));
        checkLine(lines[k], outLines[k]);
    }
    const std::string count = std::to_string(lines.size());
    FUZZ_CHECK(outLines[lines.size()].empty());
    FUZZ_CHECK(outLines[lines.size() + 1] == U"Количество");
    FUZZ_CHECK(outLines[lines.size() + 2] ==
               U"           элементов: " + std::u32string(count.begin(), count.end()));
    return 0;
}
