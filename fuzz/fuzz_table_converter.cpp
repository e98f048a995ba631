// The command-line program's table reader and converter on any pasted text and any pair of
// wirings and polarities: the values it finds are where it says and mean what it says, a
// conversion changes nothing but the values, and converting back restores them.

#include "fuzz_input.h"
#include "table_converter.h"
#include "table_scanner.h"
#include "wiring.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

namespace {

// A wiring named by its eight letters in a random order, through the parser the option uses.
tamrik::Wiring randomWiring(FuzzedDataProvider& input) {
    std::u32string letters = U"ABCDEFGH";
    for (std::size_t i = letters.size() - 1; i > 0; --i)
        std::swap(letters[i], letters[input.ConsumeIntegralInRange<std::size_t>(0, i)]);
    if (input.ConsumeBool()) // lower case is accepted too
        for (char32_t& c : letters)
            c = c - U'A' + U'a';
    const tamrik::Parsed<tamrik::Wiring> wiring = tamrik::parseWiring(letters);
    FUZZ_CHECK(wiring.value.has_value());
    return *wiring.value;
}

// Where the scan says the values are, they are: in order, apart, inside the text, on
// non-decreasing lines, and each reads back as the same byte on its own.
void checkScan(std::u32string_view text, const tamrik::TableScan& scan) {
    std::size_t end = 0;
    int line = 1;
    for (const tamrik::TableValue& v : scan.values) {
        FUZZ_CHECK(v.begin >= end && v.length > 0 && v.begin + v.length <= text.size());
        FUZZ_CHECK(v.value >= 0 && v.value <= 255);
        FUZZ_CHECK(v.line >= line);
        const tamrik::Parsed<int> alone = tamrik::parseCode(text.substr(v.begin, v.length));
        FUZZ_CHECK(alone.value && *alone.value == v.value);
        end = v.begin + v.length;
        line = v.line;
    }
}

// The text between values, which a conversion must leave as it was.
std::vector<std::u32string_view> between(std::u32string_view text,
                                         const std::vector<tamrik::TableValue>& values) {
    std::vector<std::u32string_view> pieces;
    std::size_t copied = 0;
    for (const tamrik::TableValue& v : values) {
        pieces.push_back(text.substr(copied, v.begin - copied));
        copied = v.begin + v.length;
    }
    pieces.push_back(text.substr(copied));
    return pieces;
}

// The case of the hexadecimal letters among the values: None when there are none, and also
// when both cases occur (then the text cannot be restored, see below).
tamrik::LetterCase letterCase(std::u32string_view text,
                              const std::vector<tamrik::TableValue>& values, bool& mixed) {
    tamrik::LetterCase seen = tamrik::LetterCase::None;
    mixed = false;
    for (const tamrik::TableValue& v : values) {
        if (v.notation != tamrik::Notation::Hex)
            continue;
        for (char32_t c : text.substr(v.begin + 2, v.length - 2)) {
            const auto letters = c >= U'A' && c <= U'F'   ? tamrik::LetterCase::Upper
                                 : c >= U'a' && c <= U'f' ? tamrik::LetterCase::Lower
                                                          : tamrik::LetterCase::None;
            if (letters == tamrik::LetterCase::None)
                continue;
            mixed = mixed || (seen != tamrik::LetterCase::None && seen != letters);
            seen = letters;
        }
    }
    return seen;
}

// Converting back restores the very text when each value is written in full (eight binary
// digits, two hexadecimal ones) and the letters can find their case again: a value that has
// no letter after the conversion takes the case of the table's other letters on the way back,
// capitals when there are none. So a table in capitals comes back whole, and one in small
// letters only if the converted table still holds a letter.
bool restorable(std::u32string_view text, const std::vector<tamrik::TableValue>& values,
                std::u32string_view converted,
                const std::vector<tamrik::TableValue>& convertedValues) {
    for (const tamrik::TableValue& v : values) {
        if (v.notation == tamrik::Notation::Binary && v.length != 10)
            return false;
        if (v.notation == tamrik::Notation::Hex && v.length != 4)
            return false;
    }
    bool mixed = false, convertedMixed = false;
    const tamrik::LetterCase letters = letterCase(text, values, mixed);
    if (mixed)
        return false;
    return letters != tamrik::LetterCase::Lower ||
           letterCase(converted, convertedValues, convertedMixed) != tamrik::LetterCase::None;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tamrik::ConversionSettings there;
    there.from = randomWiring(input);
    there.to = randomWiring(input);
    there.fromAnode = input.ConsumeBool();
    there.toAnode = input.ConsumeBool();
    const tamrik::ConversionSettings back{there.to, there.from, there.toAnode, there.fromAnode};
    const std::vector<std::uint8_t> rest = input.ConsumeRemainingBytes<std::uint8_t>();
    const std::u32string text = fuzz::decodeUtf8(rest.data(), rest.size());

    for (int value = 0; value < 256; value += 17)
        FUZZ_CHECK(tamrik::convertValue(tamrik::convertValue(value, there), back) == value);

    const tamrik::TableScan scan = tamrik::scanTable(text);
    checkScan(text, scan);
    const tamrik::ConvertedTable converted = tamrik::convertTable(text, there);
    if (scan.error) {
        FUZZ_CHECK(converted.error == scan.error && converted.text.empty());
        FUZZ_CHECK(scan.error->line >= 1);
        return 0;
    }
    FUZZ_CHECK(!converted.error);
    FUZZ_CHECK(converted.valueCount == static_cast<int>(scan.values.size()));

    // The converted table holds the converted values, in their notations, and nothing else
    // changed.
    const tamrik::TableScan rescan = tamrik::scanTable(converted.text);
    FUZZ_CHECK(!rescan.error);
    FUZZ_CHECK(rescan.values.size() == scan.values.size());
    for (std::size_t i = 0; i < scan.values.size(); ++i) {
        FUZZ_CHECK(rescan.values[i].value == tamrik::convertValue(scan.values[i].value, there));
        FUZZ_CHECK(rescan.values[i].notation == scan.values[i].notation);
        FUZZ_CHECK(rescan.values[i].line == scan.values[i].line);
    }
    FUZZ_CHECK(between(converted.text, rescan.values) == between(text, scan.values));

    // And back.
    const tamrik::ConvertedTable restored = tamrik::convertTable(converted.text, back);
    FUZZ_CHECK(!restored.error);
    const tamrik::TableScan again = tamrik::scanTable(restored.text);
    FUZZ_CHECK(again.values.size() == scan.values.size());
    for (std::size_t i = 0; i < scan.values.size(); ++i)
        FUZZ_CHECK(again.values[i].value == scan.values[i].value);
    if (restorable(text, scan.values, converted.text, rescan.values))
        FUZZ_CHECK(restored.text == text);
    return 0;
}
