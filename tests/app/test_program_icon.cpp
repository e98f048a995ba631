// Reads the Windows icon back byte by byte: the directory, each image's header, and the pixels
// against the PNG of the same artwork that Linux uses.

#include "app_test_support.h"

#include <QFile>
#include <QImage>

#include <algorithm>
#include <set>

namespace {

const QString kResources = QStringLiteral(TAMRIK_RESOURCES_DIR);

quint32 le16(const QByteArray& data, qsizetype at) {
    return static_cast<quint8>(data[at]) | static_cast<quint8>(data[at + 1]) << 8;
}

quint32 le32(const QByteArray& data, qsizetype at) {
    return le16(data, at) | le16(data, at + 2) << 16;
}

struct Entry {
    int width, height, colours, planes, bits;
    QByteArray data;
};

QByteArray readIco() {
    QFile file(kResources + QStringLiteral("/tamrik.ico"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The directory entries, each with the bytes it points at; empty if the file is malformed.
std::vector<Entry> entries(const QByteArray& ico) {
    if (ico.size() < 6 || le16(ico, 0) != 0 || le16(ico, 2) != 1)
        return {};
    const int count = static_cast<int>(le16(ico, 4));
    if (ico.size() < 6 + 16 * count)
        return {};
    std::vector<Entry> result;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 16 * i;
        const quint32 size = le32(ico, at + 8), offset = le32(ico, at + 12);
        if (offset < static_cast<quint32>(6 + 16 * count) ||
            offset + static_cast<qint64>(size) > ico.size())
            return {};
        result.push_back({static_cast<quint8>(ico[at]) ? static_cast<quint8>(ico[at]) : 256,
                          static_cast<quint8>(ico[at + 1]) ? static_cast<quint8>(ico[at + 1]) : 256,
                          static_cast<quint8>(ico[at + 2]), static_cast<int>(le16(ico, at + 4)),
                          static_cast<int>(le16(ico, at + 6)), ico.mid(offset, size)});
    }
    return result;
}

int rowBytes(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// Decodes an icon DIB (colour bits and AND mask, bottom-up); a null image if the header, the
// length or the mask does not fit the given size and depth.
QImage decodeDib(const QByteArray& dib, int size, int bits) {
    if (dib.size() < 40 || le32(dib, 0) != 40 || le32(dib, 4) != static_cast<quint32>(size) ||
        le32(dib, 8) != static_cast<quint32>(2 * size) || le16(dib, 12) != 1 ||
        le16(dib, 14) != static_cast<quint32>(bits) || le32(dib, 16) != 0)
        return {};
    const int paletteSize =
        bits <= 8 ? static_cast<int>(le32(dib, 32) ? le32(dib, 32) : 1u << bits) : 0;
    const int colourRow = rowBytes(size, bits), maskRow = rowBytes(size, 1);
    const qsizetype colourAt = 40 + 4 * paletteSize, maskAt = colourAt + colourRow * size;
    if (dib.size() != maskAt + maskRow * size)
        return {};
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        const qsizetype row = colourAt + static_cast<qsizetype>(size - 1 - y) * colourRow;
        const qsizetype mask = maskAt + static_cast<qsizetype>(size - 1 - y) * maskRow;
        for (int x = 0; x < size; ++x) {
            QRgb colour;
            if (bits == 32) {
                const auto* p = reinterpret_cast<const quint8*>(dib.constData() + row + 4 * x);
                colour = qRgba(p[2], p[1], p[0], p[3]);
            } else {
                const auto byte = static_cast<quint8>(dib[row + x * bits / 8]);
                const int index = bits == 8 ? byte : (x % 2 ? byte & 0x0F : byte >> 4);
                if (index >= paletteSize)
                    return {};
                const qsizetype entry = 40 + 4 * index;
                colour = qRgb(static_cast<quint8>(dib[entry + 2]),
                              static_cast<quint8>(dib[entry + 1]), static_cast<quint8>(dib[entry]));
            }
            const bool transparent = static_cast<quint8>(dib[mask + x / 8]) & (0x80 >> (x % 8));
            if (bits == 32) {
                // Alpha draws it; the mask, for old systems, has to agree.
                if (transparent != (qAlpha(colour) < 128))
                    return {};
                image.setPixel(x, y, colour);
            } else {
                image.setPixel(x, y, transparent ? qRgba(0, 0, 0, 0) : colour);
            }
        }
    }
    return image;
}

// Largest difference from the reference over black, and whether transparency matches (alpha
// below half is transparent in a 1-bit mask).
struct Difference {
    int colour = 0;
    int maskMismatches = 0;
};

// Blue, green, red, alpha for 0 to 3.
int channel(QRgb pixel, int index) {
    return static_cast<int>((pixel >> (8 * index)) & 0xFF);
}

Difference compare(const QImage& decoded, const QImage& reference, bool exactAlpha) {
    Difference d;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb want = reference.pixel(x, y), got = decoded.pixel(x, y);
            if (exactAlpha) {
                for (int c = 0; c < 4; ++c)
                    d.colour = std::max(d.colour, std::abs(channel(want, c) - channel(got, c)));
                continue;
            }
            const bool wantOpaque = qAlpha(want) >= 128, gotOpaque = qAlpha(got) == 255;
            if (wantOpaque != gotOpaque || (qAlpha(got) != 0 && qAlpha(got) != 255)) {
                ++d.maskMismatches;
                continue;
            }
            if (!wantOpaque)
                continue;
            const int a = qAlpha(want);
            for (int c = 0; c < 3; ++c)
                d.colour =
                    std::max(d.colour, std::abs(channel(want, c) * a / 255 - channel(got, c)));
        }
    }
    return d;
}

} // namespace

