// The About window's photograph (253 x 238) and the main window's thumbnail of it (48 x 40):
// a dark four-digit LED display module standing on a glossy table, lit segments glowing, its
// reflection on the table, the room behind out of focus. Rendered oversampled with a small
// perspective camera, then blurred by depth, graded and saved as JPEG.

#include "artwork.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <stdexcept>

namespace {

constexpr int kOversample = 3;
constexpr double kPi = 3.14159265358979323846;

// Scene units: the photograph's frame is 1000 x 940 of them.
const QRectF kPhotoFrame(0, 0, 1000, 940);

// ---- Image operations ---------------------------------------------------------------------

// Three box passes approximate a Gaussian; works on premultiplied pixels.
void boxBlurLine(quint32* line, int count, int stride, int radius, std::vector<quint32>& tmp) {
    if (radius <= 0 || count <= 1)
        return;
    tmp.resize(static_cast<std::size_t>(count));
    const int window = 2 * radius + 1;
    std::array<long, 4> sum{};
    auto at = [&](int i) { return line[static_cast<long>(std::clamp(i, 0, count - 1)) * stride]; };
    for (int i = -radius; i <= radius; ++i) {
        const quint32 p = at(i);
        for (int c = 0; c < 4; ++c)
            sum[static_cast<std::size_t>(c)] += (p >> (8 * c)) & 0xFF;
    }
    for (int i = 0; i < count; ++i) {
        quint32 out = 0;
        for (int c = 0; c < 4; ++c)
            out |= static_cast<quint32>(sum[static_cast<std::size_t>(c)] / window) << (8 * c);
        tmp[static_cast<std::size_t>(i)] = out;
        const quint32 leaving = at(i - radius), entering = at(i + radius + 1);
        for (int c = 0; c < 4; ++c)
            sum[static_cast<std::size_t>(c)] +=
                static_cast<long>((entering >> (8 * c)) & 0xFF) - ((leaving >> (8 * c)) & 0xFF);
    }
    for (int i = 0; i < count; ++i)
        line[static_cast<long>(i) * stride] = tmp[static_cast<std::size_t>(i)];
}

void blur(QImage& image, double radius) {
    const int r = static_cast<int>(std::lround(radius / 2));
    if (r <= 0)
        return;
    auto* bits = reinterpret_cast<quint32*>(image.bits());
    const int w = image.width(), h = image.height();
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    std::vector<quint32> tmp;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            boxBlurLine(bits + static_cast<long>(y) * stride, w, 1, r, tmp);
        for (int x = 0; x < w; ++x)
            boxBlurLine(bits + x, h, stride, r, tmp);
    }
}

QImage blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Per-pixel mix of two images of the same size; weight(y) in 0..1 picks b.
template <typename Weight> QImage mixRows(const QImage& a, const QImage& b, Weight weight) {
    QImage out = a;
    for (int y = 0; y < a.height(); ++y) {
        const double t = std::clamp(weight(y), 0.0, 1.0);
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            auto lerp = [&](int u, int v) {
                return static_cast<int>(std::lround(u + (v - u) * t));
            };
            o[x] = qRgba(lerp(qRed(o[x]), qRed(pb[x])), lerp(qGreen(o[x]), qGreen(pb[x])),
                         lerp(qBlue(o[x]), qBlue(pb[x])), lerp(qAlpha(o[x]), qAlpha(pb[x])));
        }
    }
    return out;
}

// ---- The module, drawn flat --------------------------------------------------------------

constexpr double kModuleW = 800, kModuleH = 320, kModuleDepth = 70;

// Segment masks of the shown digits, bit 0 = A ... bit 6 = G, bit 7 = the point.
constexpr std::array<int, 4> kDigits = {0x06, 0x5B | 0x80, 0x4F, 0x66}; // "12.34"

QPainterPath segmentPath(QPointF a, QPointF b, double thickness, double gap) {
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length, n(-u.y(), u.x());
    const double h = thickness / 2;
    const QPointF s = a + u * gap, e = b - u * gap;
    QPainterPath path;
    path.moveTo(s);
    path.lineTo(s + u * h + n * h);
    path.lineTo(e - u * h + n * h);
    path.lineTo(e);
    path.lineTo(e - u * h - n * h);
    path.lineTo(s + u * h - n * h);
    path.closeSubpath();
    return path;
}

