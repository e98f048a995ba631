#include "array_inverter.h"

#include "code_format.h"

#include <algorithm>

namespace tamrik {

namespace {

constexpr std::size_t kBareLength = 8;
// Zero-based indices: digits at positions 2 to 11 are inverted, from position 12 on copied.
constexpr std::size_t kFirstInverted = 1;
constexpr std::size_t kLastInverted = 10;

constexpr char32_t kLineSeparator = 0x2028;
constexpr char32_t kParagraphSeparator = 0x2029;

char32_t inverted(char32_t digit) {
    return digit == U'0' ? U'1' : U'0';
}

bool isDigit01(char32_t c) {
    return c == U'0' || c == U'1';
}

void appendInvertedLine(const std::u32string& line, std::u32string& out) {
    if (line.size() == kBareLength) {
        out += U"0b";
        for (char32_t c : line)
            if (isDigit01(c))
                out += inverted(c);
        return;
    }
    // A mixed line keeps every character in place: copy it whole, then invert the digits at
    // positions 2 to 11.
    const std::size_t at = out.size();
    out += line;
    const std::size_t end = at + std::min(line.size(), kLastInverted + 1);
    for (std::size_t j = at + kFirstInverted; j < end; ++j)
        if (isDigit01(out[j]))
            out[j] = inverted(out[j]);
}

} // namespace

std::u32string invertLine(const std::u32string& line) {
    std::u32string out;
    out.reserve(line.size() + 2);
    appendInvertedLine(line, out);
    return out;
}

std::vector<std::u32string> splitLines(const std::u32string& text) {
    std::vector<std::u32string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t c = text[i];
        if (c == U'\n' || c == U'\r' || c == kLineSeparator || c == kParagraphSeparator) {
            lines.emplace_back(text, start, i - start);
            i += c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n' ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    // The rest after the last line break is a line only when it holds something.
    if (start < text.size())
        lines.emplace_back(text, start, text.size() - start);
    return lines;
}

std::u32string invertedArrayText(const std::vector<std::u32string>& lines) {
    const std::u32string count = decimalText(static_cast<long long>(lines.size()));
    static const std::u32string kClosing = U"\nКоличество\n           элементов: ";

    std::size_t size = kClosing.size() + count.size() + 1;
    for (const std::u32string& line : lines)
        size += line.size() + 3; // "0b" of a bare line and the line break
    std::u32string out;
    out.reserve(size);
    for (const std::u32string& line : lines) {
        appendInvertedLine(line, out);
        out += U'\n';
    }
    out += kClosing;
    out += count;
    return out;
}

} // namespace tamrik
