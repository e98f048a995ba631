// Runs on a real X server (Xvfb started with -noreset, so the keymap set here survives
// setxkbmap's disconnect).

#include "Unit3.h"
#include "app_test_support.h"

#include <QProcess>

#include <X11/XKBlib.h>

class TestKeyboardLayout : public QObject {
    Q_OBJECT

    Display* display() {
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        return x11 ? x11->display() : nullptr;
    }

    void configure(const QString& layouts, unsigned lockedGroup) {
        QCOMPARE(
            QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layouts}),
            0);
        XkbLockGroup(display(), XkbUseCoreKbd, lockedGroup);
        XSync(display(), False);
        QCOMPARE(activeGroup(), int(lockedGroup));
    }

    int activeGroup() {
        XkbStateRec state{};
        XkbGetState(display(), XkbUseCoreKbd, &state);
        return state.locked_group;
    }

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY(display());
    }

    void englishAtStartRussianAtCloseNeverTheEarlierOne() {
        configure(QStringLiteral("us,ru,de"), 2);
        {
            TForm3 form;
            form.show();
            QCOMPARE(activeGroup(), 0);
            form.close();
            QCOMPARE(activeGroup(), 1);
        }
        // Russian stays; German, active before the start, is not restored.
        QCOMPARE(activeGroup(), 1);
    }

    void followsTheLayoutsWhereverTheyStand() {
        configure(QStringLiteral("de,ru,us"), 0);
        TForm3 form;
        QCOMPARE(activeGroup(), 2);
        form.close();
        QCOMPARE(activeGroup(), 1);
    }

    void layoutsNotConfiguredChangeNothing() {
        configure(QStringLiteral("de,fr"), 1);
        TForm3 form;
        form.show();
        QCOMPARE(activeGroup(), 1);
        form.close();
        QCOMPARE(activeGroup(), 1);
    }
};

TAMRIK_TEST_MAIN(TestKeyboardLayout)
#include "test_keyboard_layout.moc"
