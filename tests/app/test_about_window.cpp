#include "Unit2.h"
#include "Unit3.h"
#include "app_test_support.h"

#include <QDesktopServices>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QWindow>

// Stands in for the desktop's mail program.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

class ParentRecordingPlatform : public RecordingPlatform {
public:
    std::vector<std::intptr_t> parents;
    void openMailLink(std::intptr_t parent, const std::string& link) override {
        parents.push_back(parent);
        RecordingPlatform::openMailLink(parent, link);
    }
};

class TestAboutWindow : public QObject {
    Q_OBJECT

    ParentRecordingPlatform recorder;
    MailCatcher catcher;
    std::unique_ptr<TForm3> form;

    QList<TForm2*> aboutWindows() const {
        return form->findChildren<TForm2*>(Qt::FindDirectChildrenOnly);
    }

    // A real click on the thumbnail, through the main window's hit test.
    TForm2* clickThumbnail() {
        auto* image2 = form->findChild<QLabel*>(QStringLiteral("Image2"));
        const int before = static_cast<int>(aboutWindows().size());
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                          image2->mapTo(form.get(), image2->rect().center()));
        if (aboutWindows().size() != before + 1)
            return nullptr;
        TForm2* about = aboutWindows().last();
        if (!QTest::qWaitForWindowExposed(about))
            return nullptr;
        return about;
    }

    template <typename T = QWidget> static T* control(QWidget* window, const char* name) {
        return findControl<T>(window, name);
    }

    static void clickOn(QWidget* window, QWidget* target, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->windowHandle(), button, {},
                          target->mapTo(window, target->rect().center()));
    }

