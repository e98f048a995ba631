#include "memo_lines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The empty block after a final line break (or of an empty text) is no line.
bool endsWithEmptyBlock(const QTextDocument* document) {
    return document->lastBlock().length() <= 1;
}

// The block's text without its separator.
void selectText(QTextCursor& cursor, const QTextBlock& block) {
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
}

// A line holds no line break: one that came with the text (an element pasted into the editable
// code box) would split it into two blocks, and the array steps would then count and edit the
// wrong lines. It stands as a space instead.
QString asOneLine(const std::u32string& text) {
    QString line = QString::fromStdU32String(text);
    for (QChar& c : line) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return line;
}

} // namespace

MemoLines::MemoLines(QPlainTextEdit* memo) : memo_(memo) {}

MemoLines::~MemoLines() {
    if (groupDepth_ > 0)
        group_.endEditBlock();
}

int MemoLines::count() const {
    const QTextDocument* document = memo_->document();
    return document->blockCount() - (endsWithEmptyBlock(document) ? 1 : 0);
}

std::u32string MemoLines::line(int i) const {
    if (i < 0 || i >= count())
        return {};
    return memo_->document()->findBlockByNumber(i).text().toStdU32String();
}

void MemoLines::add(const std::u32string& text) {
    QTextDocument* document = memo_->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    QString inserted = asOneLine(text);
    if (!endsWithEmptyBlock(document))
        inserted.prepend(QLatin1Char('\n'));
    cursor.insertText(inserted);
}

void MemoLines::remove(int i) {
    if (i < 0 || i >= count())
        return;
    const QTextBlock block = memo_->document()->findBlockByNumber(i);
    QTextCursor cursor(memo_->document());
    if (const QTextBlock next = block.next(); next.isValid()) {
        // The text and the line break after it.
        cursor.setPosition(block.position());
        cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
    } else if (block.previous().isValid()) {
        // The last line: the line break before it and its text.
        cursor.setPosition(block.position() - 1);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    } else {
        selectText(cursor, block);
    }
    cursor.removeSelectedText();
}

void MemoLines::replaceLast(const std::u32string& text) {
    const int n = count();
    if (n == 0) {
        add(text);
        return;
    }
    QTextCursor cursor(memo_->document());
    selectText(cursor, memo_->document()->findBlockByNumber(n - 1));
    cursor.insertText(asOneLine(text));
}

void MemoLines::clear() {
    // Through a cursor rather than QPlainTextEdit::clear(), which would also drop the undo
    // history: the user can take a clearing back like any other edit.
    QTextCursor cursor(memo_->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void MemoLines::beginGroup() {
    if (groupDepth_++ == 0) {
        group_ = QTextCursor(memo_->document());
        group_.beginEditBlock();
    }
}

void MemoLines::endGroup() {
    if (groupDepth_ > 0 && --groupDepth_ == 0) {
        group_.endEditBlock();
        group_ = QTextCursor();
    }
}
