#pragma once

#include <string>

namespace tamrik {

// What one press of the number inverter shows.
struct NumberInversion {
    std::u32string source;   // Label3: the number as entered
    std::u32string inverted; // Label4, and the new text of Edit1

    bool operator==(const NumberInversion&) const = default;
};

// Bitwise inverse of a typed binary number. The length alone picks the form:
//  - up to eight characters: bare digits. Every "0" gives "1", every "1" gives "0", anything
//    else is dropped; both outputs get "0b" in front.
//  - nine characters or more: the first two characters are a prefix (such as "0b") and are
//    copied whatever they are; the digits behind them are inverted, anything else is dropped;
//    nothing is added in front.
// From the second character on, " ", "/" or "," ends the scan (a separator at position 2 of a
// prefixed number is copied as part of the prefix). The source output always shows the whole
// input, also what lies beyond a separator. Since the result goes back into the input box,
// repeated calls toggle a seven- or eight-digit number with its inverse.
NumberInversion invertNumber(const std::u32string& input);

} // namespace tamrik
