// The command-line program's readers of user-given words (wiring, segments, code, format,
// dialect, array name), the font array, and the message pieces that quote user input, on any
// text. Each reader gives a value or a reason, never both; a reason is one line that no
// control or layout character of the input can break; a value means what the word says.

#include "code_format.h"
#include "font_array.h"
#include "fuzz_input.h"
#include "message_text.h"
#include "reference_font.h"
#include "segment_set.h"
#include "table_scanner.h"
#include "wiring.h"

#include <string>

namespace {

// No line break, control, direction or other invisible character comes through as itself.
bool isOneSafeLine(const std::u32string& text) {
    for (char32_t c : text) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
            (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
            (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF)
            return false;
    }
    return true;
}

template <class T> void checkOutcome(const tamrik::Parsed<T>& parsed) {
    FUZZ_CHECK(parsed.value.has_value() == parsed.error.empty());
    if (!parsed.value) {
        FUZZ_CHECK(isOneSafeLine(parsed.error));
        // However long the input: the quoted word is cut after 40 characters, each written as
        // at most "<U+XXXXXX>".
        FUZZ_CHECK(parsed.error.size() < 40 * 10 + 300);
    }
}

void checkWiring(const std::u32string& text) {
    const auto wiring = tamrik::parseWiring(text);
    checkOutcome(wiring);
    if (!wiring)
        return;
    // Each segment on one bit: encoding is a permutation of the bytes.
    for (int lit = 0; lit < 256; ++lit) {
        const auto set = static_cast<tamrik::SegmentSet>(lit);
        const int byte = tamrik::encode(*wiring.value, set);
        FUZZ_CHECK(byte >= 0 && byte <= 255);
        FUZZ_CHECK(tamrik::decode(*wiring.value, byte) == set);
    }
}

void checkSegments(const std::u32string& text) {
    const auto set = tamrik::parseSegments(text);
    checkOutcome(set);
    if (!set)
        return;
    // The letters of the set read back as the same set.
    std::u32string letters;
    for (tamrik::Segment s : tamrik::kAllSegments)
        if (tamrik::isLit(*set.value, s))
            letters += static_cast<char32_t>(tamrik::letter(s));
    const auto again = tamrik::parseSegments(letters.empty() ? U"none" : letters);
    FUZZ_CHECK(again.value && *again.value == *set.value);
}

void checkCode(const std::u32string& text) {
    const auto code = tamrik::parseCode(text);
    checkOutcome(code);
    if (!code)
        return;
    FUZZ_CHECK(*code.value >= 0 && *code.value <= 255);
    for (auto format :
         {tamrik::CodeFormat::Bin, tamrik::CodeFormat::Hex, tamrik::CodeFormat::Dec}) {
        const auto written = tamrik::parseCode(tamrik::formatCode(*code.value, format));
        FUZZ_CHECK(written.value && *written.value == *code.value);
    }
}

void checkFont(const std::u32string& chars, tamrik::CodeFormat format, bool glyphs) {
    tamrik::FontArrayOptions options;
    options.format = format;
    options.glyphs = glyphs;
    const auto lines = tamrik::fontArrayLines(chars, options);
    checkOutcome(lines);
    if (!lines)
        return;
    // Header, one element line per character, closing line; each element is the font's code
    // of its character with the comment numbering it.
    const std::vector<std::u32string>& all = *lines.value;
    FUZZ_CHECK(all.size() == chars.size() + 2);
    FUZZ_CHECK(all.front() == tamrik::headerLine(options.dialect, options.name));
    FUZZ_CHECK(all.back() == U"};");
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const auto lit = tamrik::glyph(chars[i]);
        FUZZ_CHECK(lit.has_value());
        const std::u32string element =
            tamrik::elementText(tamrik::encode(options.wiring, *lit), format);
        FUZZ_CHECK(all[i + 1].compare(0, element.size(), element) == 0);
        const std::string number = "// " + std::to_string(i);
        FUZZ_CHECK(all[i + 1].find(std::u32string(number.begin(), number.end())) !=
                   std::u32string::npos);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::u32string text = fuzz::decodeUtf8(data + 1, size - 1);
    switch (data[0] % 8) {
    case 0:
        checkWiring(text);
        break;
    case 1:
        checkSegments(text);
        break;
    case 2:
        checkCode(text);
        break;
    case 3:
        checkOutcome(tamrik::parseCodeFormat(text));
        checkOutcome(tamrik::parseDialect(text));
        break;
    case 4: {
        const auto name = tamrik::parseArrayName(text);
        checkOutcome(name);
        if (name)
            FUZZ_CHECK(*name.value == text);
        break;
    }
    case 5:
    case 6:
        checkFont(text, data[0] & 0x10 ? tamrik::CodeFormat::Hex : tamrik::CodeFormat::Dec,
                  data[0] % 8 == 5);
        break;
    case 7: {
        const std::u32string quoted = tamrik::inQuotes(text);
        const std::u32string visible = tamrik::visibleText(text);
        FUZZ_CHECK(isOneSafeLine(quoted) && isOneSafeLine(visible));
        // Cut after the limit: forty characters, each at most "<U+XXXXXX>", plus quotes.
        FUZZ_CHECK(quoted.size() <= 40 * 10 + 5 && visible.size() <= 200 * 10 + 3);
        break;
    }
    }
    return 0;
}
