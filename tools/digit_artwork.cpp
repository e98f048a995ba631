// The digit picture Image1 and the eight lit-segment pictures A..H, at 1x and at 2x
// (name@2x.png) for screens with device pixel ratio 2. Written into OUTPUT_FOLDER/digit/.
//
// Each lit picture is cut from a rendering of the whole digit with that segment lit. Its pixels
// carry the least alpha that turns the unlit picture beneath into that rendering, so shown in
// place it reproduces the lit digit exactly: pixels the lit segment and its glow do not touch
// come out fully transparent, with the colour of the unlit picture. H is the exception: a fully
// opaque square with the lit dot.

#include "artwork.h"
#include "segment_geometry.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

using namespace tamrik;

namespace {

const QColor kBackground(4, 6, 5);
const QColor kUnlit(180, 190, 205);
const QColor kLit(239, 254, 2);

// The glow: a Gaussian spread of the lit shape, in logical pixels, and its strength.
constexpr double kGlowSigma = 1.6;
constexpr double kGlowStrength = 1.0;
// Near the edges of its picture the glow fades out over this width instead of being cut.
constexpr double kGlowFade = 2.0;

void drawShape(QPainter& p, Segment s, const QColor& color) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    if (s == Segment::H) {
        p.drawEllipse(QPointF(kDecimalPoint.centre.x, kDecimalPoint.centre.y), kDecimalPoint.radius,
                      kDecimalPoint.radius);
        return;
    }
    QPolygonF polygon;
    for (const PointF& point : barOutline(s))
        polygon << QPointF(point.x, point.y);
    p.drawPolygon(polygon);
}

QImage canvas(int scale) {
    QImage image(kDigitPicture.width * scale, kDigitPicture.height * scale, QImage::Format_ARGB32);
    image.fill(kBackground);
    return image;
}

// The whole digit with every segment grey, or with one of them lit.
QImage renderDigit(int scale, std::optional<Segment> lit) {
    QImage image = canvas(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    for (Segment s : kAllSegments)
        drawShape(p, s, s == lit ? kLit : kUnlit);
    return image;
}

// Coverage of one segment's shape, 0..1 per pixel.
std::vector<double> coverage(int scale, Segment s) {
    QImage mask = canvas(scale);
    mask.fill(Qt::black);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        drawShape(p, s, Qt::white);
    }
    std::vector<double> values(std::size_t(mask.width()) * mask.height());
    for (int y = 0; y < mask.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            values[std::size_t(y) * mask.width() + x] = qRed(line[x]) / 255.0;
    }
    return values;
}

// Separable Gaussian blur of a width x height field.
std::vector<double> blurred(const std::vector<double>& in, int width, int height, double sigma) {
    const int radius = int(std::ceil(3 * sigma));
    std::vector<double> kernel(std::size_t(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += kernel[std::size_t(i + radius)] = std::exp(-(i * i) / (2 * sigma * sigma));
    for (double& k : kernel)
        k /= sum;
    std::vector<double> across(in.size()), out(in.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double v = 0;
            for (int i = -radius; i <= radius; ++i) {
                const int xx = std::clamp(x + i, 0, width - 1);
                v += kernel[std::size_t(i + radius)] * in[std::size_t(y) * width + xx];
            }
            across[std::size_t(y) * width + x] = v;
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double v = 0;
            for (int i = -radius; i <= radius; ++i) {
                const int yy = std::clamp(y + i, 0, height - 1);
                v += kernel[std::size_t(i + radius)] * across[std::size_t(yy) * width + x];
            }
            out[std::size_t(y) * width + x] = v;
        }
    }
    return out;
}

// Opaque pictures stacked above segment s: its glow must not run under them, or showing both
// lit would cut the glow off at their edge.
std::vector<PixelRect> opaqueAbove(Segment s) {
    std::vector<PixelRect> above;
    bool isAbove = false;
    for (Segment t : kStackingOrder) {
        if (isAbove && litPictureIsOpaque(t))
            above.push_back(litPictureOnDigit(t));
        isAbove = isAbove || t == s;
    }
    return above;
}

// The digit with segment s lit and glowing. The glow stays inside the segment's picture and
// out of opaque pictures above it, fading out towards those edges instead of being cut.
QImage renderLitDigit(int scale, Segment s) {
    QImage image = renderDigit(scale, s);
    const int w = image.width(), h = image.height();
    const std::vector<double> glow = blurred(coverage(scale, s), w, h, kGlowSigma * scale);
    const PixelRect area = litPictureOnDigit(s);
    const std::vector<PixelRect> keepOut = opaqueAbove(s);
    for (int y = area.top * scale; y < (area.bottom() + 1) * scale; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left * scale; x < (area.right() + 1) * scale; ++x) {
            // Pixel centre in Image1 coordinates.
            const double px = (x + 0.5) / scale, py = (y + 0.5) / scale;
            double room = std::min(
                {px - area.left, area.right() + 1 - px, py - area.top, area.bottom() + 1 - py});
            for (const PixelRect& r : keepOut) {
                const double dx = std::max({r.left - px, 0.0, px - (r.right() + 1)});
                const double dy = std::max({r.top - py, 0.0, py - (r.bottom() + 1)});
                room = std::min(room, std::hypot(dx, dy));
            }
            const double a = kGlowStrength * glow[std::size_t(y) * w + x] *
                             std::clamp(room / kGlowFade, 0.0, 1.0);
            if (a <= 0)
                continue;
            const QRgb under = line[x];
            auto mix = [a](int lit, int base) {
                return int(std::lround(a * lit + (1 - a) * base));
            };
            line[x] = qRgb(mix(kLit.red(), qRed(under)), mix(kLit.green(), qGreen(under)),
                           mix(kLit.blue(), qBlue(under)));
        }
    }
    return image;
}

