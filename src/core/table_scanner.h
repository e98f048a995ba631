#pragma once

#include "parsed.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamrik {

// The ways a byte value may be written in a table.
enum class Notation {
    Binary,  // "0b" or "0B" and one to eight binary digits
    Arduino, // "B" and exactly eight binary digits
    Hex,     // "0x" or "0X" and one or two hexadecimal digits
    Decimal, // decimal digits, no leading zero (C would read it as octal)
};

enum class LetterCase { None, Upper, Lower };

// One value found in a text: where its characters stand, its line, and how it was written.
struct TableValue {
    std::size_t begin = 0;
    std::size_t length = 0;
    int line = 1;
    int value = 0;
    Notation notation = Notation::Decimal;
    bool capitalPrefix = false;               // "0B" / "0X"
    LetterCase hexLetters = LetterCase::None; // case of the letters among hex digits, if any

    bool operator==(const TableValue&) const = default;
};

// A value in the table that cannot be a byte.
struct TableError {
    int line = 1;
    std::u32string token;
    std::u32string reason; // completes "'token' ...", e.g. "is over 255"

    bool operator==(const TableError&) const = default;
};

// "line 3: '0x100' is over 255".
std::u32string describe(const TableError& error);

struct TableScan {
    std::vector<TableValue> values;
    std::optional<TableError> error; // the first bad value; values is then incomplete
};

// The byte values of a pasted table, in text order. The table's body runs from the first "{"
// to the next "}" (to the end when none follows), or is the whole text when there is no "{".
// Comments ("//" to the end of the line, "/* ... */") are no part of it, and braces inside
// them count for nothing. A value is a whole word (ASCII letters, digits, "_") in one of the
// notations; other words starting with a letter or "_" (names, keywords) are left alone, while
// a word starting with a digit that is no byte value, or "B" followed by binary digits only
// but not eight of them, is an error. Lines count from 1; "\n", "\r\n", a lone "\r", U+2028 and
// U+2029 each end one. A pure function of the text, for any text.
TableScan scanTable(std::u32string_view text);

// A single code written in one of the notations, nothing around it.
Parsed<int> parseCode(std::u32string_view text);

} // namespace tamrik
