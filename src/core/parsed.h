#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tamrik {

// The outcome of reading a user-given word: the value, or a one-line reason naming what is
// wrong with it.
template <class T> struct Parsed {
    std::optional<T> value;
    std::u32string error;

    static Parsed ok(T v) { return {std::move(v), {}}; }
    static Parsed fail(std::u32string why) { return {std::nullopt, std::move(why)}; }
    explicit operator bool() const { return value.has_value(); }
};

} // namespace tamrik
