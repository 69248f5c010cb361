#include "gqgui/gui_image.h"
#include "gqgui/gui_lamp.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

class tst_GuiLamp : public QObject
{
    Q_OBJECT

private slots:
    void showsTheSectionOfItsState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("section");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("2 of 3") << 2 << 2;
        QTest::newRow("3 of 3 shows 0") << 3 << 0;
        QTest::newRow("-1 shows 0") << -1 << 0;
    }

    void showsTheSectionOfItsState()
    {
        QFETCH(int, state);
        QFETCH(int, section);
        QTemporaryDir dir;
        tcTestBench bench;
        auto* image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("L_IMG"), &bench, 1));
        image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("lamp.png"), 3, 10, 10));
        image->setSections(3);
        auto* lamp = bench.add(std::make_unique<tcGuiLamp>(QStringLiteral("LOCAL_MODE_LAMP"), &bench, 2));
        lamp->setBitmap(image);
        lamp->finishLoading();
        lamp->show(true);
        lamp->setState(state);
        QCOMPARE(lamp->bounds(), QRect(0, 0, 10, 10));
        QCOMPARE(sectionAt(renderBench(bench, QSize(20, 20)), 5, 5), section);
    }

    void refusesEveryPressAndDefaultsBesideItsCaption()
    {
        tcTestBench bench;
        auto* lamp = bench.add(std::make_unique<tcGuiLamp>(QStringLiteral("PHANTOM_PWR_LAMP"), &bench, 1));
        lamp->finishLoading();
        lamp->show(true);
        QCOMPARE(lamp->bounds(), QRect(0, 0, 16, 16));
        QCOMPARE(lamp->captionX(), 20);
        QCOMPARE(lamp->captionY(), 0);
        QCOMPARE(bench.leftPress(8, 8), tcBench::PRESS_REFUSED);
        bench.invalidated.clear();
        lamp->setState(1);
        lamp->setState(1);
        QCOMPARE(bench.invalidated.size(), 1);
    }
};

QTEST_MAIN(tst_GuiLamp)
#include "tst_guilamp.moc"
