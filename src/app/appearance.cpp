#include "appearance.h"

#include <QDir>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

void setPixelFont(QWidget* widget, const QString& family, int pixelHeight, bool bold,
                  bool underline) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setUnderline(underline);
    widget->setFont(font);
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void registerFonts() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
    for (const QString& file : {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}) {
        if (wineFonts.exists(file))
            QFontDatabase::addApplicationFont(wineFonts.filePath(file));
    }
}
