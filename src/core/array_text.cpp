#include "array_text.h"

namespace tamrik {

namespace {

// Where the comma and the comment go: just past a ten-character binary code.
constexpr std::size_t kMarkColumn = 11;

class Group {
public:
    explicit Group(LineList& lines) : lines_(lines) { lines_.beginGroup(); }
    ~Group() { lines_.endGroup(); }
    Group(const Group&) = delete;
    Group& operator=(const Group&) = delete;

private:
    LineList& lines_;
};

std::u32string decimal(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return std::u32string(digits.begin(), digits.end());
}

// The counter wraps to negative after its largest value instead of overflowing.
std::int32_t next(std::int32_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + 1u);
}

} // namespace

std::u32string insertAt(std::u32string line, std::size_t position, const std::u32string& text) {
    const std::size_t index = position == 0 ? 0 : position - 1;
    line.insert(index < line.size() ? index : line.size(), text);
    return line;
}

std::u32string deleteAt(std::u32string line, std::size_t position) {
    if (position >= 1 && position <= line.size())
        line.erase(position - 1, 1);
    return line;
}

void appendElement(ArrayState& state, LineList& lines, const std::u32string& element) {
    const Group group(lines);
    if (!state.arrayStarted)
        state.elementCounter = 0;

    bool continuing = false;
    if (state.arrayStarted) {
        const int n = lines.count();
        if (n >= 2) {
            // Comma step: the closing line goes, and the previous element line, now the last,
            // gets its comma. Taking that line out and adding it back, as the plain reading of
            // the step goes, gives the same lines with more edits.
            lines.remove(n - 1);
            state.precedingLine =
                deleteAt(insertAt(lines.line(n - 2), kMarkColumn, U","), kMarkColumn + 1);
            lines.replaceLast(state.precedingLine);
            continuing = true;
        } else {
            // The user left too little of the open array to continue it.
            state.elementCounter = 0;
            state.precedingLine = kHeaderLine;
        }
    }
    if (!continuing)
        lines.add(state.precedingLine);

    // Numbering step: the comment goes in at column 11 of the element's text.
    lines.add(insertAt(element, kMarkColumn, kCommentLead + decimal(state.elementCounter)));
    lines.add(kClosingLine);

    state.arrayStarted = true;
    state.elementCounter = next(state.elementCounter);
}

void headerReset(ArrayState& state) {
    state.precedingLine = kHeaderLine;
}

void rearmCheck(ArrayState& state, const LineList& lines) {
    if (lines.count() == 0) {
        state.precedingLine = kHeaderLine;
        state.arrayStarted = false;
    }
}

void endArray(ArrayState& state) {
    state.arrayStarted = false;
}

} // namespace tamrik
