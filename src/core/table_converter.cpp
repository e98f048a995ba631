#include "table_converter.h"

#include "code_format.h"

namespace tamrik {

int convertValue(int value, const ConversionSettings& settings) {
    const SegmentSet lit = decode(settings.from, withPolarity(value, settings.fromAnode));
    return withPolarity(encode(settings.to, lit), settings.toAnode);
}

std::u32string writeValue(int value, const TableValue& as, LetterCase hexLetters) {
    switch (as.notation) {
    case Notation::Binary:
    case Notation::Arduino: {
        std::u32string text = as.notation == Notation::Arduino ? U"B"
                              : as.capitalPrefix               ? U"0B"
                                                               : U"0b";
        for (int bit = 7; bit >= 0; --bit)
            text += (value >> bit) & 1 ? U'1' : U'0';
        return text;
    }
    case Notation::Hex: {
        const char32_t* digits =
            hexLetters == LetterCase::Lower ? U"0123456789abcdef" : U"0123456789ABCDEF";
        return {U'0', as.capitalPrefix ? U'X' : U'x', digits[(value >> 4) & 0xF],
                digits[value & 0xF]};
    }
    case Notation::Decimal:
        break;
    }
    return decimalText(value);
}

ConvertedTable convertTable(std::u32string_view text, const ConversionSettings& settings) {
    const TableScan scan = scanTable(text);
    ConvertedTable out;
    if (scan.error) {
        out.error = scan.error;
        return out;
    }
    LetterCase tableCase = LetterCase::None;
    for (const TableValue& v : scan.values) {
        if (v.notation == Notation::Hex && v.hexLetters != LetterCase::None) {
            tableCase = v.hexLetters;
            break;
        }
    }
    out.text.reserve(text.size() + text.size() / 4);
    std::size_t copied = 0;
    for (const TableValue& v : scan.values) {
        out.text.append(text.substr(copied, v.begin - copied));
        const LetterCase letters = v.hexLetters != LetterCase::None ? v.hexLetters : tableCase;
        out.text += writeValue(convertValue(v.value, settings), v, letters);
        copied = v.begin + v.length;
    }
    out.text.append(text.substr(copied));
    out.valueCount = static_cast<int>(scan.values.size());
    return out;
}

} // namespace tamrik
