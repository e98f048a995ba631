#include "segment_set.h"

#include "message_text.h"

namespace tamrik {

namespace {

Weights weights(SegmentSet set, const Weights& lit) {
    Weights w{};
    for (Segment s : kAllSegments)
        if (isLit(set, s))
            w[index(s)] = lit[index(s)];
    return w;
}

} // namespace

Parsed<SegmentSet> parseSegments(std::u32string_view text) {
    if (text == U"none")
        return Parsed<SegmentSet>::ok(0);
    if (text.empty())
        return Parsed<SegmentSet>::fail(U"no segments given (write \"none\" for a dark digit)");
    SegmentSet set = 0;
    for (char32_t c : text) {
        const char32_t upper = c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
        if (upper < U'A' || upper > U'H')
            return Parsed<SegmentSet>::fail(U"segment letter " + describeCharacter(c) +
                                            U" is not one of A-H");
        set |= static_cast<SegmentSet>(1u << (upper - U'A'));
    }
    return Parsed<SegmentSet>::ok(set);
}

Weights weightsA7(SegmentSet set) {
    return weights(set, kWeightA7);
}

Weights weightsA0(SegmentSet set) {
    return weights(set, kWeightA0);
}

} // namespace tamrik
