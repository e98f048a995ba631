#pragma once

#include "parsed.h"

#include <string>
#include <string_view>

namespace tamrik {

// How a code byte is written: "0b" and eight binary digits, "0x" and two capital hexadecimal
// digits (both exactly as the code window writes them), or plain decimal.
enum class CodeFormat { Bin, Hex, Dec };

// "bin", "hex" or "dec".
Parsed<CodeFormat> parseCodeFormat(std::u32string_view text);

std::u32string formatCode(int byte, CodeFormat format);

// Decimal digits of a non-negative number, without leading zeros.
std::u32string decimalText(long long value);

} // namespace tamrik
