#pragma once

// Where the digit picture and its eight lit-segment pictures stand, where a click lights a
// segment, and the shapes the artwork generator draws. The program and the generator both read
// this one table, so the drawn segments, the pictures and the hit rectangles cannot drift apart.

#include "segments.h"

#include <array>
#include <vector>

namespace tamrik {

// An upright rectangle of whole pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width - 1; }  // inclusive
    constexpr int bottom() const { return top + height - 1; } // inclusive
    constexpr bool contains(int x, int y) const {
        return x >= left && x <= right() && y >= top && y <= bottom();
    }
    constexpr bool contains(const PixelRect& r) const {
        return contains(r.left, r.top) && contains(r.right(), r.bottom());
    }
    constexpr PixelRect translated(int dx, int dy) const {
        return {left + dx, top + dy, width, height};
    }
    bool operator==(const PixelRect&) const = default;
};

// A rectangle given by inclusive bounds, the way the hit rectangles are written.
constexpr PixelRect spanRect(int xFrom, int xTo, int yFrom, int yTo) {
    return {xFrom, yFrom, xTo - xFrom + 1, yTo - yFrom + 1};
}

// The digit picture Image1 in the main window's client coordinates.
inline constexpr PixelRect kDigitPicture{7, 200, 134, 180};

// The lit-segment pictures A..H in the main window's client coordinates; each is exactly the
// size of its picture.
inline constexpr std::array<PixelRect, kSegmentCount> kLitPictures = {{
    {42, 205, 84, 25},  // A
    {100, 213, 33, 77}, // B
    {90, 291, 33, 77},  // C
    {22, 351, 84, 25},  // D
    {15, 290, 32, 78},  // E
    {25, 212, 34, 77},  // F
    {37, 279, 74, 22},  // G
    {113, 349, 25, 25}, // H
}};

// The pictures from bottom to top: Image1 lies under all of them, A on top.
inline constexpr std::array<Segment, kSegmentCount> kStackingOrder = {
    Segment::G, Segment::E, Segment::F, Segment::D, Segment::B, Segment::C, Segment::H, Segment::A};

// Only the picture of H is opaque (a lit dot on a dark square); the others show only their
// segment and let the pictures beneath show through.
constexpr bool litPictureIsOpaque(Segment s) {
    return s == Segment::H;
}

// The area a lit picture covers, in Image1 coordinates.
constexpr PixelRect litPictureOnDigit(Segment s) {
    return kLitPictures[index(s)].translated(-kDigitPicture.left, -kDigitPicture.top);
}

// Where a click on Image1 lights a segment, in Image1 coordinates. Upright rectangles laid over
// slanted segments: near the slanted edges a few of their pixels fall on the background. Five
// pairs overlap (A/B, A/F, C/G, D/E, F/G); a click there lights both.
inline constexpr std::array<PixelRect, kSegmentCount> kHitRects = {{
    spanRect(40, 112, 11, 21),    // A
    spanRect(106, 119, 18, 82),   // B
    spanRect(96, 107, 93, 159),   // C
    spanRect(22, 90, 157, 167),   // D
    spanRect(20, 31, 94, 160),    // E
    spanRect(31, 43, 17, 83),     // F
    spanRect(33, 100, 83, 93),    // G
    spanRect(111, 123, 155, 165), // H
}};

// The segments whose hit rectangles contain (x, y) in Image1 coordinates, in the order A..H.
std::vector<Segment> segmentsAt(int x, int y);

// --- Shapes of the drawn segments ---------------------------------------------------------
//
// The figure eight is laid out upright and then slanted: a point (u, y) of the upright figure is
// drawn at x = u + kSlant * (kSlantOriginY - y), so the top leans right. Each bar is a hexagon
// with 45-degree pointed ends (in the upright figure); neighbouring ends leave a thin gap.

inline constexpr double kSlant = 0.145;
inline constexpr double kSlantOriginY = 89.5;

struct PointF {
    double x = 0;
    double y = 0;
};

constexpr PointF slanted(double u, double y) {
    return {u + kSlant * (kSlantOriginY - y), y};
}

// One bar of the upright figure: its axis (x of a vertical bar, y of a horizontal one), where
// its two tips lie along that axis, and half its thickness.
struct Bar {
    bool vertical = false;
    double axis = 0;
    double from = 0;
    double to = 0;
    double halfWidth = 0;
};

inline constexpr std::array<Bar, 7> kBars = {{
    {false, 16.0, 32.0, 103.5, 8.5},  // A
    {true, 105.0, 17.5, 88.0, 9.5},   // B
    {true, 105.0, 91.0, 161.0, 9.5},  // C
    {false, 162.5, 32.0, 103.5, 8.5}, // D
    {true, 30.5, 91.0, 161.0, 9.5},   // E
    {true, 30.5, 17.5, 88.0, 9.5},    // F
    // G stops short on the right so its glow stays inside its picture.
    {false, 89.5, 32.0, 103.0, 8.5}, // G
}};

// The decimal point H is a round dot.
struct Circle {
    PointF centre;
    double radius = 0;
};
inline constexpr Circle kDecimalPoint{{118.0, 161.0}, 8.0};

// The drawn outline of bar segment s (A..G) in Image1 coordinates, slant applied. The six
// points go round the hexagon from the first tip. H is no bar (see kDecimalPoint): all zero.
std::array<PointF, 6> barOutline(Segment s);

// Whether the point (x, y), in Image1 coordinates, lies on the drawn shape of segment s.
bool segmentCovers(Segment s, double x, double y);

} // namespace tamrik
