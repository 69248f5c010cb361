#include "gqgui/gui_image.h"
#include "gqgui/gui_label.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

class tst_GuiLabel : public QObject
{
    Q_OBJECT

private slots:
    void drawsItsBitmapScaledIntoItsRectangle()
    {
        QTemporaryDir dir;
        tcTestBench bench;
        auto* image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("LBL_IMG"), &bench, 1));
        image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("label.png"), 2, 5, 5));   // 10 x 5
        auto* label = bench.add(std::make_unique<tcGuiLabel>(QStringLiteral("COMP_LABEL"), &bench, 2));
        label->setBitmap(image);
        label->setX(10);
        label->setY(10);
        label->finishLoading();
        label->show(true);
        QCOMPARE(label->bounds(), QRect(10, 10, 50, 20));
        const QImage shown = renderBench(bench, QSize(80, 40));
        QCOMPARE(sectionAt(shown, 10, 10), 0);
        QCOMPARE(sectionAt(shown, 32, 29), 0);
        QCOMPARE(sectionAt(shown, 37, 10), 1);
        QCOMPARE(sectionAt(shown, 59, 29), 1);
        QCOMPARE(shown.pixel(60, 10), QRgb(0xFF000000));
        // Not pressable: a press over it hits nothing.
        QCOMPARE(bench.leftPress(20, 20), tcBench::PRESS_NOTHING_HIT);
    }

    void zeroSizeIsTakenFromTheBitmap()
    {
        QTemporaryDir dir;
        tcTestBench bench;
        auto* image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("LBL_IMG"), &bench, 1));
        image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("label.png"), 1, 30, 7));
        auto* label = bench.add(std::make_unique<tcGuiLabel>(QStringLiteral("L"), &bench, 2));
        label->setBitmap(image);
        label->setWidth(0);
        label->finishLoading();
        QCOMPARE(label->bounds(), QRect(0, 0, 30, 20));
    }

    void drawsItsCaptionFromItsCorner()
    {
        tcTestBench bench;
        auto* label = bench.add(std::make_unique<tcGuiLabel>(QStringLiteral("L"), &bench, 1));
        label->setX(20);
        label->setY(20);
        label->setCaptionColor(0xFFFFFFFF);
        label->setText(QStringLiteral("EXPANDER"));
        label->finishLoading();
        label->show(true);
        QCOMPARE(label->captionFont(), bench.fontByName(QStringLiteral("GQGUI_HFONT")));
        const QRect ink = inkBox(renderBench(bench, QSize(120, 60)), 0xFF000000);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= 20 && ink.left() <= 22);
        QVERIFY(ink.top() >= 20 && ink.top() <= 24);
        QVERIFY(label->captionBox().contains(ink));
    }
};

QTEST_MAIN(tst_GuiLabel)
#include "tst_guilabel.moc"
