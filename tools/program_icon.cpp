// The program icon: a seven-segment digit with every segment and the point lit, light grey on
// black. Writes the Windows icon (fifteen images: 16 colours, 256 colours and 32 bits with alpha,
// each at 256, 48, 32, 24 and 16 pixels) and the PNG sizes the Linux icon theme uses.
//
// Qt's own .ico writer stores every image as a 32-bit bitmap, so the container is written here:
// ICONDIR, one ICONDIRENTRY per image, then each image as a bottom-up DIB (BITMAPINFOHEADER,
// palette, colour bits, AND mask) or, for the 256-pixel ones, as a PNG stream.

#include "artwork.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

const QColor kSegment(200, 200, 200);
const QColor kBackground(0, 0, 0);

// Pixel-fitted rectangles for the small sizes, where pointed segment ends would blur into grey.
struct SmallDigit {
    int x0, y0, width, height, thickness;
    int pointX;
};

void drawSmallDigit(QPainter& p, const SmallDigit& d) {
    const int t = d.thickness;
    const int midY = d.y0 + (d.height - t) / 2;
    const int botY = d.y0 + d.height - t;
    const int inner = d.width - 2 * t;
    const int upper = midY - d.y0 - t;
    const int lower = botY - midY - t;
    const int right = d.x0 + d.width - t;
    const QRect rects[] = {
        {d.x0 + t, d.y0, inner, t},  // A
        {right, d.y0 + t, t, upper}, // B
        {right, midY + t, t, lower}, // C
        {d.x0 + t, botY, inner, t},  // D
        {d.x0, midY + t, t, lower},  // E
        {d.x0, d.y0 + t, t, upper},  // F
        {d.x0 + t, midY, inner, t},  // G
        {d.pointX, botY, t, t},      // H
    };
    for (const QRect& r : rects)
        p.fillRect(r, kSegment);
}

// Segments with pointed ends around the digit's centre lines, for 32 pixels and up.
void drawDigit(QPainter& p, double size) {
    const double t = 0.115 * size;
    const double gap = std::max(0.6, 0.012 * size);
    const double left = 0.175 * size + t / 2, right = 0.615 * size - t / 2;
    const double top = 0.13 * size + t / 2, bottom = 0.87 * size - t / 2;
    const double mid = (top + bottom) / 2;
    const double h = t / 2;

    auto horizontal = [&](double y) {
        const double l = left + gap, r = right - gap;
        QPainterPath path;
        path.moveTo(l, y);
        path.lineTo(l + h, y - h);
        path.lineTo(r - h, y - h);
        path.lineTo(r, y);
        path.lineTo(r - h, y + h);
        path.lineTo(l + h, y + h);
        path.closeSubpath();
        return path;
    };
    auto vertical = [&](double x, double y0, double y1) {
        const double a = y0 + gap, b = y1 - gap;
        QPainterPath path;
        path.moveTo(x, a);
        path.lineTo(x + h, a + h);
        path.lineTo(x + h, b - h);
        path.lineTo(x, b);
        path.lineTo(x - h, b - h);
        path.lineTo(x - h, a + h);
        path.closeSubpath();
        return path;
    };

    QLinearGradient light(0, top - h, 0, bottom + h);
    light.setColorAt(0, kSegment.lighter(108));
    light.setColorAt(1, kSegment.darker(106));
    const QBrush brush = size >= 48 ? QBrush(light) : QBrush(kSegment);
    for (const QPainterPath& segment :
         {horizontal(top), vertical(right, top, mid), vertical(right, mid, bottom),
          horizontal(bottom), vertical(left, mid, bottom), vertical(left, top, mid),
          horizontal(mid)})
        p.fillPath(segment, brush);
    const double point = 1.15 * t;
    p.setBrush(brush);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0.775 * size, bottom), point / 2, point / 2);
}

// The 32-bit artwork: a black rounded square carrying the digit.
QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = std::max(1.5, size * 0.14);
    QPainterPath square;
    square.addRoundedRect(QRectF(0, 0, size, size), radius, radius);
    p.fillPath(square, kBackground);
    if (size >= 48) {
        // A faint rim so the black square still stands out on a dark panel.
        p.setPen(QPen(QColor(70, 70, 70), size / 96.0));
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), radius - 0.5, radius - 0.5);
    }
    if (size == 16) {
        p.setRenderHint(QPainter::Antialiasing, false);
        drawSmallDigit(p, {3, 2, 8, 12, 2, 12});
    } else if (size == 24) {
        p.setRenderHint(QPainter::Antialiasing, false);
        drawSmallDigit(p, {4, 3, 11, 17, 3, 17});
    } else {
        drawDigit(p, size);
    }
    p.end();
    return image;
}

using Palette = std::vector<QRgb>;

