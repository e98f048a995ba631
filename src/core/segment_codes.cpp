#include "segment_codes.h"

#include <numeric>

namespace tamrik {

namespace {

int sum(const Weights& w) {
    return std::accumulate(w.begin(), w.end(), 0);
}

// Bit k of a byte moved to bit 7 - k.
int mirrored(int byte) {
    int out = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (byte & (1 << bit))
            out |= 1 << (7 - bit);
    return out;
}

} // namespace

std::u32string binaryText(int byte) {
    std::u32string text = U"0b";
    for (int bit = 7; bit >= 0; --bit)
        text += (byte >> bit) & 1 ? U'1' : U'0';
    return text;
}

std::u32string hexText(int byte) {
    static constexpr char32_t digits[] = U"0123456789ABCDEF";
    return {U'0', U'x', digits[(byte >> 4) & 0xF], digits[byte & 0xF]};
}

CodeTexts codeTexts(const Weights& weightsA7, const Weights& weightsA0) {
    const int codeA7 = sum(weightsA7);
    const int codeA0 = sum(weightsA0);
    // The binary A0 texts are the A7 bits read backwards, as the window always showed them;
    // with consistent weights that is codeA0 itself.
    const int reversedA7 = mirrored(codeA7);
    return {
        binaryText(codeA7),     binaryText(255 - codeA7),
        binaryText(reversedA7), binaryText(255 - reversedA7),
        hexText(codeA7),        hexText(255 - codeA7),
        hexText(codeA0),        hexText(255 - codeA0),
    };
}

} // namespace tamrik
