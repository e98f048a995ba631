#pragma once

#include "segment_set.h"

#include <array>
#include <string>
#include <vector>

namespace tamrik {

// A digit drawn in three lines of text, trailing spaces trimmed:
//   " _"   A
//   "|_|"  F G B
//   "|_|." E D C H
// A dark segment is a space.
std::array<std::u32string, 3> drawDigit(SegmentSet lit);

// Digits side by side, eight to a row, each in a five-column cell under its element number
// (counted from 0); rows are parted by an empty line. Lines are joined by "\n", trailing spaces
// trimmed, no line break at the end. No digits give an empty text.
std::u32string drawDigits(const std::vector<SegmentSet>& digits);

} // namespace tamrik