// The least alpha and its colour such that colour at alpha over `under` gives `want`.
QRgb uncomposite(QRgb under, QRgb want) {
    const int u[3] = {qRed(under), qGreen(under), qBlue(under)};
    const int w[3] = {qRed(want), qGreen(want), qBlue(want)};
    double alpha = 0;
    for (int c = 0; c < 3; ++c) {
        if (w[c] > u[c])
            alpha = std::max(alpha, double(w[c] - u[c]) / (255 - u[c]));
        else if (w[c] < u[c])
            alpha = std::max(alpha, double(u[c] - w[c]) / u[c]);
    }
    if (alpha == 0)
        return qRgba(u[0], u[1], u[2], 0);
    const int alpha8 = std::min(255, int(std::ceil(alpha * 255 - 1e-9)));
    const double a = alpha8 / 255.0;
    int out[3];
    for (int c = 0; c < 3; ++c)
        out[c] = std::clamp(int(std::lround(u[c] + (w[c] - u[c]) / a)), 0, 255);
    return qRgba(out[0], out[1], out[2], alpha8);
}

QImage litPicture(int scale, Segment s, const QImage& unlit) {
    const QImage lit = renderLitDigit(scale, s);
    const PixelRect area = litPictureOnDigit(s);
    const QRect cut(area.left * scale, area.top * scale, area.width * scale, area.height * scale);
    if (s == Segment::H) // opaque: a lit dot on its dark square
        return lit.copy(cut).convertToFormat(QImage::Format_RGB32);
    QImage picture(cut.size(), QImage::Format_ARGB32);
    for (int y = 0; y < cut.height(); ++y) {
        const QRgb* under = reinterpret_cast<const QRgb*>(unlit.constScanLine(cut.top() + y));
        const QRgb* want = reinterpret_cast<const QRgb*>(lit.constScanLine(cut.top() + y));
        QRgb* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < cut.width(); ++x)
            out[x] = uncomposite(under[cut.left() + x], want[cut.left() + x]);
    }
    return picture;
}

void save(const QImage& image, const QDir& folder, const QString& name, int scale) {
    const QString file = folder.filePath(
        scale == 1 ? name + ".png" : QStringLiteral("%1@%2x.png").arg(name).arg(scale));
    if (!image.save(file))
        qFatal("cannot write %s", qPrintable(file));
}

void drawDigit(const QDir& outputFolder) {
    outputFolder.mkpath(QStringLiteral("digit"));
    const QDir folder(outputFolder.filePath(QStringLiteral("digit")));
    for (int scale : {1, 2}) {
        const QImage unlit = renderDigit(scale, std::nullopt);
        save(unlit.convertToFormat(QImage::Format_RGB32), folder, QStringLiteral("Image1"), scale);
        for (Segment s : kAllSegments)
            save(litPicture(scale, s, unlit), folder, QString(QChar(letter(s))), scale);
    }
}

const bool registered = registerDrawing(QStringLiteral("digit"), drawDigit);

} // namespace
