#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tamrik {

// Pieces of the one-line messages that name what is wrong with the user's input. Whatever the
// input holds, they stay one short line: no control or layout character comes through as
// itself.

// A visible character as 'c' (U+XXXX); any other (controls, NUL, spaces, direction marks,
// U+FFFD) as U+XXXX alone.
std::u32string describeCharacter(char32_t c);

// A user-given word in single quotes, invisible characters as <U+XXXX>, cut after limit
// characters with "...".
std::u32string inQuotes(std::u32string_view text, std::size_t limit = 40);

// A message that may hold user input, made safe the same way but without quotes.
std::u32string visibleText(std::u32string_view text, std::size_t limit = 200);

} // namespace tamrik
