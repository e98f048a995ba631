#include "segment_drawing.h"

#include "code_format.h"

namespace tamrik {

namespace {

constexpr std::size_t kCellWidth = 5;
constexpr std::size_t kPerRow = 8;

void trimRight(std::u32string& line) {
    const auto end = line.find_last_not_of(U' ');
    line.erase(end == std::u32string::npos ? 0 : end + 1);
}

char32_t mark(SegmentSet lit, Segment s, char32_t shape) {
    return isLit(lit, s) ? shape : U' ';
}

void padTo(std::u32string& text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), U' ');
}

} // namespace

std::array<std::u32string, 3> drawDigit(SegmentSet lit) {
    using S = Segment;
    std::array<std::u32string, 3> lines = {
        std::u32string{U' ', mark(lit, S::A, U'_')},
        std::u32string{mark(lit, S::F, U'|'), mark(lit, S::G, U'_'), mark(lit, S::B, U'|')},
        std::u32string{mark(lit, S::E, U'|'), mark(lit, S::D, U'_'), mark(lit, S::C, U'|'),
                       mark(lit, S::H, U'.')},
    };
    for (auto& line : lines)
        trimRight(line);
    return lines;
}

std::u32string drawDigits(const std::vector<SegmentSet>& digits) {
    std::u32string out;
    for (std::size_t first = 0; first < digits.size(); first += kPerRow) {
        std::array<std::u32string, 4> rows; // the numbers, then the three lines of the digits
        for (std::size_t i = first; i < digits.size() && i < first + kPerRow; ++i) {
            const std::u32string number = decimalText(static_cast<long long>(i));
            // A cell widens for numbers of five digits and more, so they never run together.
            const std::size_t width = number.size() < kCellWidth ? kCellWidth : number.size() + 1;
            const std::size_t column = rows[0].size();
            rows[0] += number;
            const auto picture = drawDigit(digits[i]);
            for (std::size_t k = 0; k < 3; ++k) {
                padTo(rows[k + 1], column);
                rows[k + 1] += picture[k];
            }
            padTo(rows[0], column + width);
        }
        if (first > 0)
            out += U"\n\n";
        for (std::size_t k = 0; k < rows.size(); ++k) {
            trimRight(rows[k]);
            out += rows[k];
            if (k + 1 < rows.size())
                out += U'\n';
        }
    }
    return out;
}

} // namespace tamrik
