#include "Unit2.h"
#include "ui_Unit2.h"

#include "appearance.h"
#include "platform.h"
#include "pointer_events.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include <cstdint>
#include <string>

TForm2::TForm2(QWidget* owner) : QWidget(owner), ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    // Owned by the main window: no taskbar button, minimised and restored with it, above every
    // other window; close is the only title-bar button. The dialog type is what makes Qt mark it
    // as the main window's transient on X11 (a plain Qt::Window gets no WM_TRANSIENT_FOR); it is
    // not a QDialog, so Esc does not close it.
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    registerFonts();
    setPixelFont(this, kTahoma, 11);
    setPixelFont(ui->Label1, kTimesNewRoman, 16, true);
    setTextColor(ui->Label1, QColor(255, 128, 0));
    setPixelFont(ui->Label4, kTimesNewRoman, 13);
    setTextColor(ui->Label4, QColor(128, 0, 0));
    setPixelFont(ui->Label2, kTimesNewRoman, 13);
    setTextColor(ui->Label2, QColor(255, 0, 0));
    setPixelFont(ui->Label3, kTimesNewRoman, 20, false, true);
    setTextColor(ui->Label3, QColor(0, 0, 255));
    // Labels size themselves to their text; the picture keeps its own size.
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3, ui->Label4})
        label->adjustSize();

    connect(ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(PointerEvents::watch(ui->Label3), &PointerEvents::clicked, this, &TForm2::Label3Click);

    // Every About window appears at the same place, centred on the desktop.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    ui->Button1->setFocus();
}

TForm2::~TForm2() = default;

void TForm2::Button1Click() {
    // A plain window's close only hides it; the owner deletes it at the end of the program.
    close();
}

void TForm2::Label3Click() {
    // The shell's parent is the program's window (the main window), not this one.
    QWidget* parent = parentWidget() ? parentWidget()->window() : this;
    platform::services().openMailLink(static_cast<std::intptr_t>(parent->winId()),
                                      std::string("mailto:") + kContactAddress);
}
