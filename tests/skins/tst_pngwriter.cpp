// The skin bitmaps' PNG files: opaque pictures without an alpha channel, others with it,
// every pixel kept, rows unfiltered, and a file that cannot be written reported.

#include "tools/skingen/png_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

namespace {

quint32 be32(const QByteArray& bytes, qsizetype at)
{
    return quint32(uchar(bytes[at])) << 24 | quint32(uchar(bytes[at + 1])) << 16 | quint32(uchar(bytes[at + 2])) << 8
        | quint32(uchar(bytes[at + 3]));
}

// The inflated image data of a PNG file: every IDAT chunk's data, joined and inflated.
QByteArray imageData(const QByteArray& file, qsizetype expected)
{
    QByteArray deflated;
    for (qsizetype at = 8; at + 12 <= file.size();) {
        const qsizetype length = qsizetype(be32(file, at));
        if (file.mid(at + 4, 4) == "IDAT")
            deflated += file.mid(at + 8, length);
        at += 12 + length;
    }
    QByteArray rows(expected, '\0');
    uLongf size = uLongf(expected);
    if (uncompress(reinterpret_cast<Bytef*>(rows.data()), &size, reinterpret_cast<const Bytef*>(deflated.constData()),
                   uLong(deflated.size()))
        != Z_OK)
        return QByteArray();
    return rows.left(qsizetype(size));
}

} // namespace

class tst_PngWriter : public QObject
{
    Q_OBJECT

private slots:
    void keepsEveryPixelWithTheLeastChannels_data()
    {
        QTest::addColumn<bool>("withAlpha");
        QTest::addColumn<int>("colourType");
        QTest::addColumn<int>("bytesPerPixel");
        QTest::newRow("opaque: RGB") << false << 2 << 3;
        QTest::newRow("with transparent pixels: RGBA") << true << 6 << 4;
    }

    void keepsEveryPixelWithTheLeastChannels()
    {
        QFETCH(bool, withAlpha);
        QFETCH(int, colourType);
        QFETCH(int, bytesPerPixel);
        QImage image(7, 5, QImage::Format_ARGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                image.setPixel(x, y, qRgba(30 * x, 40 * y, 255 - 9 * x * y, withAlpha && x == y ? 0 : 255));
        QTemporaryDir dir;
        const QString path = dir.filePath("strip.png");
        QString error;
        QVERIFY(writeSkinPng(image, path, &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(int(bytes[24]), 8);
        QCOMPARE(int(bytes[25]), colourType);
        // One filter byte before each row, and none of them filters.
        const qsizetype rowBytes = 1 + 7 * bytesPerPixel;
        const QByteArray rows = imageData(bytes, 5 * rowBytes);
        QCOMPARE(rows.size(), 5 * rowBytes);
        for (int y = 0; y < 5; ++y)
            QCOMPARE(int(rows[y * rowBytes]), 0);
        const QImage back(path);
        QCOMPARE(back.size(), image.size());
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                QCOMPARE(back.pixel(x, y), image.pixel(x, y));
    }

    void anUnwritableFileIsReported()
    {
        QTemporaryDir dir;
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QString error;
        QVERIFY(!writeSkinPng(image, dir.filePath("absent/strip.png"), &error));
        QVERIFY(error.contains("absent/strip.png"));
    }
};

QTEST_MAIN(tst_PngWriter)
#include "tst_pngwriter.moc"
