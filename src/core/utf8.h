#pragma once

#include <string>
#include <string_view>

namespace tamrik {

// UTF-8 bytes to characters. Each maximal ill-formed subsequence (a stray continuation byte,
// a truncated sequence, an overlong form, a surrogate, a value past U+10FFFF) becomes one
// U+FFFD, so any input decodes and the characters around a bad byte survive. NUL is kept.
std::u32string decodeUtf8(std::string_view bytes);

// Characters to UTF-8 bytes. A value that is no character (a surrogate or past U+10FFFF)
// is written as U+FFFD.
std::string encodeUtf8(std::u32string_view text);

} // namespace tamrik