// One digit cell: seven slanted segments and the point, lit or dark.
void drawDigitCell(QPainter& p, QRectF cell, int mask, bool litOnly, const QBrush& lit,
                   const QBrush& dark) {
    const double slant = std::tan(8 * kPi / 180);
    const double t = cell.width() * 0.17;
    const double left = cell.left() + cell.width() * 0.18,
                 right = cell.right() - cell.width() * 0.22;
    const double top = cell.top() + t * 0.7, bottom = cell.bottom() - t * 0.7;
    const double mid = (top + bottom) / 2;
    const double yc = (top + bottom) / 2;
    auto at = [&](double x, double y) { return QPointF(x - (y - yc) * slant, y); };
    const std::array<std::pair<QPointF, QPointF>, 7> lines = {{
        {at(left, top), at(right, top)},
        {at(right, top), at(right, mid)},
        {at(right, mid), at(right, bottom)},
        {at(left, bottom), at(right, bottom)},
        {at(left, mid), at(left, bottom)},
        {at(left, top), at(left, mid)},
        {at(left, mid), at(right, mid)},
    }};
    for (std::size_t s = 0; s < lines.size(); ++s) {
        const bool on = (mask >> s) & 1;
        if (litOnly && !on)
            continue;
        p.fillPath(segmentPath(lines[s].first, lines[s].second, t, t * 0.12), on ? lit : dark);
    }
    const bool pointOn = mask & 0x80;
    if (!litOnly || pointOn) {
        p.setPen(Qt::NoPen);
        p.setBrush(pointOn ? lit : dark);
        p.drawEllipse(at(right + t * 1.25, bottom), t * 0.55, t * 0.55);
    }
}

QRectF digitCell(int i) {
    const double face = 36, cellW = (kModuleW - 2 * face) / 4;
    return {face + i * cellW, 46, cellW, kModuleH - 92};
}

