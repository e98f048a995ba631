#pragma once

#include <array>
#include <cstddef>

namespace tamrik {

// The element picker's strip picture and the columns its clicks answer to. Columns count from
// the strip's left edge, from 0; ranges are inclusive. The generator draws from the same data.

struct ColumnRange {
    int first;
    int last;
    constexpr bool contains(int column) const { return column >= first && column <= last; }
};

inline constexpr int kStripWidth = 250;
inline constexpr int kStripHeight = 36;

// The four hatched boxes as drawn: "0b00000000", "0x00", "0b00000000", "0x00".
inline constexpr std::array<ColumnRange, 4> kStripBoxes{
    {{1, 84}, {90, 119}, {130, 213}, {219, 248}}};
// The gaps between them, dark-edged and see-through in the middle.
inline constexpr std::array<ColumnRange, 3> kStripGaps{{{85, 89}, {120, 129}, {214, 218}}};

// Where a click counts, inside the drawn boxes with a margin from each gap: fields 1 to 4.
inline constexpr std::array<ColumnRange, 4> kFieldZones{
    {{1, 79}, {93, 114}, {133, 208}, {221, 246}}};
// A gap with its margins: a pointer move here clears the "over a field" flag.
inline constexpr std::array<ColumnRange, 3> kFieldSeparators{{{80, 92}, {115, 132}, {209, 220}}};

// The field (1 to 4) whose zone holds column, or 0.
constexpr int fieldAt(int column) {
    for (int i = 0; i < static_cast<int>(kFieldZones.size()); ++i) {
        if (kFieldZones[static_cast<std::size_t>(i)].contains(column))
            return i + 1;
    }
    return 0;
}

// What a pointer move to column does to the "over a field" flag. The outer columns (0, 247 and
// beyond, below 0) leave it as it was.
enum class PointerEffect { Set, Clear, Keep };

constexpr PointerEffect pointerEffectAt(int column) {
    if (fieldAt(column) != 0)
        return PointerEffect::Set;
    for (const ColumnRange& separator : kFieldSeparators) {
        if (separator.contains(column))
            return PointerEffect::Clear;
    }
    return PointerEffect::Keep;
}

} // namespace tamrik
