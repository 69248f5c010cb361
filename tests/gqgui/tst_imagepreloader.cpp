// The skin's image preloader and its jobs: sizes from the header before decoding, each
// file read and decoded once, pictures that survive the deletion of their files, bad
// files falling back to the missing-bitmap path, and helpers that stop cleanly.

#include "gqgui/bench_master.h"
#include "gqgui/gui_image.h"
#include "gqgui/image_job.h"
#include "gqgui/image_preloader.h"
#include "tests/gqgui/test_bench.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray pngBytes(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A bitmap whose header names a size far beyond what the decoder allocates.
QByteArray hugeHeader()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    // Width and height, little-endian 32-bit, at offsets 18 and 22 of the file.
    const char huge[8] = {0, 0, 1, 0, 0, 0, 1, 0}; // 65536 x 65536
    bytes.replace(18, 8, QByteArray(huge, 8));
    return bytes;
}

// A bench master without a window, that keeps no log.
class tcQuietBenchMaster : public tcBenchMaster
{
public:
    explicit tcQuietBenchMaster(const QString& folder) : tcBenchMaster(nullptr, folder) {}
    void fitWindow() override {}
    void log(const char*, ...) override {}
};

} // namespace

class tst_ImagePreloader : public QObject
{
    Q_OBJECT

private slots:
    void aJobKnowsItsSizeAndDecodesOnce()
    {
        tcImageJob job(pngBytes(30, 12, 0xFF336699));
        QCOMPARE(job.size(), QSize(30, 12));
        const QImage picture = job.take();
        QCOMPARE(picture.size(), QSize(30, 12));
        QCOMPARE(picture.pixel(29, 11), 0xFF336699u);
        job.decodeIfPending(); // done already: nothing happens
        QVERIFY(job.take().isNull());
    }

    void badBytesHaveNoSize_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("just some text, no picture");
        QTest::newRow("header too large to decode") << hugeHeader();
    }

    void badBytesHaveNoSize()
    {
        QFETCH(QByteArray, bytes);
        tcImageJob job(bytes);
        QVERIFY(!job.size().isValid());
        QVERIFY(job.take().isNull());
    }

    void everyPlainFileOnceAndOthersNot()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.png");
        const QString b = dir.filePath("b.png");
        writeFile(a, pngBytes(8, 8, 0xFFFF0000));
        writeFile(b, pngBytes(64, 4, 0xFF00FF00));
        const tcImagePreloader preloader({a, b, a, QString(), dir.path(), "/dev/zero", dir.filePath("absent.png")});
        QVERIFY(preloader.job(a));
        QVERIFY(preloader.job(b));
        QCOMPARE(preloader.job(a), preloader.job(a));
        QVERIFY(!preloader.job(dir.path()));
        QVERIFY(!preloader.job("/dev/zero"));
        QVERIFY(!preloader.job(dir.filePath("absent.png")));
        QCOMPARE(preloader.job(b)->size(), QSize(64, 4));
    }

    void picturesOutliveTheirFilesAndThePreloader()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 40; ++i) {
            paths << dir.filePath(QStringLiteral("p%1.png").arg(i));
            writeFile(paths.back(), pngBytes(100 + i, 50, qRgb(i, 0, 0)));
        }
        std::vector<std::shared_ptr<tcImageJob>> jobs;
        {
            tcImagePreloader preloader(paths);
            for (const QString& path : paths)
                jobs.push_back(preloader.job(path));
            QVERIFY(dir.remove());
            // Half taken through the preloader while its helpers run...
            for (int i = 0; i < 20; ++i)
                QCOMPARE(preloader.take(*jobs[size_t(i)]).pixel(0, 0), qRgb(i, 0, 0));
        } // ...the helpers stop here, whatever they were doing...
        // ...and the rest decode without them.
        for (int i = 20; i < 40; ++i) {
            const QImage picture = jobs[size_t(i)]->take();
            QCOMPARE(picture.width(), 100 + i);
            QCOMPARE(picture.pixel(0, 0), qRgb(i, 0, 0));
        }
    }

    void aLoadedSkinDrawsAfterItsFolderIsGone()
    {
        // As with a packed skin: the unpacked folder is deleted right after loading.
        auto dir = std::make_unique<QTemporaryDir>();
        writeStrip(QDir(dir->path()), QStringLiteral("strip.png"), 2, 12, 30);
        writeFile(dir->filePath("wide.png"), pngBytes(300, 20, 0xFF123456));
        writeFile(dir->filePath("broken.png"), pngBytes(40, 40, 0xFF000000).chopped(16));
        writeFile(dir->filePath("skin.xml"), "<skin>\n"
                                             "<image id=\"STRIP\" file=\"strip.png\" sections=\"2\"/>\n"
                                             "<image id=\"WIDE\" file=\"wide.png\"/>\n"
                                             "<image id=\"BROKEN\" file=\"broken.png\"/>\n"
                                             "<image id=\"HUGE\" file=\"huge.bmp\"/>\n"
                                             "<lamp id=\"LAMP\"><bitmap image=\"STRIP\"/></lamp>\n"
                                             "</skin>\n");
        writeFile(dir->filePath("huge.bmp"), hugeHeader());
        tcQuietBenchMaster bench(dir->path());
        QCOMPARE(bench.load(), 0);
        dir.reset();
        const auto image = [&bench](const char* id) {
            return dynamic_cast<tcGuiImage*>(bench.objects().find(QString::fromLatin1(id)));
        };
        QCOMPARE(bench.objects().find(QStringLiteral("LAMP"))->bounds().size(), QSize(12, 30));
        QCOMPARE(image("WIDE")->width(), 300);
        QImage target(320, 40, QImage::Format_ARGB32_Premultiplied);
        target.fill(0xFF000000);
        QPainter painter(&target);
        image("WIDE")->drawAt(painter, 10, 10);
        image("STRIP")->drawSection(painter, 0, 0, 1);
        painter.end();
        QCOMPARE(target.pixel(309, 29), 0xFF123456u);
        QCOMPARE(target.pixel(0, 0), sectionColor(1));
        // A header that reads but a body cut short: the header's size, no picture (the
        // placeholder is drawn); a header too large to decode: the missing-bitmap size.
        QCOMPARE(image("BROKEN")->width(), 40);
        QVERIFY(!image("BROKEN")->hasPixmap());
        QCOMPARE(image("HUGE")->width(), tcGuiImage::MISSING_SIZE);
        QVERIFY(!image("HUGE")->hasPixmap());
    }
};

QTEST_MAIN(tst_ImagePreloader)
#include "tst_imagepreloader.moc"
