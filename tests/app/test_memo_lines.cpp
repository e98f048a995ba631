#include "app_test_support.h"
#include "array_text.h"
#include "memo_lines.h"

#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextDocument>

#include <functional>
#include <string>
#include <vector>

using Lines = std::vector<std::u32string>;
Q_DECLARE_METATYPE(Lines)

namespace {

Lines linesOf(const tamrik::LineList& list) {
    Lines result;
    for (int i = 0; i < list.count(); ++i)
        result.push_back(list.line(i));
    return result;
}

} // namespace

class TestMemoLines : public QObject {
    Q_OBJECT

    QPlainTextEdit memo;

private slots:
    void init() { memo.clear(); }

    // An empty text has no lines; a final line break begins no further line.
    void linesOfText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("empty") << QString() << Lines{};
        QTest::newRow("one line") << QStringLiteral("a") << Lines{U"a"};
        QTest::newRow("final break") << QStringLiteral("a\n") << Lines{U"a"};
        QTest::newRow("lone break") << QStringLiteral("\n") << Lines{U""};
        QTest::newRow("two final breaks") << QStringLiteral("a\n\n") << Lines{U"a", U""};
        QTest::newRow("two lines") << QStringLiteral("a\nb") << Lines{U"a", U"b"};
        QTest::newRow("wide characters") << QStringLiteral("ж😀\n") << Lines{U"\u0436\U0001F600"};
    }

    void linesOfText() {
        QFETCH(QString, text);
        QFETCH(Lines, lines);
        memo.setPlainText(text);
        MemoLines memoLines(&memo);
        QCOMPARE(memoLines.count(), int(lines.size()));
        QCOMPARE(linesOf(memoLines), lines);
        QCOMPARE(memoLines.line(-1), std::u32string());
        QCOMPARE(memoLines.line(memoLines.count()), std::u32string());
    }

    // Each edit, from each starting text, leaves the lines a plain list would hold and the
    // text a user would expect (no stray break at the end, none lost between lines).
    void editsMatchAPlainList_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("after");
        const struct {
            const char* text;
            const char* edit;
            const char* after;
        } cases[] = {
            {"", "add", "x"},
            {"a", "add", "a\nx"},
            {"a\n", "add", "a\nx"},
            {"a\n\n", "add", "a\n\nx"},
            {"a\nb", "remove 0", "b"},
            {"a\nb", "remove 1", "a"},
            {"a\nb\n", "remove 1", "a\n"},
            {"a", "remove 0", ""},
            {"a\nb", "remove 2", "a\nb"},
            {"a\nb", "remove -1", "a\nb"},
            {"a\nb", "replace", "a\nx"},
            {"a\nb\n", "replace", "a\nx\n"},
            {"", "replace", "x"},
            {"a\nb\n", "clear", ""},
        };
        for (const auto& c : cases) {
            QTest::addRow("%s: %s", QByteArray(c.text).replace('\n', "\\n").constData(), c.edit)
                << QString::fromUtf8(c.text) << QString::fromUtf8(c.edit)
                << QString::fromUtf8(c.after);
        }
    }

    void editsMatchAPlainList() {
        QFETCH(QString, text);
        QFETCH(QString, edit);
        QFETCH(QString, after);
        memo.setPlainText(text);
        MemoLines memoLines(&memo);
        tamrik::VectorLines plain(linesOf(memoLines));
        for (tamrik::LineList* list :
             {static_cast<tamrik::LineList*>(&memoLines), static_cast<tamrik::LineList*>(&plain)}) {
            if (edit == QLatin1String("add"))
                list->add(U"x");
            else if (edit.startsWith(QLatin1String("remove ")))
                list->remove(edit.mid(7).toInt());
            else if (edit == QLatin1String("replace"))
                list->replaceLast(U"x");
            else
                list->clear();
        }
        QCOMPARE(memo.toPlainText(), after);
        QCOMPARE(linesOf(memoLines), plain.lines);
    }

    // The same appends over the memo and over a vector give the same lines, starting from
    // typed text, through an ended array and an emptied box.
    void appendsMatchAPlainList() {
        memo.setPlainText(QStringLiteral("// digits\n"));
        MemoLines memoLines(&memo);
        tamrik::VectorLines plain(linesOf(memoLines));
        tamrik::ArrayState memoState, plainState;
        const auto both =
            [&](const std::function<void(tamrik::ArrayState&, tamrik::LineList&)>& f) {
                f(memoState, memoLines);
                f(plainState, plain);
                QCOMPARE(linesOf(memoLines), plain.lines);
            };
        for (const char32_t* element : {U"0b00111111", U"0x06", U"0b01011011"})
            both([&](auto& s, auto& l) { tamrik::appendElement(s, l, element); });
        both([](auto& s, auto&) { tamrik::endArray(s); });
        both([](auto& s, auto& l) {
            tamrik::headerReset(s);
            tamrik::appendElement(s, l, U"0x3F");
            tamrik::appendElement(s, l, U"0x4F");
        });
        QCOMPARE(memo.toPlainText(), QStringLiteral("// digits\n"
                                                    "flash char buf[ ] = {\n"
                                                    "0b00111111,      // 0\n"
                                                    "0x06      ,// 1\n"
                                                    "0b01011011       // 2\n"
                                                    "};\n"
                                                    "flash char buf[ ] = {\n"
                                                    "0x3F      ,// 0\n"
                                                    "0x4F       // 1\n"
                                                    "};"));
    }

    // One append is one edit block: the document reports one change (so the widget lays out
    // once) and one undo step takes the whole append back.
    void oneAppendIsOneEditBlock() {
        memo.setPlainText(QStringLiteral("notes"));
        MemoLines memoLines(&memo);
        tamrik::ArrayState state;
        tamrik::appendElement(state, memoLines, U"0x3F");
        const QString afterFirst = memo.toPlainText();
        QSignalSpy changes(memo.document(), &QTextDocument::contentsChange);
        tamrik::appendElement(state, memoLines, U"0x06");
        QCOMPARE(changes.count(), 1);
        memo.undo();
        QCOMPARE(memo.toPlainText(), afterFirst);
        memo.undo();
        QCOMPARE(memo.toPlainText(), QStringLiteral("notes"));
    }

    // Text that is no code (pasted into the editable code box) keeps every character.
    void unusualCharactersRoundTrip() {
        MemoLines memoLines(&memo);
        const std::u32string odd(U"\0\x01\t\u0436\U0001F600\uFFFD", 6);
        memoLines.add(odd);
        QCOMPARE(memoLines.count(), 1);
        QCOMPARE(memoLines.line(0), odd);
        memoLines.replaceLast(U"y");
        QCOMPARE(memoLines.line(0), std::u32string(U"y"));
    }

    // An element with line breaks in it (pasted into the editable code box) stays one line, so
    // the next append still puts its comma on the previous element, not into the closing line.
    void lineBreaksInAnElementStayOnItsLine() {
        MemoLines memoLines(&memo);
        tamrik::ArrayState state;
        tamrik::appendElement(state, memoLines, U"0x\n3F\r\u2029");
        tamrik::appendElement(state, memoLines, U"0x06");
        QCOMPARE(memo.toPlainText(), QStringLiteral("flash char buf[ ] = {\n"
                                                    "0x 3F     ,   // 0\n"
                                                    "0x06       // 1\n"
                                                    "};"));
    }
};

TAMRIK_TEST_MAIN(TestMemoLines)
#include "test_memo_lines.moc"
