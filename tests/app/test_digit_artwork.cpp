// The committed digit artwork against the geometry the program clicks by: the grey segments lie
// under the hit rectangles, each lit picture lights exactly its segment when shown in place,
// and everything else in it is transparent.

#include "digit_pictures.h"
#include "segment_geometry.h"

#include <QImage>
#include <QTest>

#include <cmath>

using namespace tamrik;

Q_DECLARE_METATYPE(tamrik::Segment)

namespace {

const QColor kBackground(4, 6, 5);
const QColor kGrey(180, 190, 205);
const QColor kYellow(239, 254, 2);

bool near(QRgb pixel, const QColor& color, int tolerance) {
    return std::abs(qRed(pixel) - color.red()) <= tolerance &&
           std::abs(qGreen(pixel) - color.green()) <= tolerance &&
           std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

// A non-premultiplied pixel drawn over an opaque one.
QRgb over(QRgb top, QRgb under) {
    const double a = qAlpha(top) / 255.0;
    auto mix = [a](int t, int u) { return int(std::lround(a * t + (1 - a) * u)); };
    return qRgb(mix(qRed(top), qRed(under)), mix(qGreen(top), qGreen(under)),
                mix(qBlue(top), qBlue(under)));
}

// Whether the square of pixel (x, y) at the given scale lies wholly on segment s.
bool wholly(Segment s, int x, int y, int scale) {
    const double l = double(x) / scale, t = double(y) / scale, step = 1.0 / scale;
    for (double dy : {0.0, 0.5, 1.0}) {
        for (double dx : {0.0, 0.5, 1.0}) {
            if (!segmentCovers(s, l + dx * step, t + dy * step))
                return false;
        }
    }
    return true;
}

// Whether no point of segment s lies within `reach` pixels (Image1 units) of the pixel's centre.
bool farFrom(Segment s, int x, int y, int scale, double reach) {
    const double cx = (x + 0.5) / scale, cy = (y + 0.5) / scale;
    for (double dy = -reach; dy <= reach; dy += 0.5) {
        for (double dx = -reach; dx <= reach; dx += 0.5) {
            if (dx * dx + dy * dy <= reach * reach && segmentCovers(s, cx + dx, cy + dy))
                return false;
        }
    }
    return true;
}

QImage load(const QString& name, int scale) {
    const QString path = QStringLiteral(":/digit/%1%2.png")
                             .arg(name, scale == 2 ? QStringLiteral("@2x") : QString());
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestDigitArtwork : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Registers the resources, as the window does.
        QVERIFY(!::digitPicture(QStringLiteral("Image1"), 1).isNull());
    }

    void digitPictureLiesUnderHitRects_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
    }

    void digitPictureLiesUnderHitRects() {
        QFETCH(int, scale);
        const QImage digit = load(QStringLiteral("Image1"), scale);
        QCOMPARE(digit.size(), QSize(134, 180) * scale);
        // Near-black background, light bluish grey segments.
        for (QPoint corner : {QPoint(0, 0), QPoint(133, 0), QPoint(0, 179), QPoint(133, 179)})
            QVERIFY(near(digit.pixel(corner * scale), kBackground, 0));
        // Every hit rectangle lies mostly over drawn segment pixels.
        for (Segment s : kAllSegments) {
            const PixelRect hit = kHitRects[index(s)];
            int grey = 0, all = 0;
            for (int y = hit.top * scale; y < (hit.bottom() + 1) * scale; ++y) {
                for (int x = hit.left * scale; x < (hit.right() + 1) * scale; ++x, ++all)
                    grey += near(digit.pixel(x, y), kGrey, 40);
            }
            QVERIFY2(
                grey >= 0.85 * all,
                qPrintable(QStringLiteral("%1: %2 of %3 grey").arg(letter(s)).arg(grey).arg(all)));
        }
    }

    void litPicture_data() {
        QTest::addColumn<Segment>("segment");
        QTest::addColumn<int>("scale");
        for (int scale : {1, 2}) {
            for (Segment s : kAllSegments) {
                QTest::addRow("%c@%dx", letter(s), scale) << s << scale;
            }
        }
    }

    void litPicture() {
        QFETCH(Segment, segment);
        QFETCH(int, scale);
        const QImage digit = load(QStringLiteral("Image1"), scale);
        const QImage lit = load(QString(QChar(letter(segment))), scale);
        const PixelRect place = litPictureOnDigit(segment);
        QCOMPARE(lit.size(), QSize(place.width, place.height) * scale);

        int yellowInHit = 0, hitPixels = 0;
        for (int y = 0; y < lit.height(); ++y) {
            for (int x = 0; x < lit.width(); ++x) {
                const int dx = place.left * scale + x, dy = place.top * scale + y;
                const QRgb pixel = lit.pixel(x, y), under = digit.pixel(dx, dy);
                const QRgb shown = over(pixel, under);
                const QString where = QStringLiteral("%1, %2").arg(x).arg(y);
                if (litPictureIsOpaque(segment))
                    QVERIFY2(qAlpha(pixel) == 255, qPrintable(where));
                else if (qAlpha(pixel) == 0) // transparent pixels repeat the unlit picture
                    QVERIFY2((pixel & 0xFFFFFF) == (under & 0xFFFFFF), qPrintable(where));
                // On the segment: grey beneath, bright yellow when shown.
                if (wholly(segment, dx, dy, scale)) {
                    QVERIFY2(near(under, kGrey, 2), qPrintable(where));
                    QVERIFY2(near(shown, kYellow, 3), qPrintable(where));
                }
                // Away from the segment and its glow: nothing changes.
                if (farFrom(segment, dx, dy, scale, 6.0)) {
                    QVERIFY2(shown == (under | 0xFF000000), qPrintable(where));
                    if (!litPictureIsOpaque(segment))
                        QVERIFY2(qAlpha(pixel) == 0, qPrintable(where));
                }
                if (kHitRects[index(segment)].contains(dx / scale, dy / scale)) {
                    ++hitPixels;
                    yellowInHit += near(shown, kYellow, 40);
                }
            }
        }
        QVERIFY2(yellowInHit >= 0.85 * hitPixels,
                 qPrintable(QStringLiteral("%1 of %2 lit").arg(yellowInHit).arg(hitPixels)));

        // Nothing of it, glow included, runs under an opaque picture above it: showing both
        // would cut it off.
        bool above = false;
        for (Segment t : kStackingOrder) {
            if (above && litPictureIsOpaque(t)) {
                const PixelRect other = litPictureOnDigit(t);
                for (int y = 0; y < lit.height(); ++y) {
                    for (int x = 0; x < lit.width(); ++x) {
                        const int dx = (place.left * scale + x) / scale;
                        const int dy = (place.top * scale + y) / scale;
                        if (other.contains(dx, dy))
                            QVERIFY2(qAlpha(lit.pixel(x, y)) == 0,
                                     qPrintable(QStringLiteral("under %1").arg(letter(t))));
                    }
                }
            }
            above = above || t == segment;
        }
    }
};

QTEST_MAIN(TestDigitArtwork)
#include "test_digit_artwork.moc"
