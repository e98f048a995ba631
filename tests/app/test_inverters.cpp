#include "Unit3.h"
#include "app_test_support.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

// The number inverter (Panel1) and the array inverter (Panel2), driven by real clicks.
class TestInverters : public QObject {
    Q_OBJECT

    RecordingPlatform recorder;
    std::unique_ptr<TForm3> form;

    template <typename T = QWidget> T* control(const char* name) {
        return findControl<T>(form.get(), name);
    }

    // A left click routed through the window, so it reaches whatever lies at that point.
    void clickInWindow(QWidget* target, QPoint at = {}) {
        if (at.isNull())
            at = target->rect().center();
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, target->mapTo(form.get(), at));
    }

    void clickMemo(const char* name) { clickInWindow(control<QPlainTextEdit>(name)->viewport()); }

    void pasteByKeyboard(QPlainTextEdit* memo, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    }

    // keyClicks takes Latin-1 only; this types any character.
    static void typeText(QWidget* target, const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    static QString startOfMemo1() {
        return QStringLiteral("Вставьте сюда массив \n"
                              "     двоичных чисел.\n"
                              " \n"
                              "Массив может содер-\n"
                              "  жать посторонние\n"
                              "символы, они не вли-\n"
                              "   яют на результат.");
    }

private slots:
    void init() {
        form = openMainWindow(recorder);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { closeMainWindow(form); }

    void startTexts() {
        QCOMPARE(control<QLineEdit>("Edit1")->text(), QString());
        QCOMPARE(control<QPushButton>("Button1")->text(), QStringLiteral("Инвертировать"));
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Исходное число:"));
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Инвертированное число:"));
        QCOMPARE(control<QLabel>("Label3")->text(), QStringLiteral("0b00000000"));
        QCOMPARE(control<QLabel>("Label4")->text(), QStringLiteral("0b00000000"));
        QCOMPARE(control<QPlainTextEdit>("Memo1")->toPlainText(), startOfMemo1());
        QCOMPARE(control<QPlainTextEdit>("Memo2")->toPlainText(),
                 QStringLiteral("Нажмите здесь для за-\n      пуска операции."));
        for (const char* name : {"Memo1", "Memo2"}) {
            auto* memo = control<QPlainTextEdit>(name);
            QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
            QVERIFY(memo->horizontalScrollBar()->isVisible());
            QVERIFY(memo->verticalScrollBar()->isVisible());
            QVERIFY(!memo->isReadOnly());
        }
        QCOMPARE(control("Memo1")->palette().color(QPalette::Text), QColor(255, 128, 0));
        QCOMPARE(control("Memo2")->palette().color(QPalette::Text), QColor(Qt::blue));
    }

    void button1InvertsIntoThreeControls_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label3");
        QTest::addColumn<QString>("inverted");
        QTest::newRow("bare") << "10100101"
                              << "0b10100101"
                              << "0b01011010";
        QTest::newRow("prefixed") << "0b1111000011110000"
                                  << "0b1111000011110000"
                                  << "0b0000111100001111";
        QTest::newRow("separator") << "0b1010 0101"
                                   << "0b1010 0101"
                                   << "0b0101";
        QTest::newRow("empty") << ""
                               << "0b"
                               << "0b";
        QTest::newRow("cyrillic counts once") << "б1010101"
                                              << "0bб1010101"
                                              << "0b0101010";
    }

    void button1InvertsIntoThreeControls() {
        QFETCH(QString, typed);
        QFETCH(QString, label3);
        QFETCH(QString, inverted);
        auto* edit1 = control<QLineEdit>("Edit1");
        auto* label3Box = control<QLabel>("Label3");
        auto* label4Box = control<QLabel>("Label4");
        typeText(edit1, typed);
        QCOMPARE(edit1->text(), typed);
        // Edit1 is written last: both labels already show the outcome when it changes.
        QStringList labelsWhenEdit1Changed;
        connect(edit1, &QLineEdit::textChanged, this, [&] {
            labelsWhenEdit1Changed = {label3Box->text(), label4Box->text()};
        });
        QTest::mouseClick(control("Button1"), Qt::LeftButton);
        QCOMPARE(label3Box->text(), label3);
        QCOMPARE(label4Box->text(), inverted);
        QCOMPARE(edit1->text(), inverted);
        if (inverted != typed)
            QCOMPARE(labelsWhenEdit1Changed, (QStringList{label3, inverted}));
        // The labels size themselves to their texts.
        for (QLabel* label : {label3Box, label4Box})
            QCOMPARE(label->size(), label->sizeHint());
    }

    void repeatedPressesToggle() {
        auto* edit1 = control<QLineEdit>("Edit1");
        QTest::keyClicks(edit1, "1101001");
        QStringList seen;
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(control("Button1"), Qt::LeftButton);
            seen << edit1->text();
        }
        QCOMPARE(seen, (QStringList{"0b0010110", "0b1101001", "0b0010110", "0b1101001"}));
        QCOMPARE(control<QLabel>("Label3")->text(), QStringLiteral("0b0010110"));
    }

    void longNumberIsNotCut() {
        auto* edit1 = control<QLineEdit>("Edit1");
        const QString number = QStringLiteral("0b") + QString(100'000, QLatin1Char('1'));
        edit1->setText(number);
        QCOMPARE(edit1->text(), number);
        QTest::mouseClick(control("Button1"), Qt::LeftButton);
        QCOMPARE(edit1->text(), QStringLiteral("0b") + QString(100'000, QLatin1Char('0')));
        QCOMPARE(control<QLabel>("Label3")->text(), number);
        QVERIFY(control("Label3")->width() > control("Panel1")->width());
    }

    void memo1ClickEmptiesItAndPasteDoesNot() {
        auto* memo1 = control<QPlainTextEdit>("Memo1");
        // Other buttons and the scroll bars do nothing.
        QTest::mouseClick(memo1->viewport(), Qt::RightButton);
        QTest::mouseClick(memo1->viewport(), Qt::MiddleButton);
        clickInWindow(memo1->verticalScrollBar());
        QCOMPARE(memo1->toPlainText(), startOfMemo1());

        clickMemo("Memo1");
        QCOMPARE(memo1->toPlainText(), QString());

        pasteByKeyboard(memo1, QStringLiteral("0b00111111,      // 0\n"));
        QCOMPARE(memo1->toPlainText(), QStringLiteral("0b00111111,      // 0\n"));

        // The context menu's paste, as the right button offers it.
        QGuiApplication::clipboard()->setText(QStringLiteral("0b00000110"));
        std::unique_ptr<QMenu> menu(memo1->createStandardContextMenu());
        QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(memo1->toPlainText(), QStringLiteral("0b00111111,      // 0\n0b00000110"));

        // Every left click empties it again, whatever it holds.
        clickMemo("Memo1");
        QCOMPARE(memo1->toPlainText(), QString());
        clickMemo("Memo1");
        QCOMPARE(memo1->toPlainText(), QString());
    }

    void memo2ClickOnStartTextCountsSevenLines() {
        const QString expected =
            startOfMemo1() + QStringLiteral("\n\nКоличество\n           элементов: 7");
        clickMemo("Memo2");
        QCOMPARE(control<QPlainTextEdit>("Memo2")->toPlainText(), expected);
        // Memo1 is unchanged, so a second click gives the same text, not a doubled one.
        clickMemo("Memo2");
        QCOMPARE(control<QPlainTextEdit>("Memo2")->toPlainText(), expected);
        QCOMPARE(control<QPlainTextEdit>("Memo1")->toPlainText(), startOfMemo1());
    }

    void memo2ClickInvertsPastedArray_data() {
        QTest::addColumn<QString>("lineBreak");
        QTest::newRow("LF") << "\n";
        QTest::newRow("CRLF") << "\r\n";
    }

    void memo2ClickInvertsPastedArray() {
        QFETCH(QString, lineBreak);
        QStringList array{"flash char buf[ ] = {", "0b00111111,      // 0", "0b00000110,      // 1",
                          "0b01011011       // 2", "};"};
        clickMemo("Memo1");
        // As copied from the array text: the last line ends with a line break.
        pasteByKeyboard(control<QPlainTextEdit>("Memo1"), array.join(lineBreak) + lineBreak);
        clickMemo("Memo2");
        QCOMPARE(control<QPlainTextEdit>("Memo2")->toPlainText(),
                 QStringLiteral("flash char buf[ ] = {\n"
                                "0b11000000,      // 0\n"
                                "0b11111001,      // 1\n"
                                "0b10100100       // 2\n"
                                "};\n"
                                "\n"
                                "Количество\n"
                                "           элементов: 5"));
    }

    void memo2ClickOnEmptyMemo1() {
        clickMemo("Memo1");
        clickMemo("Memo2");
        QCOMPARE(control<QPlainTextEdit>("Memo2")->toPlainText(),
                 QStringLiteral("\nКоличество\n           элементов: 0"));
    }

    void oddCharactersGiveOneLinePerLine() {
        auto* memo1 = control<QPlainTextEdit>("Memo1");
        clickMemo("Memo1");
        const QString pasted = QStringLiteral("😀0b01100110\r\n猫猫猫猫猫猫猫猫\r\t") +
                               QChar(u'\0') + QStringLiteral("0110\n\n\x1b[0m");
        pasteByKeyboard(memo1, pasted);
        QCOMPARE(memo1->blockCount(), 5);
        clickMemo("Memo2");
        auto* memo2 = control<QPlainTextEdit>("Memo2");
        QCOMPARE(memo2->blockCount(), 5 + 3);
        QCOMPARE(memo2->toPlainText(), QStringLiteral("😀1b10011001\n0b\n\t") + QChar(u'\0') +
                                           QStringLiteral("1001\n\n\x1b[1m\n\nКоличество\n"
                                                          "           элементов: 5"));
    }
};

TAMRIK_TEST_MAIN(TestInverters)
#include "test_inverters.moc"
