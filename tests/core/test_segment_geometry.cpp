#include "segment_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

using namespace tamrik;

namespace tamrik {
void PrintTo(Segment s, std::ostream* os) {
    *os << letter(s);
}
} // namespace tamrik

namespace {

std::string letters(const std::vector<Segment>& segments) {
    std::string out;
    for (Segment s : segments)
        out += letter(s);
    return out;
}

struct HitCase {
    int x, y;
    const char* lit;
};

void PrintTo(const HitCase& c, std::ostream* os) {
    *os << "(" << c.x << ", " << c.y << ")";
}

class SegmentsAt : public testing::TestWithParam<HitCase> {};

TEST_P(SegmentsAt, LightsTheSegmentsWhoseRectanglesHoldThePosition) {
    const HitCase& c = GetParam();
    EXPECT_EQ(letters(segmentsAt(c.x, c.y)), c.lit) << "at " << c.x << ", " << c.y;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, SegmentsAt,
    testing::Values(
        // Inside one rectangle.
        HitCase{76, 16, "A"}, HitCase{112, 50, "B"}, HitCase{101, 120, "C"}, HitCase{56, 162, "D"},
        HitCase{25, 127, "E"}, HitCase{37, 50, "F"}, HitCase{66, 88, "G"}, HitCase{117, 160, "H"},
        // Boundaries are inclusive.
        HitCase{40, 11, "A"}, HitCase{112, 11, "A"}, HitCase{111, 155, "H"}, HitCase{123, 165, "H"},
        HitCase{39, 15, ""}, HitCase{76, 10, ""}, HitCase{110, 160, ""}, HitCase{113, 11, ""},
        HitCase{44, 22, ""}, HitCase{124, 165, ""}, HitCase{123, 166, ""},
        // The five overlaps, at their corners.
        HitCase{110, 20, "AB"}, HitCase{106, 18, "AB"}, HitCase{112, 21, "AB"},
        HitCase{40, 17, "AF"}, HitCase{43, 21, "AF"}, HitCase{96, 93, "CG"}, HitCase{100, 93, "CG"},
        HitCase{25, 158, "DE"}, HitCase{22, 157, "DE"}, HitCase{31, 160, "DE"},
        HitCase{35, 83, "FG"}, HitCase{33, 83, "FG"}, HitCase{43, 83, "FG"},
        // Background, the hollows of the eight, and positions off the picture.
        HitCase{5, 5, ""}, HitCase{70, 50, ""}, HitCase{66, 127, ""}, HitCase{0, 0, ""},
        HitCase{133, 179, ""}, HitCase{-1, -1, ""}, HitCase{-76, 16, ""},
        HitCase{INT_MIN, INT_MIN, ""}, HitCase{INT_MAX, INT_MAX, ""}, HitCase{INT_MAX, 16, ""}));

// Two segments at once exactly in the five overlaps, never three.
TEST(SegmentsAtEverywhere, OverlapsAreExactlyTheFiveKnownAreas) {
    struct Overlap {
        PixelRect area;
        const char* pair;
    };
    const Overlap overlaps[] = {
        {spanRect(106, 112, 18, 21), "AB"}, {spanRect(40, 43, 17, 21), "AF"},
        {spanRect(96, 100, 93, 93), "CG"},  {spanRect(22, 31, 157, 160), "DE"},
        {spanRect(33, 43, 83, 83), "FG"},
    };
    for (int y = -5; y < kDigitPicture.height + 5; ++y) {
        for (int x = -5; x < kDigitPicture.width + 5; ++x) {
            std::string expected;
            for (const Overlap& o : overlaps) {
                if (o.area.contains(x, y))
                    expected = o.pair;
            }
            const std::string found = letters(segmentsAt(x, y));
            if (found.size() >= 2 || !expected.empty()) {
                ASSERT_EQ(found, expected) << "at " << x << ", " << y;
            }
        }
    }
}

TEST(LitPictures, StandWhereTheyCoverTheDigit) {
    // Window places (the layout's numbers) against the covered areas in Image1 coordinates.
    const PixelRect covers[] = {
        spanRect(35, 118, 5, 29),   spanRect(93, 125, 13, 89),    spanRect(83, 115, 91, 167),
        spanRect(15, 98, 151, 175), spanRect(8, 39, 90, 167),     spanRect(18, 51, 12, 88),
        spanRect(30, 103, 79, 100), spanRect(106, 130, 149, 173),
    };
    const PixelRect digit{0, 0, kDigitPicture.width, kDigitPicture.height};
    for (Segment s : kAllSegments) {
        SCOPED_TRACE(letter(s));
        EXPECT_EQ(litPictureOnDigit(s), covers[index(s)]);
        EXPECT_TRUE(digit.contains(litPictureOnDigit(s)));
        // A lit picture covers its whole hit rectangle, so a click on a lit segment always
        // reaches its picture.
        EXPECT_TRUE(litPictureOnDigit(s).contains(kHitRects[index(s)]));
    }
}

// The drawn shapes agree with the hit rectangles and the pictures.
class DrawnShape : public testing::TestWithParam<Segment> {};

TEST_P(DrawnShape, MostOfItsHitRectangleLiesOnTheSegment) {
    const Segment s = GetParam();
    const PixelRect hit = kHitRects[index(s)];
    int on = 0;
    for (int y = hit.top; y <= hit.bottom(); ++y) {
        for (int x = hit.left; x <= hit.right(); ++x)
            on += segmentCovers(s, x + 0.5, y + 0.5);
    }
    // The rectangles are upright and the bars slanted: a few pixels at the slanted edges and
    // the pointed ends fall beside the segment.
    EXPECT_GE(double(on) / (hit.width * hit.height), 0.85);
}

TEST_P(DrawnShape, StaysInsideItsPictureAndOutOfOpaquePicturesAbove) {
    const Segment s = GetParam();
    const PixelRect picture = litPictureOnDigit(s);
    // Sample the whole digit at quarter pixels.
    for (double y = 0; y < kDigitPicture.height; y += 0.25) {
        for (double x = 0; x < kDigitPicture.width; x += 0.25) {
            if (!segmentCovers(s, x, y))
                continue;
            ASSERT_TRUE(x >= picture.left && x <= picture.right() + 1 && y >= picture.top &&
                        y <= picture.bottom() + 1)
                << letter(s) << " drawn outside its picture at " << x << ", " << y;
            bool above = false;
            for (Segment t : kStackingOrder) {
                const PixelRect other = litPictureOnDigit(t);
                if (above && litPictureIsOpaque(t)) {
                    ASSERT_FALSE(x >= other.left && x < other.right() + 1 && y >= other.top &&
                                 y < other.bottom() + 1)
                        << letter(s) << " runs under the opaque " << letter(t);
                }
                above = above || t == s;
            }
            for (Segment t : kAllSegments) {
                if (t != s) {
                    ASSERT_FALSE(segmentCovers(t, x, y))
                        << letter(s) << " touches " << letter(t) << " at " << x << ", " << y;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Segments, DrawnShape, testing::ValuesIn(kAllSegments),
                         [](const testing::TestParamInfo<Segment>& info) {
                             return std::string(1, letter(info.param));
                         });

} // namespace
