#pragma once

#include "line_list.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tamrik {

// The first line of every array the window starts.
inline const std::u32string kHeaderLine = U"flash char buf[ ] = {";
inline const std::u32string kClosingLine = U"};";
// Between an element's code and its number: seven spaces, two slashes, one space.
inline const std::u32string kCommentLead = U"       // ";

// Shared by every picker window for the whole run.
struct ArrayState {
    // An array is open in the box; the next append continues it.
    bool arrayStarted = false;
    // The number the next element's comment gets.
    std::int32_t elementCounter = 0;
    // What the next append writes in front of its element: the header line while no array is
    // open, else the previous element line with its comma. A caller may put another header here
    // before its first append.
    std::u32string precedingLine = kHeaderLine;
};

// Positions count characters from 1. Inserting at p puts text's first character at p; on a
// line shorter than p - 1 characters it goes at the end.
std::u32string insertAt(std::u32string line, std::size_t position, const std::u32string& text);
// Deleting at p does nothing on a line shorter than p characters.
std::u32string deleteAt(std::u32string line, std::size_t position);

// Appends one element to the array at the end of lines: the previous element gets its comma
// (in column 11, keeping the line's length and the column of "//"), then the element, numbered
// in a comment, and the closing line follow. With no array open, a new one starts below
// whatever lines holds, numbered from 0; so does an append while an array is open but fewer
// than two lines are left, since the previous element and closing line cannot be there. The
// edits form one group.
void appendElement(ArrayState& state, LineList& lines, const std::u32string& element);

// The header line goes back into precedingLine (each new picker window does this).
void headerReset(ArrayState& state);

// Run on every picker tick: a box emptied by any means ends the open array, so the next append
// starts afresh with the header line.
void rearmCheck(ArrayState& state, const LineList& lines);

// The array ends; the text and precedingLine stay as they are.
void endArray(ArrayState& state);

} // namespace tamrik
