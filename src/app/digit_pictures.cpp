#include "digit_pictures.h"

// The resources live in a static library, so they are registered by hand: the linker may drop
// an initialiser nothing refers to. Q_INIT_RESOURCE must be used outside any namespace.
static void loadDigitResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(digit);
        return true;
    }();
    (void)loaded;
}

QPixmap digitPicture(const QString& name, qreal devicePixelRatio) {
    loadDigitResources();
    const bool doubled = devicePixelRatio > 1;
    const QString path =
        QStringLiteral(":/digit/%1%2.png").arg(name, doubled ? QStringLiteral("@2x") : QString());
    QPixmap picture(path);
    if (picture.isNull())
        qWarning("missing picture %s", qPrintable(path));
    picture.setDevicePixelRatio(doubled ? 2 : 1);
    return picture;
}

QPixmap litSegmentPicture(tamrik::Segment s, qreal devicePixelRatio) {
    return digitPicture(QString(QChar(tamrik::letter(s))), devicePixelRatio);
}
