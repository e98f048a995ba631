#include "wiring.h"

#include "message_text.h"

namespace tamrik {

namespace {

using S = Segment;

constexpr Wiring kA7{{S::A, S::B, S::C, S::D, S::E, S::F, S::G, S::H}};
constexpr Wiring kA0{{S::H, S::G, S::F, S::E, S::D, S::C, S::B, S::A}};
constexpr Wiring kMax7219{{S::H, S::A, S::B, S::C, S::D, S::E, S::F, S::G}};

char32_t lower(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

bool equalsIgnoringCase(std::u32string_view a, std::u32string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace

Parsed<Wiring> parseWiring(std::u32string_view text) {
    const Wiring presets[] = {kA7, kA0, kMax7219, kA0};
    for (std::size_t i = 0; i < kWiringPresets.size(); ++i)
        if (equalsIgnoringCase(text, kWiringPresets[i]))
            return Parsed<Wiring>::ok(presets[i]);

    const std::u32string named = U"wiring " + inQuotes(text);
    if (text.size() != kSegmentCount)
        return Parsed<Wiring>::fail(
            named + U" is neither a preset (a7, a0, max7219, tm1637) nor eight letters "
                    U"naming each of A-H once");
    Wiring wiring{};
    SegmentSet seen = 0;
    for (std::size_t bit = 0; bit < kSegmentCount; ++bit) {
        const char32_t c = text[bit];
        const char32_t upper = c >= U'a' && c <= U'h' ? c - U'a' + U'A' : c;
        if (upper < U'A' || upper > U'H')
            return Parsed<Wiring>::fail(named + U": " + describeCharacter(c) +
                                        U" is not a segment letter A-H");
        const Segment s = static_cast<Segment>(upper - U'A');
        if (isLit(seen, s))
            return Parsed<Wiring>::fail(named + U" names " + std::u32string(1, upper) +
                                        U" twice; each of A-H must appear once");
        seen |= bitOf(s);
        wiring.onBit[bit] = s;
    }
    return Parsed<Wiring>::ok(wiring);
}

int encode(const Wiring& wiring, SegmentSet lit) {
    int byte = 0;
    for (std::size_t i = 0; i < kSegmentCount; ++i)
        if (isLit(lit, wiring.onBit[i]))
            byte |= 1 << (7 - i);
    return byte;
}

SegmentSet decode(const Wiring& wiring, int byte) {
    SegmentSet lit = 0;
    for (std::size_t i = 0; i < kSegmentCount; ++i)
        if (byte & (1 << (7 - i)))
            lit |= bitOf(wiring.onBit[i]);
    return lit;
}

} // namespace tamrik
