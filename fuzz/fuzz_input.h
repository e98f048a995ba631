#pragma once

// Turns libFuzzer's bytes into the core's text. The bytes are read as UTF-8 so the fuzzer
// reaches every character (digits, separators, Cyrillic, emoji, control characters, NUL) and
// so a seed corpus can be written as plain text. Every byte string decodes: a byte that does
// not begin a well-formed sequence (stray continuation, truncated or overlong sequence,
// surrogate, past U+10FFFF) becomes one U+FFFD and decoding goes on with the next byte.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzz {

inline std::u32string decodeUtf8(const std::uint8_t* data, std::size_t size) {
    std::u32string text;
    text.reserve(size);
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t lead = data[i];
        std::size_t length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1F;
            least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0F;
            least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07;
            least = 0x10000;
        }
        bool wellFormed = length > 0 && size - i >= length;
        for (std::size_t k = 1; wellFormed && k < length; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                wellFormed = false;
            else
                c = (c << 6) | (data[i + k] & 0x3F);
        }
        if (wellFormed && length > 1 && (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)))
            wellFormed = false;
        if (wellFormed) {
            text += c;
            i += length;
        } else {
            text += U'\uFFFD';
            i += 1;
        }
    }
    return text;
}

// Lines of a text as a text box holds them: split at "\n"; an empty text has no lines and a
// line break at the very end begins no further line.
inline std::vector<std::u32string> splitAtNewlines(const std::u32string& text) {
    std::vector<std::u32string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(U'\n', start);
        if (end == std::u32string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A broken invariant: libFuzzer reports the abort as a crash and keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__,           \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

} // namespace fuzz
