#pragma once

#include "line_list.h"

#include <QTextCursor>

class QPlainTextEdit;

// The lines of a QPlainTextEdit as the array builder sees them: one line per text block, an
// empty text has no lines, and a line break at the very end begins no further line (the empty
// block after it is not counted). Every operation reaches its block through the document's
// block index, so its cost does not grow with the text, and none copies the whole text.
// A group is one edit block: the widget lays itself out once, and one undo step takes it back.
class MemoLines : public tamrik::LineList {
public:
    explicit MemoLines(QPlainTextEdit* memo);
    ~MemoLines() override;
    MemoLines(const MemoLines&) = delete;
    MemoLines& operator=(const MemoLines&) = delete;

    int count() const override;
    std::u32string line(int i) const override;
    void add(const std::u32string& text) override;
    void remove(int i) override;
    void replaceLast(const std::u32string& text) override;
    void clear() override;
    void beginGroup() override;
    void endGroup() override;

private:
    QPlainTextEdit* memo_;
    QTextCursor group_;
    int groupDepth_ = 0;
};
