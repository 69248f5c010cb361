#include "gqgui/gui_image.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr QRgb PAPER = 0xFF102030;
constexpr QRgb WHITE = 0xFFFFFFFF;
constexpr QRgb RED = 0xFFFF0000;

QImage paper(int w = 64, int h = 40)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(PAPER);
    return image;
}
} // namespace

class tst_GuiImage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // A loaded image of a strip of `sections` sections of 10 x 8.
    std::unique_ptr<tcGuiImage> strip(int sections)
    {
        auto image = std::make_unique<tcGuiImage>(QStringLiteral("img"), nullptr, 1);
        image->setFile(writeStrip(QDir(m_dir.path()), QStringLiteral("strip%1.png").arg(sections), sections, 10, 8));
        image->setSections(sections);
        image->finishLoading();
        return image;
    }

private slots:
    void takesItsSizeFromTheBitmap()
    {
        const auto image = strip(4);
        QVERIFY(image->hasPixmap());
        QCOMPARE(image->width(), 40);
        QCOMPARE(image->height(), 8);
        QCOMPARE(image->sectionWidth(), 10);
        QCOMPARE(image->bounds(), QRect(0, 0, 40, 8));
        QVERIFY(!image->acceptsPress());
    }

    void drawsTheSectionAskedFor_data()
    {
        QTest::addColumn<int>("section");
        QTest::newRow("first") << 0;
        QTest::newRow("middle") << 2;
        QTest::newRow("last") << 3;
    }

    void drawsTheSectionAskedFor()
    {
        QFETCH(int, section);
        const auto image = strip(4);
        QImage target = paper();
        QPainter painter(&target);
        image->drawSection(painter, 5, 6, section);
        painter.end();
        QCOMPARE(sectionAt(target, 5, 6), section);
        QCOMPARE(sectionAt(target, 14, 13), section);
        QCOMPARE(target.pixel(15, 6), PAPER);
        QCOMPARE(target.pixel(5, 14), PAPER);
    }

    void drawsAPartOfASectionButNeverItsNeighbour()
    {
        const auto image = strip(4);
        QImage target = paper();
        QPainter painter(&target);
        image->drawSectionPart(painter, 0, 0, 1, QRect(2, 1, 3, 3));
        image->drawSectionPart(painter, 0, 20, 1, QRect(5, 0, 20, 8));   // runs past the section
        painter.end();
        QCOMPARE(sectionAt(target, 0, 0), 1);
        QCOMPARE(sectionAt(target, 2, 2), 1);
        QCOMPARE(target.pixel(3, 0), PAPER);
        QCOMPARE(target.pixel(0, 3), PAPER);
        QCOMPARE(sectionAt(target, 4, 20), 1);
        QCOMPARE(target.pixel(5, 20), PAPER);
    }

    void missingSectionOrBitmapDrawsThePlaceholder_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("section");
        QTest::newRow("section equal to the count") << true << 4;
        QTest::newRow("negative section") << true << -1;
        QTest::newRow("no bitmap file") << false << 0;
    }

    void missingSectionOrBitmapDrawsThePlaceholder()
    {
        QFETCH(bool, loaded);
        QFETCH(int, section);
        auto image = loaded ? strip(4) : std::make_unique<tcGuiImage>(QStringLiteral("none"), nullptr, 1);
        if (!loaded) {
            image->setFile(m_dir.filePath(QStringLiteral("absent.png")));
            image->finishLoading();
            QCOMPARE(image->width(), 20);
            QCOMPARE(image->height(), 20);
            QVERIFY(!image->hasPixmap());
        }
        QImage target = paper();
        QPainter painter(&target);
        image->drawSection(painter, 10, 10, section);
        painter.end();
        // White 16 x 16 square with a red outline and both diagonals.
        QCOMPARE(target.pixel(10, 10), RED);
        QCOMPARE(target.pixel(18, 10), RED);
        QCOMPARE(target.pixel(10, 18), RED);
        QCOMPARE(target.pixel(25, 18), RED);
        QCOMPARE(target.pixel(18, 25), RED);
        QCOMPARE(target.pixel(15, 15), RED);   // diagonal
        QCOMPARE(target.pixel(15, 20), RED);   // other diagonal
        QCOMPARE(target.pixel(18, 13), WHITE);
        QCOMPARE(target.pixel(13, 18), WHITE);
        QCOMPARE(target.pixel(26, 18), PAPER);
        QCOMPARE(target.pixel(18, 26), PAPER);
    }

    void drawsScaledAndWhole()
    {
        const auto image = strip(2);   // 20 x 8: section 0 left, 1 right
        QImage target = paper();
        QPainter painter(&target);
        image->drawScaled(painter, QRect(0, 0, 40, 16));
        image->setX(0);
        image->setY(30);
        image->paint(painter);
        painter.end();
        QCOMPARE(sectionAt(target, 19, 15), 0);
        QCOMPARE(sectionAt(target, 20, 0), 1);
        QCOMPARE(target.pixel(40, 0), PAPER);
        QCOMPARE(sectionAt(target, 19, 37), 1);
        QCOMPARE(target.pixel(20, 37), PAPER);
    }

    void transparentColourBecomesTransparent()
    {
        QImage source(4, 2, QImage::Format_RGB32);
        source.fill(QColor(255, 0, 255));
        source.setPixel(0, 0, qRgb(1, 2, 3));
        const QString path = m_dir.filePath(QStringLiteral("trans.png"));
        QVERIFY(source.save(path));
        tcGuiImage image(QStringLiteral("t"), nullptr, 1);
        image.setFile(path);
        image.setTransparentColor(0xFFFF00FF);
        image.finishLoading();
        QVERIFY(image.hasTransparentColor());
        QImage target = paper();
        QPainter painter(&target);
        image.drawAt(painter, 0, 0);
        painter.end();
        QCOMPARE(target.pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(target.pixel(1, 0), PAPER);
        QCOMPARE(target.pixel(3, 1), PAPER);
    }

    void loadsOnlyOnce()
    {
        const QString path = writeStrip(QDir(m_dir.path()), QStringLiteral("once.png"), 1, 6, 6);
        tcGuiImage image(QStringLiteral("o"), nullptr, 1);
        image.setFile(path);
        image.finishLoading();
        QVERIFY(QFile::remove(path));
        image.finishLoading();
        QVERIFY(image.hasPixmap());
        QCOMPARE(image.width(), 6);
    }

    void onlyPlainFilesAreRead()
    {
        // A device would be read without end; it gives the missing-bitmap size at once.
        tcGuiImage image(QStringLiteral("d"), nullptr, 1);
        image.setFile(QStringLiteral("/dev/zero"));
        image.finishLoading();
        QVERIFY(!image.hasPixmap());
        QCOMPARE(image.width(), tcGuiImage::MISSING_SIZE);
    }

    void fewerThanOneSectionCountsAsOne()
    {
        tcGuiImage image(QStringLiteral("s"), nullptr, 1);
        image.setSections(0);
        QCOMPARE(image.sections(), 1);
        image.setSections(-3);
        QCOMPARE(image.sections(), 1);
        QCOMPARE(image.sectionWidth(), 20);
    }

    void fileIsLookedUpInTheSharedFolderTwoLevelsUp()
    {
        QTemporaryDir root;
        QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("skins/blue")));
        QVERIFY(dir.mkpath(QStringLiteral("skin_images")));
        const QString skin = dir.filePath(QStringLiteral("skins/blue"));
        const QString shared = writeStrip(QDir(dir.filePath(QStringLiteral("skin_images"))), QStringLiteral("knob.png"), 1, 4, 4);

        QCOMPARE(tcGuiImage::resolveFile(QStringLiteral("knob.png"), skin), QDir::cleanPath(shared));
        // Absent in both places: the skin folder's path is kept.
        QCOMPARE(tcGuiImage::resolveFile(QStringLiteral("lamp.png"), skin), QDir(skin).filePath(QStringLiteral("lamp.png")));
        // Present in the skin folder: that one wins.
        const QString own = writeStrip(QDir(skin), QStringLiteral("knob.png"), 1, 4, 4);
        QCOMPARE(tcGuiImage::resolveFile(QStringLiteral("knob.png"), skin), own);

        tcGuiImage image(QStringLiteral("i"), nullptr, 1);
        image.setFile(tcGuiImage::resolveFile(QStringLiteral("knob.png"), skin));
        image.finishLoading();
        QVERIFY(image.hasPixmap());
    }
};

QTEST_MAIN(tst_GuiImage)
#include "tst_guiimage.moc"
