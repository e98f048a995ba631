#include "Unit1.h"
#include "Unit3.h"
#include "app_test_support.h"
#include "shared_timer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// Distinct texts in the eight code boxes show which box a click read.
const std::pair<const char*, const char*> kBoxTexts[] = {
    {"Edit2", "0b00000010"}, {"Edit3", "0b00000011"}, {"Edit4", "0b00000100"},
    {"Edit5", "0b00000101"}, {"Edit6", "0x06"},       {"Edit7", "0x07"},
    {"Edit8", "0x08"},       {"Edit9", "0x09"},
};

} // namespace

class TestElementPicker : public QObject {
    Q_OBJECT

    RecordingPlatform recorder;
    std::unique_ptr<TForm3> form;

    template <typename T = QWidget> T* control(QWidget* window, const char* name) {
        return findControl<T>(window, name);
    }
    template <typename T = QWidget> T* control(const char* name) {
        return control<T>(form.get(), name);
    }
    QPlainTextEdit* memo3() { return control<QPlainTextEdit>("Memo3"); }
    QStringList memoLines() {
        QStringList lines = memo3()->toPlainText().split(QLatin1Char('\n'));
        if (lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    TForm1* openPicker() {
        QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
        const QList<TForm1*> pickers = form->findChildren<TForm1*>(Qt::FindDirectChildrenOnly);
        if (pickers.isEmpty())
            qFatal("no picker opened");
        TForm1* picker = pickers.last();
        if (!QTest::qWaitForWindowExposed(picker))
            qFatal("picker not shown");
        return picker;
    }

    // Moves the pointer to the strip's column and clicks there, through the window's own hit
    // test, as a user would.
    void clickStrip(TForm1* picker, const char* strip, int column) {
        QLabel* image = control<QLabel>(picker, strip);
        const QPoint at = image->mapTo(picker, QPoint(column, image->height() / 2));
        // From off the strip first: Qt sends no move to where it saw the pointer last.
        QTest::mouseMove(picker->windowHandle(), QPoint(1, 1));
        QTest::mouseMove(picker->windowHandle(), at);
        QTest::mouseClick(picker->windowHandle(), Qt::LeftButton, {}, at);
    }

    void cancel(TForm1* picker) {
        QTest::mouseClick(control<QPushButton>(picker, "Button1"), Qt::LeftButton);
    }

private slots:
    void init() {
        resetUnit1ForTests();
        form = openMainWindow(recorder);
        form->move(100, 100);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (const auto& [box, text] : kBoxTexts)
            control<QLineEdit>(box)->setText(QString::fromLatin1(text));
    }

    void cleanup() { closeMainWindow(form); }

    void windowAndControls() {
        TForm1* picker = openPicker();
        QCOMPARE(picker->parentWidget(), form.get());
        QVERIFY(picker->isWindow());
        QVERIFY(picker->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(picker->windowType(), Qt::Tool);
        QCOMPARE(picker->windowTitle(), QStringLiteral("Добавление элемента в массив"));
        QCOMPARE(picker->size(), QSize(258, 170));
        QCOMPARE(picker->pos(), form->pos() + QPoint(205, 70));

        auto* panel = control(picker, "Panel1");
        QCOMPARE(panel->geometry(), QRect(0, 0, 258, 169));
        QVERIFY(panel->autoFillBackground());
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(255, 128, 0));
        for (const char* name : {"Label1", "Label2"}) {
            auto* label = control<QLabel>(picker, name);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 255, 255));
            QCOMPARE(label->font().pixelSize(), 17);
        }
        QCOMPARE(control<QLabel>(picker, "Label1")->text(), QStringLiteral("Общий катод:"));
        QCOMPARE(control<QLabel>(picker, "Label2")->text(), QStringLiteral("Общий анод:"));
        for (const auto& [name, rect] : {std::pair{"Image1", QRect(4, 25, 250, 36)},
                                         std::pair{"Image2", QRect(4, 100, 250, 36)}}) {
            auto* strip = control<QLabel>(picker, name);
            QCOMPARE(strip->geometry(), rect);
            QCOMPARE(strip->toolTip(),
                     QStringLiteral("Нажмите на соответствующий участок, для добавления в массив"));
            const QImage picture = strip->pixmap().toImage();
            QCOMPARE(picture.size(), QSize(250, 36));
            QVERIFY(picture.hasAlphaChannel());
            QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::black));
            QCOMPARE(picture.pixelColor(249, 35), QColor(Qt::black));
            // The middle of each gap lets the orange panel through.
            for (int column : {87, 124, 216})
                QCOMPARE(picture.pixelColor(column, 18).alpha(), 0);
            QCOMPARE(picture.pixelColor(40, 5).alpha(), 255);
        }
        auto* cancelButton = control<QPushButton>(picker, "Button1");
        QCOMPARE(cancelButton->text(), QStringLiteral("Отмена"));
        QCOMPARE(cancelButton->geometry(), QRect(92, 142, 75, 25));
        QCOMPARE(picker->Timer1->interval(), 1);
        QVERIFY(picker->Timer1->isActive());
    }

    // Both strips, every boundary column: either the matching box's text is appended, or
    // nothing at all changes (no comma on the previous element, no line, no number, Button4).
    void columnBoundaries_data() {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("box"); // empty: the click does nothing
        const struct {
            int column;
            int field;
        } columns[] = {{0, 0},   {1, 1},   {79, 1},  {80, 0},  {92, 0},  {93, 2},
                       {114, 2}, {115, 0}, {132, 0}, {133, 3}, {208, 3}, {209, 0},
                       {220, 0}, {221, 4}, {246, 4}, {247, 0}, {249, 0}};
        const char* cathode[] = {"Edit2", "Edit6", "Edit4", "Edit8"};
        const char* anode[] = {"Edit3", "Edit7", "Edit5", "Edit9"};
        for (const char* strip : {"Image1", "Image2"}) {
            for (const auto& c : columns) {
                const char* box = "";
                if (c.field != 0)
                    box = (QByteArray(strip) == "Image1" ? cathode : anode)[c.field - 1];
                QTest::addRow("%s column %d", strip, c.column)
                    << QString::fromLatin1(strip) << c.column << QString::fromLatin1(box);
            }
        }
    }

    void columnBoundaries() {
        QFETCH(QString, strip);
        QFETCH(int, column);
        QFETCH(QString, box);
        const QByteArray stripName = strip.toLatin1();
        TForm1* picker = openPicker();
        clickStrip(picker, stripName, 40);
        QCOMPARE(memoLines().size(), 3);
        const QString before = memo3()->toPlainText();
        auto* button4 = control<QPushButton>("Button4");
        button4->setEnabled(false);

        clickStrip(picker, stripName, column);
        if (box.isEmpty()) {
            QCOMPARE(memo3()->toPlainText(), before);
            QVERIFY(!button4->isEnabled());
            QCOMPARE(arrayStateForTests().elementCounter, 1);
        } else {
            const QString text = control<QLineEdit>(box.toLatin1().constData())->text();
            QCOMPARE(memoLines().size(), 4);
            QCOMPARE(memoLines().at(2), text + QStringLiteral("       // 1"));
            QVERIFY(button4->isEnabled());
        }
    }

    // A pointer that last crossed a gap of one strip leaves no field armed on the other.
    void gapOnOneStripDisarmsTheOther() {
        TForm1* picker = openPicker();
        picker->Image1MouseMove(40, 0);
        picker->Image2MouseMove(87, 0); // anode gap
        picker->Image1Click();
        QVERIFY(memo3()->toPlainText().isEmpty());
        picker->Image2MouseMove(0, 0); // outer column: the flag stays as it was
        picker->Image1Click();
        QVERIFY(memo3()->toPlainText().isEmpty());
        picker->Image2MouseMove(150, 0);
        picker->Image1Click();
        QCOMPARE(memoLines(),
                 (QStringList{QStringLiteral("flash char buf[ ] = {"),
                              QStringLiteral("0b00000010       // 0"), QStringLiteral("};")}));
    }

    void bothStripsFeedOneArray() {
        TForm1* picker = openPicker();
        clickStrip(picker, "Image1", 230); // Edit8
        clickStrip(picker, "Image2", 10);  // Edit3
        clickStrip(picker, "Image2", 87);  // gap: nothing
        clickStrip(picker, "Image1", 150); // Edit4
        QCOMPARE(
            memoLines(),
            (QStringList{QStringLiteral("flash char buf[ ] = {"), QStringLiteral("0x08      ,// 0"),
                         QStringLiteral("0b00000011,      // 1"),
                         QStringLiteral("0b00000100       // 2"), QStringLiteral("};")}));
    }

    // The box's text as it stands at the click, typed text in Edit8 included.
    void clickReadsTheBoxAsItStands() {
        TForm1* picker = openPicker();
        auto* edit8 = control<QLineEdit>("Edit8");
        edit8->setText(QStringLiteral("0x3F"));
        clickStrip(picker, "Image1", 230);
        edit8->setText(QStringLiteral("0x5B"));
        clickStrip(picker, "Image1", 230);
        QCOMPARE(memoLines().mid(1, 2), (QStringList{QStringLiteral("0x3F      ,// 0"),
                                                     QStringLiteral("0x5B       // 1")}));
    }

    void openingAndCancelSwitchTheMainWindowsButtons() {
        auto* button2 = control<QPushButton>("Button2");
        QVERIFY(!memo3()->isEnabled());
        TForm1* picker = openPicker();
        QVERIFY(picker->isVisible());
        QVERIFY(!button2->isEnabled());
        QVERIFY(memo3()->isEnabled());
        QVERIFY(!control("Button4")->isEnabled());

        QPointer<TForm1> guard(picker);
        cancel(picker);
        QVERIFY(guard); // hidden, not destroyed
        QVERIFY(picker->isHidden());
        QVERIFY(button2->isEnabled());
        QVERIFY(memo3()->isEnabled()); // never disabled again
        QVERIFY(!memo3()->isReadOnly());
    }

    // A close from outside (a window manager's close key) ends like "Отмена", so Button2 does
    // not stay disabled with no picker to be seen.
    void closeFromOutsideEndsLikeCancel() {
        TForm1* picker = openPicker();
        clickStrip(picker, "Image1", 40);
        picker->close();
        QVERIFY(picker->isHidden());
        QVERIFY(control("Button2")->isEnabled());
        QVERIFY(!arrayStateForTests().arrayStarted);
    }

    void cancelThenNewPickerStartsANewArrayBelow() {
        TForm1* first = openPicker();
        clickStrip(first, "Image1", 40);
        clickStrip(first, "Image1", 87); // gap
        clickStrip(first, "Image2", 40);
        cancel(first);
        QVERIFY(!arrayStateForTests().arrayStarted);

        TForm1* second = openPicker();
        QVERIFY(second != first);
        QVERIFY(first->isHidden()); // a hidden picker is never shown again
        QVERIFY(second->isVisible());
        control<QLineEdit>("Edit8")->setText(QStringLiteral("0x3F"));
        clickStrip(second, "Image1", 230);
        QCOMPARE(memoLines(),
                 (QStringList{QStringLiteral("flash char buf[ ] = {"),
                              QStringLiteral("0b00000010,      // 0"),
                              QStringLiteral("0b00000011       // 1"), QStringLiteral("};"),
                              QStringLiteral("flash char buf[ ] = {"),
                              QStringLiteral("0x3F       // 0"), QStringLiteral("};")}));
        QVERIFY(first->isHidden());
    }

    // Emptying Memo3 (by Button4 or by hand) ends the array at the next tick of a picker, even
    // a hidden one; the next append starts afresh.
    void emptiedBoxEndsTheArrayAtTheNextTick_data() {
        QTest::addColumn<bool>("byButton4");
        QTest::addColumn<bool>("pickerHidden");
        QTest::newRow("Button4, picker hidden") << true << true;
        QTest::newRow("Button4, picker shown") << true << false;
        QTest::newRow("by hand, picker shown") << false << false;
    }

    void emptiedBoxEndsTheArrayAtTheNextTick() {
        QFETCH(bool, byButton4);
        QFETCH(bool, pickerHidden);
        TForm1* picker = openPicker();
        clickStrip(picker, "Image1", 40);
        clickStrip(picker, "Image1", 100);
        if (pickerHidden)
            cancel(picker);
        QVERIFY(arrayStateForTests().precedingLine != tamrik::kHeaderLine);

        // Stop the clock so that the tick is seen to do the work.
        picker->Timer1->stop();
        auto* button4 = control<QPushButton>("Button4");
        if (byButton4) {
            QTest::mouseClick(button4, Qt::LeftButton);
            QVERIFY(!button4->isEnabled());
        } else {
            memo3()->setFocus();
            QTest::keyClick(memo3(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(memo3(), Qt::Key_Delete);
        }
        QVERIFY(memo3()->toPlainText().isEmpty());
        QCOMPARE(arrayStateForTests().arrayStarted, !pickerHidden); // Button4 leaves it alone

        QSignalSpy ticks(picker->Timer1, &SharedTimer::timeout);
        picker->Timer1->start();
        QTRY_VERIFY(ticks.count() > 0);
        QVERIFY(!arrayStateForTests().arrayStarted);
        QCOMPARE(arrayStateForTests().precedingLine, tamrik::kHeaderLine);

        if (pickerHidden)
            picker = openPicker();
        clickStrip(picker, "Image2", 230);
        QCOMPARE(memoLines(),
                 (QStringList{QStringLiteral("flash char buf[ ] = {"),
                              QStringLiteral("0x09       // 0"), QStringLiteral("};")}));
        QVERIFY(button4->isEnabled());
    }

    void pickersFollowTheMainWindow() {
        TForm1* hidden = openPicker();
        cancel(hidden);
        TForm1* shown = openPicker();
        form->move(300, 250);
        QTRY_COMPARE(shown->pos(), form->pos() + QPoint(205, 70));
        QTRY_COMPARE(hidden->pos(), form->pos() + QPoint(205, 70));
        form->move(40, 30);
        QTRY_COMPARE(shown->pos(), QPoint(245, 100));
    }

    // A hidden picker keeps ticking for the whole life of the main window.
    void hiddenPickerKeepsTicking() {
        TForm1* picker = openPicker();
        cancel(picker);
        QSignalSpy ticks(picker->Timer1, &SharedTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 5);
        QVERIFY(picker->isHidden());
    }
};

TAMRIK_TEST_MAIN(TestElementPicker)
#include "test_element_picker.moc"
