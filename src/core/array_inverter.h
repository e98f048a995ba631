#pragma once

#include <string>
#include <vector>

namespace tamrik {

// One line of a pasted array with the digits of its number inverted. Positions count
// characters from 1; the line's length alone picks the rule:
//  - exactly eight characters: bare digits. The output is "0b" followed by "1" for every "0"
//    and "0" for every "1"; any other character is dropped.
//  - any other length, zero included: a number that may carry a prefix and trailing text. The
//    output has exactly one character per input character: position 1 is copied; a "0" or "1"
//    at positions 2 to 11 is inverted; from position 12 on it is copied; every other character
//    is copied wherever it stands.
// So "0b01100110,      // 10" keeps its prefix, comma and comment number. Position 11 inverts
// so that a nine-digit "0b" number, and an eight-digit one indented by one character, come out
// with every digit inverted instead of with one silently unchanged last bit.
std::u32string invertLine(const std::u32string& line);

// The lines of a multi-line text box's text. An empty text has no lines, and a line break at
// the very end begins no further line ("a\n" is one line, "a\n\n" two, "\n" one empty line).
// A line break is "\n", "\r\n", a lone "\r", U+2028 or U+2029: the ones a Qt text box turns
// into a new line when they are pasted, so the same text gives the same lines in the window
// and on the command line. No other character, NUL included, breaks a line.
std::vector<std::u32string> splitLines(const std::u32string& text);

// The whole output of the array inverter: one output line per input line, in order (an empty
// one for an empty line), then "", "Количество" and "           элементов: " followed by the
// number of input lines, all joined with "\n" and without a line break at the end.
std::u32string invertedArrayText(const std::vector<std::u32string>& lines);

} // namespace tamrik
