// The real program on a real X server: About windows opened by clicks on the thumbnail are the
// main window's transients and ask to stay above, and closing the main window while they are
// open ends the program with exit code 0. Clicks go through the X server (xdotool), the close
// as the window manager's WM_DELETE_WINDOW.

#include "app_test_support.h"

#include <QProcess>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

namespace {

QByteArray utf8Property(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(display, name, False);
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) != Success ||
        !data)
        return {};
    QByteArray value(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
    XFree(data);
    return value;
}

std::vector<Atom> atomList(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Atom> atoms;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 64, False,
                           XA_ATOM, &type, &format, &count, &after, &data) == Success &&
        data) {
        const auto* list = reinterpret_cast<const Atom*>(data);
        atoms.assign(list, list + count);
        XFree(data);
    }
    return atoms;
}

// Mapped top-level windows with this title (no window manager: they are the root's children).
std::vector<Window> viewableWindows(Display* display, const QString& title) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    std::vector<Window> found;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return found;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable &&
            QString::fromUtf8(utf8Property(display, children[i], "_NET_WM_NAME")) == title)
            found.push_back(children[i]);
    }
    if (children)
        XFree(children);
    return found;
}

} // namespace

class TestAboutProgram : public QObject {
    Q_OBJECT

    Display* display = nullptr;
    QProcess program;

    bool clickAt(QPoint point) {
        return QProcess::execute(QStringLiteral("xdotool"),
                                 {QStringLiteral("mousemove"), QString::number(point.x()),
                                  QString::number(point.y()), QStringLiteral("click"),
                                  QStringLiteral("1")}) == 0;
    }

    int aboutCount() {
        return static_cast<int>(viewableWindows(display, QStringLiteral("О программе...")).size());
    }

private slots:
    void initTestCase() {
        display = XOpenDisplay(nullptr);
        QVERIFY2(display, "needs an X server (DISPLAY)");
    }

    void cleanupTestCase() {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
        if (display)
            XCloseDisplay(display);
    }

    void closingMainWindowWithAboutWindowsOpenExitsWithZero() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(TAMRIK_PROGRAM), {});
        QVERIFY(program.waitForStarted());

        std::vector<Window> main;
        QTRY_VERIFY_WITH_TIMEOUT(
            (main = viewableWindows(display, QStringLiteral("Form3"))).size() == 1, 10000);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, main[0], DefaultRootWindow(display), 0, 0, &x, &y, &child);
        // Image2's centre: Panel3 at (148, 200), the thumbnail at (312, 137) in it, 48 x 40.
        const QPoint thumbnail(x + 148 + 312 + 24, y + 200 + 137 + 20);

        QVERIFY(clickAt(thumbnail));
        QTRY_COMPARE_WITH_TIMEOUT(aboutCount(), 1, 5000);
        QVERIFY(clickAt(thumbnail));
        QTRY_COMPARE_WITH_TIMEOUT(aboutCount(), 2, 5000);

        const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
        for (Window about : viewableWindows(display, QStringLiteral("О программе..."))) {
            Window owner = 0;
            QVERIFY(XGetTransientForHint(display, about, &owner));
            QCOMPARE(owner, main[0]);
            const std::vector<Atom> state = atomList(display, about, "_NET_WM_STATE");
            QVERIFY(std::find(state.begin(), state.end(), above) != state.end());
        }

        XEvent close{};
        close.xclient.type = ClientMessage;
        close.xclient.window = main[0];
        close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        close.xclient.format = 32;
        close.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        close.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, main[0], False, NoEventMask, &close);
        XFlush(display);

        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

TAMRIK_TEST_MAIN(TestAboutProgram)
#include "test_about_program.moc"
