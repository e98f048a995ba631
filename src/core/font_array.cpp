#include "font_array.h"

#include "array_text.h"
#include "line_list.h"
#include "message_text.h"
#include "reference_font.h"

namespace tamrik {

namespace {

bool isAsciiLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

} // namespace

Parsed<Dialect> parseDialect(std::u32string_view text) {
    struct Named {
        std::u32string_view name;
        Dialect dialect;
    };
    static constexpr Named kNames[] = {{U"flash", Dialect::Flash},
                                       {U"progmem", Dialect::Progmem},
                                       {U"avr-flash", Dialect::AvrFlash},
                                       {U"keil", Dialect::Keil},
                                       {U"plain", Dialect::Plain}};
    for (const Named& n : kNames)
        if (n.name == text)
            return Parsed<Dialect>::ok(n.dialect);
    return Parsed<Dialect>::fail(U"unknown dialect " + inQuotes(text) +
                                 U" (use flash, progmem, avr-flash, keil or plain)");
}

Parsed<std::u32string> parseArrayName(std::u32string_view text) {
    bool valid = !text.empty() && !(text[0] >= U'0' && text[0] <= U'9');
    for (char32_t c : text)
        valid = valid && (isAsciiLetter(c) || (c >= U'0' && c <= U'9') || c == U'_');
    if (!valid)
        return Parsed<std::u32string>::fail(U"array name " + inQuotes(text) +
                                            U" is not a C identifier");
    return Parsed<std::u32string>::ok(std::u32string(text));
}

std::u32string headerLine(Dialect dialect, std::u32string_view name) {
    const std::u32string n(name);
    switch (dialect) {
    case Dialect::Flash:
        break;
    case Dialect::Progmem:
        return U"const uint8_t " + n + U"[] PROGMEM = {";
    case Dialect::AvrFlash:
        return U"const __flash uint8_t " + n + U"[] = {";
    case Dialect::Keil:
        return U"unsigned char code " + n + U"[] = {";
    case Dialect::Plain:
        return U"const uint8_t " + n + U"[] = {";
    }
    return U"flash char " + n + U"[ ] = {";
}

std::u32string elementText(int byte, CodeFormat format) {
    std::u32string text = formatCode(byte, format);
    if (format == CodeFormat::Dec && text.size() < 4)
        text.insert(0, 4 - text.size(), U' ');
    return text;
}

Parsed<std::vector<std::u32string>> fontArrayLines(std::u32string_view chars,
                                                   const FontArrayOptions& options) {
    if (chars.empty())
        return Parsed<std::vector<std::u32string>>::fail(U"no characters given");
    std::vector<int> codes;
    codes.reserve(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const auto lit = glyph(chars[i]);
        if (!lit)
            return Parsed<std::vector<std::u32string>>::fail(
                U"the font has no character " + describeCharacter(chars[i]) + U" (character " +
                decimalText(static_cast<long long>(i) + 1) + U" of the text)");
        codes.push_back(withPolarity(encode(options.wiring, *lit), options.anode));
    }

    VectorLines lines;
    ArrayState state;
    state.precedingLine = headerLine(options.dialect, options.name);
    for (int code : codes)
        appendElement(state, lines, elementText(code, options.format));

    if (options.glyphs) {
        // Element lines sit between the header (line 0) and the closing line; the commas the
        // builder put in stay where they are, the glyph goes at the very end.
        for (std::size_t i = 0; i < chars.size(); ++i)
            lines.lines[i + 1] += U" '" + std::u32string(1, chars[i]) + U"'";
    }
    return Parsed<std::vector<std::u32string>>::ok(std::move(lines.lines));
}

} // namespace tamrik
