#pragma once

#include "parsed.h"
#include "segments.h"

#include <cstdint>
#include <string_view>

namespace tamrik {

// Which segments are lit, independent of any wiring: bit index(s) stands for segment s.
using SegmentSet = std::uint8_t;

constexpr SegmentSet bitOf(Segment s) {
    return static_cast<SegmentSet>(1u << index(s));
}
constexpr bool isLit(SegmentSet set, Segment s) {
    return (set & bitOf(s)) != 0;
}

// Segment letters A-H in either case and any order (a repeated letter is lit once), or the
// word "none" for no segment at all.
Parsed<SegmentSet> parseSegments(std::u32string_view text);

// The segment state the code window keeps for these lit segments, so the window's own code
// texts can be computed for them.
Weights weightsA7(SegmentSet set);
Weights weightsA0(SegmentSet set);

} // namespace tamrik