Palette windows16() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// The artwork is grey only, so a grey ramp renders it exactly at 256 colours.
Palette greys256() {
    Palette palette;
    for (int i = 0; i < 256; ++i)
        palette.push_back(qRgb(i, i, i));
    return palette;
}

int nearest(const Palette& palette, QRgb colour) {
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = qRed(colour) - qRed(palette[i]);
        const long dg = qGreen(colour) - qGreen(palette[i]);
        const long db = qBlue(colour) - qBlue(palette[i]);
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

bool opaque(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

// Palette index of each pixel, the colour taken over black (what a 1-bit mask can show).
std::vector<int> quantise(const QImage& art, const Palette& palette) {
    std::vector<int> indices;
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            const QRgb pixel = art.pixel(x, y);
            if (!opaque(pixel)) {
                indices.push_back(0);
                continue;
            }
            const int a = qAlpha(pixel);
            const QRgb overBlack =
                qRgb(qRed(pixel) * a / 255, qGreen(pixel) * a / 255, qBlue(pixel) * a / 255);
            indices.push_back(nearest(palette, overBlack));
        }
    }
    return indices;
}

// The reduced image as it shows, for the PNG-stored 256-pixel entries of the palette depths.
QImage reduced(const QImage& art, const Palette& palette) {
    const std::vector<int> indices = quantise(art, palette);
    QImage image(art.size(), QImage::Format_ARGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            image.setPixel(x, y,
                           opaque(art.pixel(x, y))
                               ? palette[indices[static_cast<std::size_t>(y * art.width() + x)]]
                               : qRgba(0, 0, 0, 0));
    return image;
}

void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

int rowBytes(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// A DIB as icons store it: height doubled for the AND mask that follows the colour bits, rows
// bottom-up, each padded to four bytes.
QByteArray dib(const QImage& art, int bits) {
    const int w = art.width(), h = art.height();
    const Palette palette = bits == 4 ? windows16() : bits == 8 ? greys256() : Palette{};
    const std::vector<int> indices = palette.empty() ? std::vector<int>{} : quantise(art, palette);
    const int colourRow = rowBytes(w, bits), maskRow = rowBytes(w, 1);

    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<quint32>(w));
    put32(out, static_cast<quint32>(2 * h));
    put16(out, 1);
    put16(out, bits);
    put32(out, 0); // BI_RGB
    put32(out, static_cast<quint32>((colourRow + maskRow) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, static_cast<quint32>(palette.size()));
    put32(out, 0);
    for (QRgb colour : palette) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = art.pixel(x, y);
            if (bits == 32) {
                row[4 * x] = static_cast<char>(qBlue(pixel));
                row[4 * x + 1] = static_cast<char>(qGreen(pixel));
                row[4 * x + 2] = static_cast<char>(qRed(pixel));
                row[4 * x + 3] = static_cast<char>(qAlpha(pixel));
                continue;
            }
            const int index = indices[static_cast<std::size_t>(y * w + x)];
            if (bits == 8)
                row[x] = static_cast<char>(index);
            else
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < w; ++x)
            if (!opaque(art.pixel(x, y)))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
        throw std::runtime_error("PNG encoding failed");
    return bytes;
}

struct IconImage {
    int size;
    int bits;
    QByteArray data;
};

QByteArray icoFile(const std::vector<IconImage>& images) {
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, static_cast<int>(images.size()));
    quint32 offset = static_cast<quint32>(6 + 16 * images.size());
    for (const IconImage& image : images) {
        out.append(static_cast<char>(image.size >= 256 ? 0 : image.size));
        out.append(static_cast<char>(image.size >= 256 ? 0 : image.size));
        out.append(static_cast<char>(image.bits == 4 ? 16 : 0));
        out.append('\0');
        put16(out, 1);
        put16(out, image.bits);
        put32(out, static_cast<quint32>(image.data.size()));
        put32(out, offset);
        offset += static_cast<quint32>(image.data.size());
    }
    for (const IconImage& image : images)
        out.append(image.data);
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void drawProgramIcon(const QDir& out) {
    std::vector<IconImage> images;
    for (int bits : {4, 8, 32}) {
        for (int size : {256, 48, 32, 24, 16}) {
            const QImage art = drawIcon(size);
            QByteArray data;
            if (size == 256)
                data = png(bits == 32 ? art : reduced(art, bits == 4 ? windows16() : greys256()));
            else
                data = dib(art, bits);
            images.push_back({size, bits, data});
        }
    }
    writeFile(out.filePath(QStringLiteral("tamrik.ico")), icoFile(images));

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        out.mkpath(folder);
        writeFile(out.filePath(folder + QStringLiteral("/tamrik.png")), png(drawIcon(size)));
    }
}

[[maybe_unused]] const bool registered = registerDrawing(QStringLiteral("icon"), drawProgramIcon);

} // namespace
