// The core's UTF-8 decoder and encoder, which every text of the command-line program passes
// through, against a plain decoder written here that replaces each bad byte on its own: the
// two may part only in how many U+FFFD stand for a bad stretch, never in a character.

#include "fuzz_input.h"
#include "utf8.h"

#include <string>
#include <string_view>

namespace {

struct Reference {
    std::u32string text;
    bool wellFormed = true;
};

// One U+FFFD per byte that does not begin a well-formed sequence.
Reference referenceDecode(const std::uint8_t* data, std::size_t size) {
    Reference out;
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
        bool ok = length > 0 && size - i >= length;
        for (std::size_t k = 1; ok && k < length; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                ok = false;
            else
                c = (c << 6) | (data[i + k] & 0x3F);
        }
        if (ok && length > 1 && (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)))
            ok = false;
        if (ok) {
            out.text += c;
            i += length;
        } else {
            out.text += U'\uFFFD';
            out.wellFormed = false;
            i += 1;
        }
    }
    return out;
}

std::u32string withoutReplacements(std::u32string text) {
    std::erase(text, U'\uFFFD');
    return text;
}

bool isScalarValue(char32_t c) {
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u32string decoded = tamrik::decodeUtf8(bytes);
    const Reference reference = referenceDecode(data, size);

    FUZZ_CHECK(decoded.size() <= size);
    for (char32_t c : decoded)
        FUZZ_CHECK(isScalarValue(c));
    FUZZ_CHECK(withoutReplacements(decoded) == withoutReplacements(reference.text));
    if (reference.wellFormed) {
        FUZZ_CHECK(decoded == reference.text);
        FUZZ_CHECK(tamrik::encodeUtf8(decoded) == bytes);
    }
    // Whatever was decoded encodes and decodes back to itself.
    FUZZ_CHECK(tamrik::decodeUtf8(tamrik::encodeUtf8(decoded)) == decoded);

    // The same bytes taken as 32-bit values, surrogates and values past U+10FFFF included:
    // the encoder writes U+FFFD for those and nothing else changes.
    std::u32string units;
    for (std::size_t i = 0; i + 4 <= size; i += 4)
        units += static_cast<char32_t>(data[i] | data[i + 1] << 8 | data[i + 2] << 16 |
                                       static_cast<char32_t>(data[i + 3]) << 24);
    std::u32string expected = units;
    for (char32_t& c : expected)
        if (!isScalarValue(c))
            c = U'\uFFFD';
    FUZZ_CHECK(tamrik::decodeUtf8(tamrik::encodeUtf8(units)) == expected);
    return 0;
}