private slots:
    void init() {
        form = openMainWindow(recorder);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() {
        closeMainWindow(form);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }

    void thumbnailOnMainWindow() {
        auto* image2 = control<QLabel>(form.get(), "Image2");
        QCOMPARE(image2->pixmap().size(), QSize(48, 40));
        QCOMPARE(image2->toolTip(), QStringLiteral("Нажмите для получегия свединей о программе"));
        QCOMPARE(image2->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(aboutWindows().isEmpty());
    }

    void eachClickOpensOneMoreWindow() {
        TForm2* first = clickThumbnail();
        QVERIFY(first);
        QCOMPARE(aboutWindows().size(), 1);
        QVERIFY(first->isVisible());
        // Not modal: the main window stays usable.
        QVERIFY(!first->isModal());
        QVERIFY(!QApplication::activeModalWidget());

        TForm2* second = clickThumbnail();
        QVERIFY(second);
        QCOMPARE(aboutWindows().size(), 2);
        QVERIFY(second != first);
        QVERIFY(first->isVisible() && second->isVisible());
        // Both at the same centred place, the newer one over the older.
        QCOMPARE(second->geometry(), first->geometry());
    }

    void frame() {
        TForm2* about = clickThumbnail();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("О программе..."));
        QCOMPARE(about->size(), QSize(262, 396));
        const Qt::WindowFlags flags = about->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        // Resizable: no fixed size.
        QVERIFY(about->minimumSize() != about->maximumSize());
        // Owned by the main window: the window system sees it as the main window's transient.
        QCOMPARE(about->parentWidget(), form.get());
        QCOMPARE(about->windowHandle()->transientParent(), form->windowHandle());
        QCOMPARE(about->geometry().center(),
                 QGuiApplication::primaryScreen()->availableGeometry().center());
        const QList<QSize> iconSizes = about->windowIcon().availableSizes();
        for (int size : {16, 24, 32, 48, 256})
            QVERIFY2(iconSizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        QCOMPARE(form->windowIcon().cacheKey(), about->windowIcon().cacheKey());
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("colour");
        const QString times = QStringLiteral("Liberation Serif");
        QTest::newRow("Label1") << "Label1" << QPoint(6, 8) << "Тамрик V1.0" << times << 16 << true
                                << false << QColor(255, 128, 0);
        QTest::newRow("Label4") << "Label4" << QPoint(10, 288)
                                << "Разработка: команда «Тамрик», 2026" << times << 13 << false
                                << false << QColor(128, 0, 0);
        QTest::newRow("Label2") << "Label2" << QPoint(1, 315)
                                << "С вопросами и предложениями обращаться на" << times << 13
                                << false << false << QColor(255, 0, 0);
        QTest::newRow("Label3") << "Label3" << QPoint(68, 336) << "support@example.org" << times
                                << 20 << false << true << QColor(0, 0, 255);
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QPoint, place);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(QColor, colour);
        TForm2* about = clickThumbnail();
        QVERIFY(about);
        auto* label = control<QLabel>(about, name.toLatin1().constData());
        QCOMPARE(label->text(), text);
        QCOMPARE(label->pos(), place);
        const QFontInfo font(label->font());
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pixelSize(), pixelSize);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.underline(), underline);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        // Sized to its text, so nothing is clipped.
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
        QVERIFY(label->geometry().right() < about->width());
    }

    void pictureButtonAndPointer() {
        TForm2* about = clickThumbnail();
        QVERIFY(about);
        auto* image1 = control<QLabel>(about, "Image1");
        QCOMPARE(image1->geometry(), QRect(4, 35, 253, 238));
        QCOMPARE(image1->pixmap().size(), QSize(253, 238));
        auto* button = control<QPushButton>(about, "Button1");
        QCOMPARE(button->geometry(), QRect(93, 364, 75, 25));
        QCOMPARE(button->text(), QStringLiteral("OK"));
        QCOMPARE(QFontInfo(button->font()).family(), QStringLiteral("Tahoma"));
        QCOMPARE(QFontInfo(button->font()).pixelSize(), 11);
        QCOMPARE(control(about, "Label3")->cursor().shape(), Qt::PointingHandCursor);
    }

    void okHasTheFocusAndEscLeavesTheWindowOpen() {
        TForm2* about = clickThumbnail();
        QVERIFY(about);
        auto* button = control<QPushButton>(about, "Button1");
        QTRY_COMPARE(QApplication::focusWidget(), button);
        // The only control that takes the focus, and not a default button.
        for (QWidget* child : about->findChildren<QWidget*>())
            QVERIFY2(child == button || child->focusPolicy() == Qt::NoFocus,
                     qPrintable(child->objectName()));
        QVERIFY(!button->isDefault());
        QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
        QVERIFY(about->isVisible());
    }

    void closingHidesAndNeverReuses_data() {
        QTest::addColumn<bool>("viaOk");
        QTest::newRow("OK button") << true;
        QTest::newRow("close box") << false;
    }

    void closingHidesAndNeverReuses() {
        QFETCH(bool, viaOk);
        QPointer<TForm2> about = clickThumbnail();
        QVERIFY(about);
        if (viaOk)
            QTest::mouseClick(control(about, "Button1"), Qt::LeftButton);
        else
            about->windowHandle()->close(); // the path the window system's close box takes
        QVERIFY(!about.isNull());
        QVERIFY(about->isHidden());
        QCOMPARE(aboutWindows().size(), 1);

        TForm2* next = clickThumbnail();
        QVERIFY(next);
        QVERIFY(next != about);
        QCOMPARE(aboutWindows().size(), 2);
        QVERIFY(about->isHidden());
    }

    void mainWindowDestroysItsAboutWindows() {
        QPointer<TForm2> shown = clickThumbnail();
        QPointer<TForm2> hidden = clickThumbnail();
        QVERIFY(shown && hidden);
        hidden->close();
        form.reset();
        QVERIFY(shown.isNull());
        QVERIFY(hidden.isNull());
    }

    void mailLinkOpensExactlyTheContactAddress() {
        platform::setServicesForTests(nullptr); // the desktop implementation, QDesktopServices
        catcher.urls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        TForm2* about = clickThumbnail();
        QVERIFY(about);
        auto* label3 = control<QLabel>(about, "Label3");
        clickOn(about, label3);
        QCOMPARE(catcher.urls, QStringList{QStringLiteral("mailto:support@example.org")});
        QCOMPARE(QStringLiteral("mailto:") + label3->text(), catcher.urls.first());
        // Only a left click opens it; the window stays open.
        clickOn(about, label3, Qt::RightButton);
        clickOn(about, control(about, "Label2"));
        QCOMPARE(catcher.urls.size(), 1);
        QVERIFY(about->isVisible());
    }

    void mailLinkParentIsTheMainWindow() {
        TForm2* about = clickThumbnail();
        QVERIFY(about);
        clickOn(about, control(about, "Label3"));
        QCOMPARE(recorder.mailLinks, std::vector<std::string>{"mailto:support@example.org"});
        QCOMPARE(recorder.parents,
                 std::vector<std::intptr_t>{static_cast<std::intptr_t>(form->winId())});
    }

    void mailLinkFailureReportsNothing() {
        // No mail program: the offscreen desktop cannot open the link.
        platform::setServicesForTests(nullptr);
        TForm2* about = clickThumbnail();
        QVERIFY(about);
        clickOn(about, control(about, "Label3"));
        QCoreApplication::processEvents();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(about->isVisible());
    }
};

TAMRIK_TEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
