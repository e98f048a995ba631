#pragma once

#include <array>
#include <cstdint>

namespace tamrik {

// A to G form the figure eight (A top, then clockwise, G in the middle); H is the decimal point.
enum class Segment { A, B, C, D, E, F, G, H };

inline constexpr int kSegmentCount = 8;
inline constexpr std::array<Segment, kSegmentCount> kAllSegments = {
    Segment::A, Segment::B, Segment::C, Segment::D, Segment::E, Segment::F, Segment::G, Segment::H};

constexpr int index(Segment s) {
    return static_cast<int>(s);
}
constexpr char letter(Segment s) {
    return static_cast<char>('A' + index(s));
}

// The bit each segment drives: A in bit 7 down to H in bit 0, or mirrored with A in bit 0.
inline constexpr std::array<std::int32_t, kSegmentCount> kWeightA7 = {128, 64, 32, 16, 8, 4, 2, 1};
inline constexpr std::array<std::int32_t, kSegmentCount> kWeightA0 = {1, 2, 4, 8, 16, 32, 64, 128};

// One entry per segment: its weight while lit, 0 while dark.
using Weights = std::array<std::int32_t, kSegmentCount>;

} // namespace tamrik
