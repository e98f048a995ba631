#pragma once

#include "parsed.h"
#include "segment_set.h"

#include <array>
#include <string_view>

namespace tamrik {

// How a board connects segments to the bits of the byte it is sent: onBit[0] is the segment on
// bit 7, onBit[1] the one on bit 6, ..., onBit[7] the one on bit 0. Each segment appears once.
struct Wiring {
    std::array<Segment, kSegmentCount> onBit;

    bool operator==(const Wiring&) const = default;
};

// The named wirings: "a7" (A in bit 7, as the code window's first column), "a0" (A in bit 0),
// "max7219" (decimal point in bit 7, then A .. G) and "tm1637" (A in bit 0).
inline constexpr std::array<std::u32string_view, 4> kWiringPresets = {U"a7", U"a0", U"max7219",
                                                                      U"tm1637"};

// A preset name (any letter case) or eight letters naming each of A-H once, bit 7 first.
Parsed<Wiring> parseWiring(std::u32string_view text);

// The common-cathode byte that lights exactly these segments on this wiring, and back.
int encode(const Wiring& wiring, SegmentSet lit);
SegmentSet decode(const Wiring& wiring, int byte);

// A common-anode display lights a segment with a cleared bit: its code is 255 minus the
// cathode code. The same step turns an anode code back into the cathode one.
constexpr int withPolarity(int cathodeCode, bool anode) {
    return anode ? 255 - cathodeCode : cathodeCode;
}

} // namespace tamrik
