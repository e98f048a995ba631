#pragma once

#include "code_format.h"
#include "parsed.h"
#include "wiring.h"

#include <string>
#include <string_view>
#include <vector>

namespace tamrik {

// The compiler syntax of an array's header line.
enum class Dialect { Flash, Progmem, AvrFlash, Keil, Plain };

// "flash", "progmem", "avr-flash", "keil" or "plain".
Parsed<Dialect> parseDialect(std::u32string_view text);

// A C identifier for the array: ASCII letters, digits and "_", not starting with a digit.
Parsed<std::u32string> parseArrayName(std::u32string_view text);

// The header line of an array called name: for Flash and the name "buf" exactly the array
// builder's "flash char buf[ ] = {".
std::u32string headerLine(Dialect dialect, std::u32string_view name);

struct FontArrayOptions {
    Wiring wiring{};
    bool anode = false;
    CodeFormat format = CodeFormat::Bin;
    Dialect dialect = Dialect::Flash;
    std::u32string name = U"buf";
    bool glyphs = true;
};

// The element text of one code: the window's code texts for binary and hexadecimal; decimal
// right-aligned in four characters, so that the builder's comma (always at position 11) still
// lands in the spaces before the comment.
std::u32string elementText(int byte, CodeFormat format);

// The lines of an array with one element per character of chars, drawn by the built-in font,
// made by the same append steps as the window's array builder. With glyphs, each element line
// ends in a space and the character in single quotes. A character the font lacks is an error
// that names it.
Parsed<std::vector<std::u32string>> fontArrayLines(std::u32string_view chars,
                                                   const FontArrayOptions& options);

} // namespace tamrik
