#pragma once

// Turns libFuzzer's bytes into the core's text, the way the command-line program reads its
// input: as UTF-8 through the core's decoder, which makes every byte string a text (invalid
// bytes become U+FFFD; fuzz_utf8 checks that decoder against an independent one). Reading the
// bytes as UTF-8 lets the fuzzer reach every character (digits, separators, Cyrillic, emoji,
// control characters, NUL) and lets a seed corpus be plain text.

#include "utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline std::u32string decodeUtf8(const std::uint8_t* data, std::size_t size) {
    return tamrik::decodeUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
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
