#pragma once

#include <string>
#include <vector>

namespace tamrik {

// The lines of a multi-line text box as the array builder sees them: numbered from 0, an empty
// text has no lines, and a line break at the very end begins no further line. The same steps
// drive a plain vector (tests, the command-line program) and the real text box.
//
// Indexes outside 0 .. count() - 1 are no error: line() gives an empty text, remove() does
// nothing.
class LineList {
public:
    virtual ~LineList() = default;

    virtual int count() const = 0;
    virtual std::u32string line(int i) const = 0;
    // Adds a line at the end.
    virtual void add(const std::u32string& text) = 0;
    virtual void remove(int i) = 0;
    // Puts text in place of the last line; with no lines it adds one.
    virtual void replaceLast(const std::u32string& text) = 0;
    virtual void clear() = 0;

    // Brackets the several edits of one operation, so a text box can lay itself out once for
    // all of them. Pairs nest; a plain list has nothing to do.
    virtual void beginGroup() {}
    virtual void endGroup() {}
};

// Lines held in a vector, for the tests and the command-line program.
class VectorLines : public LineList {
public:
    std::vector<std::u32string> lines;

    VectorLines() = default;
    explicit VectorLines(std::vector<std::u32string> initial) : lines(std::move(initial)) {}

    int count() const override;
    std::u32string line(int i) const override;
    void add(const std::u32string& text) override;
    void remove(int i) override;
    void replaceLast(const std::u32string& text) override;
    void clear() override;
};

} // namespace tamrik
