#include "code_format.h"

#include "message_text.h"
#include "segment_codes.h"

namespace tamrik {

Parsed<CodeFormat> parseCodeFormat(std::u32string_view text) {
    if (text == U"bin")
        return Parsed<CodeFormat>::ok(CodeFormat::Bin);
    if (text == U"hex")
        return Parsed<CodeFormat>::ok(CodeFormat::Hex);
    if (text == U"dec")
        return Parsed<CodeFormat>::ok(CodeFormat::Dec);
    return Parsed<CodeFormat>::fail(U"unknown format " + inQuotes(text) +
                                    U" (use bin, hex or dec)");
}

std::u32string formatCode(int byte, CodeFormat format) {
    switch (format) {
    case CodeFormat::Bin:
        return binaryText(byte);
    case CodeFormat::Hex:
        return hexText(byte);
    case CodeFormat::Dec:
        break;
    }
    return decimalText(byte);
}

std::u32string decimalText(long long value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

} // namespace tamrik
