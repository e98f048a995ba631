#pragma once

#include "segment_set.h"

#include <optional>
#include <string>

namespace tamrik {

// The built-in seven-segment font: the digits, the hexadecimal letters in either case (drawn
// A b C d E F, so that B and D do not read as 8 and 0), "-", "_", space, "°" and a few more
// letters (H h J L n o O P r S t U u y Z). Some pictures are shared on purpose: S is 5,
// Z is 2, O is 0. Letters that have only one shape on seven segments take either case.
std::optional<SegmentSet> glyph(char32_t c);

// Every character the font draws, in a stable order, for help texts and tests.
std::u32string fontCharacters();

} // namespace tamrik
