#pragma once

#include "table_scanner.h"
#include "wiring.h"

#include <optional>
#include <string>
#include <string_view>

namespace tamrik {

struct ConversionSettings {
    Wiring from{};
    Wiring to{};
    bool fromAnode = false;
    bool toAnode = false;
};

// The byte that lights on the target board what value lights on the source board.
int convertValue(int value, const ConversionSettings& settings);

// A value written back in the notation it was read in: binary with its own prefix and eight
// digits, Arduino's "B" and eight digits, hexadecimal with its own prefix and two digits whose
// letters take the given case (capitals for LetterCase::None), decimal plain.
std::u32string writeValue(int value, const TableValue& as, LetterCase hexLetters);

struct ConvertedTable {
    std::u32string text;
    int valueCount = 0;
    std::optional<TableError> error; // text is empty then
};

// The table with each of its byte values (as scanTable finds them) re-encoded for another
// wiring and polarity, every other character as it was. A hexadecimal value whose digits hold
// no letter takes the letter case of the first one in the table that does, so a lower-case
// table stays lower-case. Converting back always gives the original values, and the original
// text when binary values have eight digits, hexadecimal ones two, and the letter case can be
// found again: a table in capitals always comes back whole; one in small letters only if the
// converted table still holds a letter, since a value without letters falls back to capitals.
ConvertedTable convertTable(std::u32string_view text, const ConversionSettings& settings);

} // namespace tamrik
