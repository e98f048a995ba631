#include "Unit3.h"
#include "app_test_support.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

class TestMainWindow : public QObject {
    Q_OBJECT

    RecordingPlatform recorder;
    std::unique_ptr<TForm3> form;

    template <typename T = QWidget> T* control(const char* name) {
        return findControl<T>(form.get(), name);
    }

private slots:
    void init() {
        form = openMainWindow(recorder);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { closeMainWindow(form); }

    void frame() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Form3"));
        QCOMPARE(form->size(), QSize(686, 384));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(Form3, form.get());
    }

    void controlsInPlace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        const struct {
            const char* name;
            QRect rect;
        } map[] = {
            {"Panel1", {7, 8, 185, 186}},    {"Edit1", {8, 8, 169, 25}},
            {"Button1", {47, 39, 90, 25}},   {"Panel2", {198, 8, 314, 186}},
            {"Memo1", {2, 3, 150, 179}},     {"Memo2", {160, 3, 150, 179}},
            {"Image1", {7, 200, 134, 180}},  {"A", {42, 205, 84, 25}},
            {"B", {100, 213, 33, 77}},       {"C", {90, 291, 33, 77}},
            {"D", {22, 351, 84, 25}},        {"E", {15, 290, 32, 78}},
            {"F", {25, 212, 34, 77}},        {"G", {37, 279, 74, 22}},
            {"H", {113, 349, 25, 25}},       {"Panel3", {148, 200, 364, 180}},
            {"Edit2", {12, 34, 113, 25}},    {"Edit6", {127, 34, 50, 25}},
            {"Edit4", {187, 34, 113, 25}},   {"Edit8", {302, 34, 50, 25}},
            {"Edit3", {12, 98, 113, 25}},    {"Edit7", {127, 98, 50, 25}},
            {"Edit5", {187, 98, 113, 25}},   {"Edit9", {302, 98, 50, 25}},
            {"Button2", {48, 129, 105, 32}}, {"Button4", {187, 129, 105, 32}},
            {"Image2", {312, 137, 48, 40}},  {"Memo3", {514, 8, 167, 372}},
        };
        for (const auto& entry : map)
            QTest::newRow(entry.name) << QString::fromLatin1(entry.name) << entry.rect;
    }

    void controlsInPlace() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QCOMPARE(control(name.toLatin1().constData())->geometry(), rect);
        // Enlarging the window only shows more background.
        form->resize(900, 600);
        QCOMPARE(control(name.toLatin1().constData())->geometry(), rect);
    }

    void startState() {
        QTRY_COMPARE(QApplication::focusWidget(), control("Edit1"));
        QVERIFY(!control("Memo3")->isEnabled());
        QVERIFY(control<QPlainTextEdit>("Memo3")->toPlainText().isEmpty());
        QVERIFY(!control("Button4")->isEnabled());
        QVERIFY(control("Button2")->isEnabled());
        for (const char* overlay : {"A", "B", "C", "D", "E", "F", "G", "H"})
            QVERIFY2(control(overlay)->isHidden(), overlay);
        QVERIFY(!form->Timer1->isActive());
        QCOMPARE(form->Timer1->interval(), 100);
        const std::pair<const char*, const char*> texts[] = {
            {"Edit2", "0b00000000"}, {"Edit3", "0b11111111"}, {"Edit4", "0b00000000"},
            {"Edit5", "0b11111111"}, {"Edit6", "0x00"},       {"Edit7", "0xFF"},
            {"Edit8", "0x00"},       {"Edit9", "0xFF"},
        };
        for (const auto& [box, text] : texts) {
            QCOMPARE(control<QLineEdit>(box)->text(), QString::fromLatin1(text));
            QCOMPARE(control<QLineEdit>(box)->isReadOnly(), QByteArray(box) != "Edit8");
        }
        QCOMPARE(control<QLabel>("Label5")->text(), QStringLiteral("Общий катод:"));
        QCOMPARE(control<QLabel>("Label6")->text(), QStringLiteral("Общий анод:"));
        // Tooltips only on the pictures.
        QVERIFY(control("Edit1")->toolTip().isEmpty());
        QVERIFY(form->toolTip().isEmpty());
        QVERIFY(!control("Image1")->toolTip().isEmpty());
    }

    void layoutSwitchesOnCreateAndClose() {
        QCOMPARE(recorder.layouts, std::vector<std::string>{"00000409"});
        form->close();
        QCOMPARE(recorder.layouts, (std::vector<std::string>{"00000409", "00000419"}));
    }

    void secondRefreshRequestKeepsThePeriod() {
        QSignalSpy ticks(form->Timer1, &QTimer::timeout);
        form->requestRefresh();
        QVERIFY(form->Timer1->isActive());
        QTest::qWait(60);
        const int remaining = form->Timer1->remainingTime();
        QVERIFY(remaining < 100);
        form->requestRefresh();
        QVERIFY(form->Timer1->remainingTime() <= remaining);
        QTRY_COMPARE(ticks.count(), 1);
        QVERIFY(!form->Timer1->isActive());
        QTest::qWait(250);
        QCOMPARE(ticks.count(), 1);
    }

    void tickReplacesTypedText() {
        auto* edit8 = control<QLineEdit>("Edit8");
        edit8->clear();
        QTest::keyClicks(edit8, "hello");
        QCOMPARE(edit8->text(), QStringLiteral("hello"));
        form->requestRefresh();
        QTRY_COMPARE(edit8->text(), QStringLiteral("0x00"));
    }

    void fontsResolveToMetricTwins() {
        QCOMPARE(QFontInfo(form->font()).family(), QStringLiteral("Tahoma"));
        QCOMPARE(QFontInfo(form->font()).pixelSize(), 11);
        const QFontInfo times(control("Edit2")->font());
        QCOMPARE(times.family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(times.pixelSize(), 19);
        QCOMPARE(QFontInfo(control("Edit8")->font()).pixelSize(), 20);
    }

    void exceptionInHandlerShowsErrorBoxAndGoesOn() {
        auto* button = control<QPushButton>("Button1");
        connect(button, &QPushButton::clicked, form.get(),
                [] { throw std::runtime_error("Сбой в обработчике"); });
        QString shownText, shownTitle;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            shownText = box->text();
            shownTitle = box->windowTitle();
            QCOMPARE(box->icon(), QMessageBox::Critical);
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(shownText, QStringLiteral("Сбой в обработчике"));
        QCOMPARE(shownTitle, QCoreApplication::applicationName());
        // The program goes on: the window still works.
        form->requestRefresh();
        QTRY_VERIFY(!form->Timer1->isActive());
        QVERIFY(form->isVisible());
    }
};

TAMRIK_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
