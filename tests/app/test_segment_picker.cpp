// The segment picker driven the way a user drives it: mouse events sent to the window, so Qt's
// own hit test decides which picture is on top under the pointer.

#include "Unit3.h"
#include "app_test_support.h"
#include "segment_geometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

using tamrik::Segment;

class TestSegmentPicker : public QObject {
    Q_OBJECT

    RecordingPlatform recorder;
    std::unique_ptr<TForm3> form;

    template <typename T = QWidget> T* control(const char* name) {
        return findControl<T>(form.get(), name);
    }

    // Image1 coordinates to window coordinates.
    static QPoint onDigit(QPoint p) {
        return p + QPoint(tamrik::kDigitPicture.left, tamrik::kDigitPicture.top);
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form->windowHandle(), button, {}, onDigit(at));
    }
    void move(QPoint at) { QTest::mouseMove(form->windowHandle(), onDigit(at)); }

    // The letters of the shown lit pictures, in segment order.
    QString lit() {
        QString letters;
        for (const char* name : {"A", "B", "C", "D", "E", "F", "G", "H"}) {
            if (control(name)->isVisible())
                letters += QLatin1String(name);
        }
        return letters;
    }
    QString box(const char* name) { return control<QLineEdit>(name)->text(); }

    // Waits for the pending refresh to tick.
    void waitForTick() { QTRY_VERIFY(!form->Timer1->isActive()); }

