#pragma once

#include "segments.h"

#include <array>
#include <string>

namespace tamrik {

// The eight read-out texts, in the order the window writes its boxes:
// Edit2 .. Edit9 = cathode A7 bin, anode A7 bin, cathode A0 bin, anode A0 bin,
//                  cathode A7 hex, anode A7 hex, cathode A0 hex, anode A0 hex.
struct CodeTexts {
    std::u32string cathodeA7Bin, anodeA7Bin, cathodeA0Bin, anodeA0Bin;
    std::u32string cathodeA7Hex, anodeA7Hex, cathodeA0Hex, anodeA0Hex;

    bool operator==(const CodeTexts&) const = default;
};

// "0b" and eight digits, most significant bit first.
std::u32string binaryText(int byte);
// "0x" and two capital hexadecimal digits, leading zero written.
std::u32string hexText(int byte);

// The texts of the code boxes for the given segment state. The codes come from the
// weights alone, so the same lit segments always give the same texts.
CodeTexts codeTexts(const Weights& weightsA7, const Weights& weightsA0);

} // namespace tamrik