class TestProgramIcon : public QObject {
    Q_OBJECT

private slots:
    void directoryHoldsFifteenImages() {
        const QByteArray ico = readIco();
        QVERIFY(!ico.isEmpty());
        const std::vector<Entry> all = entries(ico);
        QCOMPARE(all.size(), std::size_t{15});
        std::set<std::pair<int, int>> seen;
        for (const Entry& e : all) {
            QCOMPARE(e.width, e.height);
            QCOMPARE(e.planes, 1);
            QCOMPARE(e.colours, e.bits == 4 ? 16 : 0);
            QVERIFY(seen.insert({e.bits, e.width}).second);
        }
        std::set<std::pair<int, int>> expected;
        for (int bits : {4, 8, 32})
            for (int size : {256, 48, 32, 24, 16})
                expected.insert({bits, size});
        QCOMPARE(seen, expected);
    }

    void imageMatchesTheArtwork_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("tolerance");
        // 16 colours reduce the grey edges to the nearest of black, grey and silver.
        for (auto [bits, tolerance] : {std::pair{4, 64}, {8, 1}, {32, 0}})
            for (int size : {256, 48, 32, 24, 16})
                QTest::addRow("%d-bit %dpx", bits, size) << bits << size << tolerance;
    }

    void imageMatchesTheArtwork() {
        QFETCH(int, bits);
        QFETCH(int, size);
        QFETCH(int, tolerance);
        const std::vector<Entry> all = entries(readIco());
        const auto entry = std::find_if(all.begin(), all.end(), [&](const Entry& e) {
            return e.bits == bits && e.width == size;
        });
        QVERIFY(entry != all.end());
        const QImage reference(kResources +
                               QStringLiteral("/icons/hicolor/%1x%1/apps/tamrik.png").arg(size));
        QCOMPARE(reference.size(), QSize(size, size));

        QImage decoded;
        if (size == 256) {
            // Stored as PNG, 8 bits per channel with alpha, whatever depth it is filed under.
            const QByteArray& png = entry->data;
            QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
            QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
            QCOMPARE(png.mid(16, 8), QByteArray("\0\0\1\0\0\0\1\0", 8)); // 256 x 256
            QCOMPARE(static_cast<int>(png[24]), 8);
            QCOMPARE(static_cast<int>(png[25]), 6); // RGBA
            decoded = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(decoded.size(), QSize(256, 256));
        } else {
            decoded = decodeDib(entry->data, size, bits);
            QVERIFY2(!decoded.isNull(), "bitmap header or length does not fit");
        }
        const Difference d =
            compare(decoded, reference.convertToFormat(QImage::Format_ARGB32), bits == 32);
        QCOMPARE(d.maskMismatches, 0);
        QVERIFY2(d.colour <= tolerance, qPrintable(QString::number(d.colour)));
        // Light grey on black: both are there, nothing else but the reductions' greys.
        bool lit = false, black = false;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = decoded.pixel(x, y);
                QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
                lit = lit || (qAlpha(p) == 255 && qRed(p) >= 180);
                black = black || (qAlpha(p) == 255 && qRed(p) == 0);
            }
        QVERIFY(lit && black);
    }
};

TAMRIK_TEST_MAIN(TestProgramIcon)
#include "test_program_icon.moc"