private slots:
    void init() {
        form = openMainWindow(recorder);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // Qt remembers the pointer across windows; without a move, a click where the previous
        // test clicked would reach Image1 with no move recorded.
        QTest::mouseMove(form->windowHandle(), QPoint(600, 300));
    }

    void cleanup() { closeMainWindow(form); }

    void picturesAndHints() {
        // Bottom to top, as the window stacks its children.
        const QStringList pictures = {"Image1", "A", "B", "C", "D", "E", "F", "G", "H"};
        QStringList stacking;
        for (QObject* child : form->children()) {
            if (pictures.contains(child->objectName()))
                stacking << child->objectName();
        }
        QCOMPARE(stacking.join(u' '), QStringLiteral("Image1 G E F D B C H A"));

        auto* image1 = control<QLabel>("Image1");
        QCOMPARE(image1->toolTip(),
                 QStringLiteral("Нажмите левой кнопкой мыши для включения сегмента"));
        QCOMPARE(image1->pixmap().deviceIndependentSize(), QSizeF(134, 180));
        QVERIFY(image1->hasMouseTracking());
        // Pictures drawn for the screen: double resolution where the screen needs it.
        const qreal ratio = form->devicePixelRatioF() > 1 ? 2 : 1;
        QCOMPARE(image1->pixmap().devicePixelRatio(), ratio);
        for (Segment s : tamrik::kAllSegments) {
            const QByteArray name(1, tamrik::letter(s));
            auto* picture = control<QLabel>(name.constData());
            const tamrik::PixelRect place = tamrik::kLitPictures[tamrik::index(s)];
            QCOMPARE(picture->geometry(), QRect(place.left, place.top, place.width, place.height));
            QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(place.width, place.height));
            QCOMPARE(picture->pixmap().devicePixelRatio(), ratio);
            QCOMPARE(picture->toolTip(), QStringLiteral("Нажмите ещё раз для выключения сегмента"));
            // No background of their own: the digit shows through their transparent pixels.
            QVERIFY(!picture->autoFillBackground());
            QVERIFY(picture->isHidden());
        }
    }

    void clickLightsSegments_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("lit");
        // The boxes after the tick: cathode A-in-bit-7 and A-in-bit-0, binary.
        QTest::addColumn<QString>("a7");
        QTest::addColumn<QString>("a0");
        QTest::newRow("A") << QPoint(76, 16) << "A"
                           << "0b10000000"
                           << "0b00000001";
        QTest::newRow("B") << QPoint(112, 50) << "B"
                           << "0b01000000"
                           << "0b00000010";
        QTest::newRow("C") << QPoint(101, 120) << "C"
                           << "0b00100000"
                           << "0b00000100";
        QTest::newRow("D") << QPoint(56, 162) << "D"
                           << "0b00010000"
                           << "0b00001000";
        QTest::newRow("E") << QPoint(25, 127) << "E"
                           << "0b00001000"
                           << "0b00010000";
        QTest::newRow("F") << QPoint(37, 50) << "F"
                           << "0b00000100"
                           << "0b00100000";
        QTest::newRow("G") << QPoint(66, 88) << "G"
                           << "0b00000010"
                           << "0b01000000";
        QTest::newRow("H") << QPoint(117, 160) << "H"
                           << "0b00000001"
                           << "0b10000000";
        QTest::newRow("A and B") << QPoint(110, 20) << "AB"
                                 << "0b11000000"
                                 << "0b00000011";
        QTest::newRow("A and F") << QPoint(41, 19) << "AF"
                                 << "0b10000100"
                                 << "0b00100001";
        QTest::newRow("C and G") << QPoint(98, 93) << "CG"
                                 << "0b00100010"
                                 << "0b01000100";
        QTest::newRow("D and E") << QPoint(25, 158) << "DE"
                                 << "0b00011000"
                                 << "0b00011000";
        QTest::newRow("F and G") << QPoint(35, 83) << "FG"
                                 << "0b00000110"
                                 << "0b01100000";
        QTest::newRow("A left edge") << QPoint(40, 11) << "A"
                                     << "0b10000000"
                                     << "0b00000001";
        QTest::newRow("A right edge") << QPoint(112, 11) << "A"
                                      << "0b10000000"
                                      << "0b00000001";
        QTest::newRow("H top left") << QPoint(111, 155) << "H"
                                    << "0b00000001"
                                    << "0b10000000";
        QTest::newRow("H bottom right") << QPoint(123, 165) << "H"
                                        << "0b00000001"
                                        << "0b10000000";
        QTest::newRow("left of A") << QPoint(39, 15) << ""
                                   << "0b00000000"
                                   << "0b00000000";
        QTest::newRow("above A") << QPoint(76, 10) << ""
                                 << "0b00000000"
                                 << "0b00000000";
        QTest::newRow("beside H") << QPoint(110, 160) << ""
                                  << "0b00000000"
                                  << "0b00000000";
        QTest::newRow("background") << QPoint(5, 5) << ""
                                    << "0b00000000"
                                    << "0b00000000";
        QTest::newRow("upper hollow") << QPoint(70, 50) << ""
                                      << "0b00000000"
                                      << "0b00000000";
    }

    void clickLightsSegments() {
        QFETCH(QPoint, at);
        QFETCH(QString, lit);
        QFETCH(QString, a7);
        QFETCH(QString, a0);
        QSignalSpy ticks(form->Timer1, &QTimer::timeout);
        click(at);
        QCOMPARE(this->lit(), lit);
        // A refresh is requested even when no segment is hit; the boxes wait for the tick.
        QVERIFY(form->Timer1->isActive());
        QCOMPARE(box("Edit2"), QStringLiteral("0b00000000"));
        QTRY_COMPARE(ticks.count(), 1);
        QCOMPARE(box("Edit2"), a7);
        QCOMPARE(box("Edit4"), a0);
    }

    void onlyAShowsAllEightCodes() {
        click({76, 16});
        waitForTick();
        const std::pair<const char*, const char*> expected[] = {
            {"Edit2", "0b10000000"}, {"Edit6", "0x80"}, {"Edit4", "0b00000001"}, {"Edit8", "0x01"},
            {"Edit3", "0b01111111"}, {"Edit7", "0x7F"}, {"Edit5", "0b11111110"}, {"Edit9", "0xFE"},
        };
        for (const auto& [name, text] : expected)
            QCOMPARE(box(name), QString::fromLatin1(text));
    }

    void clickOnLitPictureDarkensTheTopmost_data() {
        QTest::addColumn<QList<QPoint>>("lightAt");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("a7");
        // Inside F's rectangle but on A's picture.
        QTest::newRow("A over F's rectangle") << QList<QPoint>{{76, 16}} << QPoint(36, 25) << "A"
                                              << ""
                                              << "0b00000000";
        // A lies above F.
        QTest::newRow("A over lit F") << QList<QPoint>{{76, 16}, {37, 50}} << QPoint(40, 20) << "AF"
                                      << "F"
                                      << "0b00000100";
        // Inside H's rectangle but on C's picture.
        QTest::newRow("C over H's rectangle")
            << QList<QPoint>{{101, 120}} << QPoint(112, 160) << "C"
            << ""
            << "0b00000000";
        QTest::newRow("C over G") << QList<QPoint>{{66, 88}, {101, 120}} << QPoint(98, 93) << "CG"
                                  << "G"
                                  << "0b00000010";
        QTest::newRow("B over G") << QList<QPoint>{{66, 88}, {112, 50}} << QPoint(100, 85) << "BG"
                                  << "G"
                                  << "0b00000010";
        QTest::newRow("H alone") << QList<QPoint>{{117, 160}, {76, 16}} << QPoint(128, 171) << "AH"
                                 << "A"
                                 << "0b10000000";
    }

    void clickOnLitPictureDarkensTheTopmost() {
        QFETCH(QList<QPoint>, lightAt);
        QFETCH(QPoint, at);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, a7);
        for (QPoint p : lightAt)
            click(p);
        QCOMPARE(lit(), before);
        waitForTick();
        click(at);
        QCOMPARE(lit(), after);
        QVERIFY(form->Timer1->isActive());
        waitForTick();
        QCOMPARE(box("Edit2"), a7);
    }

    void lightAndDarkenWithinOneTickRefreshesOnce() {
        QSignalSpy ticks(form->Timer1, &QTimer::timeout);
        QSignalSpy edits(control<QLineEdit>("Edit2"), &QLineEdit::textChanged);
        click({76, 16});
        QCOMPARE(lit(), QStringLiteral("A"));
        click({76, 16});
        QCOMPARE(lit(), QString());
        QCOMPARE(ticks.count(), 0);
        QTRY_COMPARE(ticks.count(), 1);
        QCOMPARE(box("Edit2"), QStringLiteral("0b00000000"));
        QCOMPARE(box("Edit9"), QStringLiteral("0xFF"));
        QVERIFY(edits.isEmpty()); // the boxes never showed A lit
        QVERIFY(!form->Timer1->isActive());
    }

    void repeatedClicksAtOneSpotToggle() {
        for (const char* expected : {"G", "", "G", "", "G"}) {
            click({66, 88});
            QCOMPARE(lit(), QString::fromLatin1(expected));
        }
        waitForTick();
        QCOMPARE(box("Edit2"), QStringLiteral("0b00000010"));
    }

    // Moves over a shown lit picture never reach Image1, so a click on Image1 tests where the
    // pointer last moved over Image1 itself, not where the click is.
    void clickTestsThePositionRecordedOverImage1() {
        click({76, 16}); // A lit; the pointer rests over its picture
        move({36, 25});  // over A's picture, inside F's rectangle
        click({36, 25}); // on A's picture: A dark, F untouched
        QCOMPARE(lit(), QString());
        click({36, 25}); // on Image1 now, without a move: the recorded position is A's
        QCOMPARE(lit(), QStringLiteral("A"));
        waitForTick();
        QCOMPARE(box("Edit2"), QStringLiteral("0b10000000"));
    }

    void onlyTheLeftButtonClicks_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void onlyTheLeftButtonClicks() {
        QFETCH(Qt::MouseButton, button);
        click({76, 16});
        waitForTick();
        QSignalSpy ticks(form->Timer1, &QTimer::timeout);
        click({76, 16}, button); // on A's picture
        click({37, 50}, button); // on Image1, over F
        QCOMPARE(lit(), QStringLiteral("A"));
        QVERIFY(!form->Timer1->isActive());
        QTest::qWait(150);
        QCOMPARE(ticks.count(), 0);
        QCOMPARE(box("Edit2"), QStringLiteral("0b10000000"));
    }

    void pressOnImage1ReleasedElsewhereIsNoClick() {
        QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, onDigit({37, 50}));
        QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, QPoint(300, 100));
        QCOMPARE(lit(), QString());
        QVERIFY(!form->Timer1->isActive());
    }
};

TAMRIK_TEST_MAIN(TestSegmentPicker)
#include "test_segment_picker.moc"