// The front of the module: bezel, face, dark and lit segments.
QImage moduleFront(double scale) {
    const QSize size(static_cast<int>(kModuleW * scale), static_cast<int>(kModuleH * scale));
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    // Bezel: dark plastic, lit from above.
    QLinearGradient bezel(0, 0, 0, kModuleH);
    bezel.setColorAt(0, QColor(64, 64, 70));
    bezel.setColorAt(0.08, QColor(38, 38, 43));
    bezel.setColorAt(1, QColor(22, 22, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawRoundedRect(QRectF(0, 0, kModuleW, kModuleH), 14, 14);
    p.setPen(QPen(QColor(95, 95, 102), 2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(14, 2), QPointF(kModuleW - 14, 2));

    // The face, a step behind the bezel.
    const QRectF face(22, 22, kModuleW - 44, kModuleH - 44);
    QLinearGradient faceShade(0, face.top(), 0, face.bottom());
    faceShade.setColorAt(0, QColor(8, 8, 9));
    faceShade.setColorAt(0.5, QColor(14, 13, 14));
    faceShade.setColorAt(1, QColor(6, 6, 7));
    p.setPen(QPen(QColor(5, 5, 6), 3));
    p.setBrush(faceShade);
    p.drawRoundedRect(face, 4, 4);

    // Dark segments read as milky grey-red, lit ones as bright red with a hotter core.
    const QBrush dark(QColor(36, 29, 29));
    for (int i = 0; i < 4; ++i) {
        const QRectF cell = digitCell(i);
        QLinearGradient litShade(cell.topLeft(), cell.bottomLeft());
        litShade.setColorAt(0, QColor(255, 84, 56));
        litShade.setColorAt(0.5, QColor(255, 52, 30));
        litShade.setColorAt(1, QColor(230, 30, 18));
        drawDigitCell(p, cell, kDigits[static_cast<std::size_t>(i)], false, litShade, dark);
    }

    // A soft sheen across the face's glass.
    QLinearGradient sheen(0, face.top(), kModuleW * 0.6, face.bottom());
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 16));
    sheen.setColorAt(0.55, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRect(face);
    p.end();
    return image;
}

// Lit segments only, for the glow layer.
QImage moduleGlowSource(double scale) {
    const QSize size(static_cast<int>(kModuleW * scale), static_cast<int>(kModuleH * scale));
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QBrush lit(QColor(255, 52, 24));
    for (int i = 0; i < 4; ++i)
        drawDigitCell(p, digitCell(i), kDigits[static_cast<std::size_t>(i)], true, lit, lit);
    p.end();
    return image;
}

// ---- Camera ----------------------------------------------------------------------------------

struct Vec3 {
    double x, y, z;
};

// The module stands on the table (world y = kModuleH / 2 is the table top, y grows downwards),
// turned about the vertical axis; the camera looks slightly down on it.
class Camera {
public:
    QPointF project(Vec3 local, bool mirrored = false) const {
        const double yaw = -24 * kPi / 180, pitch = 14 * kPi / 180;
        Vec3 w{local.x * std::cos(yaw) + local.z * std::sin(yaw), local.y,
               -local.x * std::sin(yaw) + local.z * std::cos(yaw)};
        if (mirrored)
            w.y = kModuleH - w.y; // mirrored in the table top
        const Vec3 c{w.x, w.y * std::cos(pitch) - w.z * std::sin(pitch),
                     w.y * std::sin(pitch) + w.z * std::cos(pitch) + 2700};
        return {500 + 2650 * c.x / c.z, 400 + 2650 * c.y / c.z};
    }

    // The four corners of the module's front (z = 0), in the flat picture's corner order.
    QPolygonF front(bool mirrored = false) const { return face(0, mirrored); }
    QPolygonF back() const { return face(kModuleDepth, false); }
    // Where the table top at this depth behind the module meets the frame.
    double tableY(double depth) const { return project({0, kModuleH / 2, depth}).y(); }

private:
    QPolygonF face(double z, bool mirrored) const {
        const double hw = kModuleW / 2, hh = kModuleH / 2;
        return QPolygonF{project({-hw, -hh, z}, mirrored), project({hw, -hh, z}, mirrored),
                         project({hw, hh, z}, mirrored), project({-hw, hh, z}, mirrored)};
    }
};

void drawTextured(QPainter& p, const QImage& texture, const QPolygonF& quad) {
    QTransform map;
    const double w = texture.width(), h = texture.height();
    if (!QTransform::quadToQuad(QPolygonF{{0, 0}, {w, 0}, {w, h}, {0, h}}, quad, map))
        throw std::runtime_error("degenerate module quad");
    p.save();
    p.setTransform(map, true);
    p.drawImage(QPointF(0, 0), texture);
    p.restore();
}

// ---- The scene -------------------------------------------------------------------------------

// Renders the part `view` of the scene (scene units) into an image of `out` pixels.
QImage renderScene(QSize out, QRectF view) {
    const QSize work = out * kOversample;
    const double k = work.width() / view.width(); // working pixels per scene unit
    const QTransform toWork = QTransform::fromScale(k, k).translate(-view.left(), -view.top());
    auto workY = [&](double sceneY) { return (sceneY - view.top()) * k; };
    const Camera camera;
    std::mt19937 random(20260611);

    // The room behind the table: dark, with a few out-of-focus lights.
    const double tableBack = camera.tableY(1500);
    QImage far = blank(work);
    {
        QPainter p(&far);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(toWork);
        QLinearGradient room(0, 0, 0, tableBack);
        room.setColorAt(0, QColor(14, 16, 22));
        room.setColorAt(1, QColor(30, 30, 36));
        p.fillRect(QRectF(-200, -200, 1400, tableBack + 400), room);
        QLinearGradient table(0, tableBack, 0, 1200);
        table.setColorAt(0, QColor(26, 24, 26));
        table.setColorAt(0.3, QColor(12, 11, 12));
        table.setColorAt(1, QColor(4, 4, 5));
        p.fillRect(QRectF(-200, tableBack, 1400, 1400), table);
    }
    blur(far, 40 * k);

    {
        // Bokeh: soft-edged discs of the lamps far behind.
        QPainter p(&far);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(toWork);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        std::uniform_real_distribution<double> ux(-50, 1050), uy(-60, tableBack - 20), ur(18, 58),
            ua(0.10, 0.32), pick(0, 1);
        const QColor tints[] = {QColor(255, 168, 84), QColor(255, 120, 64), QColor(255, 210, 150),
                                QColor(96, 140, 255)};
        for (int i = 0; i < 18; ++i) {
            const QPointF c(ux(random), uy(random));
            const double r = ur(random);
            QColor tint = tints[static_cast<int>(pick(random) * 3.999)];
            tint.setAlphaF(static_cast<float>(ua(random)));
            QRadialGradient disc(c, r);
            disc.setColorAt(0, tint);
            disc.setColorAt(0.85, tint);
            QColor rim = tint;
            rim.setAlphaF(std::min(1.0f, tint.alphaF() * 1.4f));
            disc.setColorAt(0.95, rim);
            disc.setColorAt(1, QColor(0, 0, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(disc);
            p.drawEllipse(c, r, r);
        }
    }
    blur(far, 3 * k);

    const QImage front = moduleFront(2 * k);
    QImage glowSource = blank(work);
    {
        QPainter p(&glowSource);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        drawTextured(p, moduleGlowSource(k), toWork.map(camera.front()));
    }

    // The reflection on the glossy table: the module mirrored, fading and blurred.
    QImage reflection = blank(work);
    {
        QPainter p(&reflection);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setRenderHint(QPainter::Antialiasing);
        p.setOpacity(0.38);
        drawTextured(p, front, toWork.map(camera.front(true)));
        // The lit segments light the table under them too.
        QImage mirroredGlow = blank(work);
        {
            QPainter g(&mirroredGlow);
            g.setRenderHint(QPainter::SmoothPixmapTransform);
            drawTextured(g, moduleGlowSource(k), toWork.map(camera.front(true)));
        }
        blur(mirroredGlow, 16 * k);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.setOpacity(0.5);
        p.drawImage(0, 0, mirroredGlow);
        p.setOpacity(1);
        const double base = workY(camera.project({0, kModuleH / 2, 0}).y());
        QLinearGradient fade(0, base, 0, base + 260 * k);
        fade.setColorAt(0, QColor(0, 0, 0, 255));
        fade.setColorAt(1, QColor(0, 0, 0, 0));
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.fillRect(QRectF(0, 0, work.width(), work.height()), fade);
    }
    blur(reflection, 6 * k);

    // The module itself: top and side faces for its depth, then the front.
    QImage module = blank(work);
    {
        QPainter p(&module);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPolygonF f = toWork.map(camera.front()), b = toWork.map(camera.back());
        QLinearGradient topShade(f[0], b[0]);
        topShade.setColorAt(0, QColor(78, 78, 86));
        topShade.setColorAt(1, QColor(44, 44, 50));
        p.setPen(Qt::NoPen);
        p.setBrush(topShade);
        p.drawPolygon(QPolygonF{f[0], f[1], b[1], b[0]});
        p.setBrush(QColor(20, 20, 23));
        p.drawPolygon(QPolygonF{f[1], b[1], b[2], f[2]});
        drawTextured(p, front, f);
        // Contact shadow where it stands on the table.
        p.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        QLinearGradient shadow(0, f[3].y() - 4 * k, 0, f[3].y() + 24 * k);
        shadow.setColorAt(0, QColor(0, 0, 0, 200));
        shadow.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(shadow);
        p.drawPolygon(QPolygonF{f[3] + QPointF(-20 * k, -4 * k), f[2] + QPointF(20 * k, -4 * k),
                                f[2] + QPointF(30 * k, 24 * k), f[3] + QPointF(-30 * k, 24 * k)});
    }

    // Light falling off around the lit segments, a tight halo and a wide one.
    QImage glowTight = glowSource, glowWide = glowSource;
    blur(glowTight, 7 * k);
    blur(glowWide, 34 * k);

    QImage photo = far;
    {
        QPainter p(&photo);
        p.drawImage(0, 0, reflection);
        p.drawImage(0, 0, module);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.setOpacity(1.0);
        p.drawImage(0, 0, glowTight);
        p.setOpacity(0.8);
        p.drawImage(0, 0, glowWide);
    }

    // Depth of field: sharp on the module's front, softer towards the front edge of the table.
    const double sharpTop = workY(camera.front()[1].y()) - 40 * k;
    const double sharpBottom = workY(camera.front()[3].y()) + 30 * k;
    QImage soft = photo;
    blur(soft, 14 * k);
    photo = mixRows(photo, soft, [&](int y) {
        if (y < sharpTop)
            return (sharpTop - y) / (120 * k);
        if (y > sharpBottom)
            return (y - sharpBottom) / (160 * k);
        return 0.0;
    });

    QImage small = photo.scaled(out, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);

    // Vignette, a warm grade and a little sensor noise.
    std::normal_distribution<double> grain(0, out.width() > 100 ? 2.2 : 0.8);
    const QPointF centre(out.width() / 2.0, out.height() / 2.0);
    const double reach = std::hypot(centre.x(), centre.y());
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const double d = std::hypot(x - centre.x(), y - centre.y()) / reach;
            const double v = 1 - 0.45 * d * d;
            const double n = grain(random);
            auto channel = [&](int c, double gain) {
                return std::clamp(static_cast<int>(std::lround(c * v * gain + n)), 0, 255);
            };
            line[x] = qRgb(channel(qRed(line[x]), 1.03), channel(qGreen(line[x]), 1.0),
                           channel(qBlue(line[x]), 0.97));
        }
    }
    return small;
}

void save(const QImage& image, const QString& path) {
    if (!image.save(path, "JPG", 92))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void drawAboutPictures(const QDir& out) {
    save(renderScene({253, 238}, kPhotoFrame), out.filePath(QStringLiteral("about_photo.jpg")));
    // The thumbnail frames the module closer, at its own aspect.
    const QPointF centre = Camera().project({0, 0, kModuleDepth / 2});
    const QRectF close(centre.x() - 430, centre.y() - 358, 860, 716);
    save(renderScene({48, 40}, close), out.filePath(QStringLiteral("about_thumbnail.jpg")));
}

[[maybe_unused]] const bool registered =
    registerDrawing(QStringLiteral("about-pictures"), drawAboutPictures);

} // namespace
