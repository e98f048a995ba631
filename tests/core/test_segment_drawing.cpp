#include "segment_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tamrik;

namespace {

SegmentSet lit(std::u32string_view letters) {
    return *parseSegments(letters).value;
}

using Picture = std::array<std::u32string, 3>;

TEST(DrawDigit, EachSegmentInItsPlaceTrailingSpacesTrimmed) {
    EXPECT_EQ(drawDigit(lit(U"ABCDEF")), (Picture{U" _", U"| |", U"|_|"}));
    EXPECT_EQ(drawDigit(lit(U"BC")), (Picture{U"", U"  |", U"  |"}));
    EXPECT_EQ(drawDigit(lit(U"ABDEG")), (Picture{U" _", U" _|", U"|_"}));
    EXPECT_EQ(drawDigit(lit(U"H")), (Picture{U"", U"", U"   ."}));
    EXPECT_EQ(drawDigit(lit(U"FG")), (Picture{U"", U"|_", U""}));
    EXPECT_EQ(drawDigit(lit(U"ABCDEFGH")), (Picture{U" _", U"|_|", U"|_|."}));
    EXPECT_EQ(drawDigit(lit(U"none")), (Picture{U"", U"", U""}));
}

TEST(DrawDigits, EightToARowUnderTheirNumbers) {
    std::vector<SegmentSet> digits(9, lit(U"BC"));
    digits[1] = lit(U"ABCDEFGH");
    digits[8] = lit(U"AD");
    EXPECT_EQ(drawDigits(digits), U"0    1    2    3    4    5    6    7\n"
                                  U"      _\n"
                                  U"  |  |_|    |    |    |    |    |    |\n"
                                  U"  |  |_|.   |    |    |    |    |    |\n"
                                  U"\n"
                                  U"8\n"
                                  U" _\n"
                                  U"\n"
                                  U" _");
}

TEST(DrawDigits, NumbersOfFiveDigitsWidenTheirCell) {
    const std::u32string text = drawDigits(std::vector<SegmentSet>(10002, lit(U"A")));
    const auto lastRow = text.substr(text.find(U"\n\n10000") + 2);
    EXPECT_EQ(lastRow, U"10000 10001\n _     _\n\n");
}

TEST(DrawDigits, NothingToDraw) {
    EXPECT_EQ(drawDigits({}), U"");
}

} // namespace
