#include "segment_geometry.h"

namespace tamrik {

std::vector<Segment> segmentsAt(int x, int y) {
    std::vector<Segment> hit;
    for (Segment s : kAllSegments) {
        if (kHitRects[index(s)].contains(x, y))
            hit.push_back(s);
    }
    return hit;
}

std::array<PointF, 6> barOutline(Segment s) {
    if (s == Segment::H)
        return {}; // the decimal point is kDecimalPoint, not a bar
    const Bar& bar = kBars[index(s)];
    const double a = bar.axis, from = bar.from, to = bar.to, h = bar.halfWidth;
    if (bar.vertical) {
        return {slanted(a, from), slanted(a + h, from + h), slanted(a + h, to - h),
                slanted(a, to),   slanted(a - h, to - h),   slanted(a - h, from + h)};
    }
    return {slanted(from, a), slanted(from + h, a - h), slanted(to - h, a - h),
            slanted(to, a),   slanted(to - h, a + h),   slanted(from + h, a + h)};
}

bool segmentCovers(Segment s, double x, double y) {
    if (s == Segment::H) {
        const double dx = x - kDecimalPoint.centre.x, dy = y - kDecimalPoint.centre.y;
        return dx * dx + dy * dy <= kDecimalPoint.radius * kDecimalPoint.radius;
    }
    // Even-odd crossing test; the hexagon is convex, so any rule would do.
    const std::array<PointF, 6> outline = barOutline(s);
    bool inside = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const PointF& p = outline[i];
        const PointF& q = outline[j];
        if ((p.y > y) != (q.y > y)) {
            const double crossX = p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y);
            if (x < crossX)
                inside = !inside;
        }
    }
    return inside;
}

} // namespace tamrik
