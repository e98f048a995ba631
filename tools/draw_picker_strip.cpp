// The element picker's strip: four light-blue hatched fields reading the kinds of code they
// add, with see-through gaps between them in which the picker's orange panel shows.

#include "artwork.h"
#include "picker_strip.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

using tamrik::ColumnRange;

const QColor kFrame(0, 0, 0);
const QColor kFieldFill(198, 228, 255);
const QColor kHatch(160, 204, 246);
const QColor kGapEdge(40, 40, 64);
const QColor kDigits(0, 0, 96);

QRect columns(const ColumnRange& range, int top, int bottom) {
    return QRect(QPoint(range.first, top), QPoint(range.last, bottom));
}

void drawField(QPainter& p, const ColumnRange& range, const QString& caption) {
    const QRect box = columns(range, 1, tamrik::kStripHeight - 2);
    p.save();
    p.setClipRect(box);
    p.fillRect(box, kFieldFill);
    // Diagonal hatching, one line every four pixels.
    p.setPen(kHatch);
    for (int x = box.left() - box.height(); x <= box.right(); x += 4)
        p.drawLine(x, box.bottom(), x + box.height(), box.top());
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(14);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(font);
    p.setPen(kDigits);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawText(box, Qt::AlignCenter, caption);
    p.restore();
}

void drawGap(QPainter& p, const ColumnRange& range) {
    // Dark edges; the middle stays transparent.
    p.fillRect(columns({range.first, range.first}, 1, tamrik::kStripHeight - 2), kGapEdge);
    p.fillRect(columns({range.last, range.last}, 1, tamrik::kStripHeight - 2), kGapEdge);
}

void drawStrip(const QDir& out) {
    QImage image(tamrik::kStripWidth, tamrik::kStripHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QString captions[] = {QStringLiteral("0b00000000"), QStringLiteral("0x00"),
                                QStringLiteral("0b00000000"), QStringLiteral("0x00")};
    for (std::size_t i = 0; i < tamrik::kStripBoxes.size(); ++i)
        drawField(p, tamrik::kStripBoxes[i], captions[i]);
    for (const ColumnRange& gap : tamrik::kStripGaps)
        drawGap(p, gap);
    p.setPen(kFrame);
    p.drawRect(0, 0, tamrik::kStripWidth - 1, tamrik::kStripHeight - 1);
    p.end();
    image.save(out.filePath(QStringLiteral("picker_strip.png")));
}

const bool registered = registerDrawing(QStringLiteral("picker_strip"), drawStrip);

} // namespace
