#include "message_text.h"

#include <cstdio>

namespace tamrik {

namespace {

// Layout and direction controls, soft hyphens, variation selectors and the like would hide or
// scramble a message, so only visible characters are shown as themselves.
bool visible(char32_t c) {
    return (c >= 0x21 && c <= 0x7E) || (c >= 0xA1 && c <= 0x1FFF && c != 0xAD) ||
           (c >= 0x2070 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDFF) ||
           (c >= 0xFE30 && c <= 0xFEFE) || (c >= 0xFF00 && c <= 0xFFEF) ||
           (c >= 0x10000 && c <= 0x1FFFF);
}

std::u32string codePoint(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    std::u32string out;
    for (const char* p = text; *p; ++p)
        out += static_cast<char32_t>(*p);
    return out;
}

} // namespace

std::u32string describeCharacter(char32_t c) {
    if (!visible(c))
        return codePoint(c);
    return U"'" + std::u32string(1, c) + U"' (" + codePoint(c) + U")";
}

std::u32string visibleText(std::u32string_view text, std::size_t limit) {
    std::u32string out;
    const std::size_t shown = text.size() > limit ? limit : text.size();
    for (std::size_t i = 0; i < shown; ++i) {
        const char32_t c = text[i];
        if (visible(c) || c == U' ')
            out += c;
        else
            out += U"<" + codePoint(c) + U">";
    }
    if (shown < text.size())
        out += U"...";
    return out;
}

std::u32string inQuotes(std::u32string_view text, std::size_t limit) {
    return U"'" + visibleText(text, limit) + U"'";
}

} // namespace tamrik
