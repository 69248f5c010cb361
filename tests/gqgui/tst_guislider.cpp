#include "gqgui/gui_image.h"
#include "gqgui/gui_slider.h"
#include "tests/gqgui/recorder.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

// A loaded, visible slider at (0, 0), object ID 3003, range 0..255: vertical with a
// 2-section 20 x 100 rail and a 2-section 16 x 20 thumb (thumb colours 10 and 11), or
// horizontal with a 100 x 20 rail and a 20 x 16 thumb.
struct SliderFixture
{
    QTemporaryDir dir;
    tcRecorder rec;
    tcTestBench bench;
    tcGuiSlider* slider;

    explicit SliderFixture(int direction = tcGuiSlider::VERTICAL, int railSections = 2)
    {
        const bool vertical = direction == tcGuiSlider::VERTICAL;
        auto* rail = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("RAIL"), &bench, 1));
        rail->setFile(writeStrip(QDir(dir.path()), QStringLiteral("rail.png"), railSections, vertical ? 20 : 100,
                                 vertical ? 100 : 20));
        rail->setSections(railSections);
        auto* thumb = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("THUMB"), &bench, 2));
        thumb->setFile(writeStrip(QDir(dir.path()), QStringLiteral("thumb.png"), 2, vertical ? 16 : 20,
                                  vertical ? 20 : 16, false, 10));
        thumb->setSections(2);
        slider = bench.add(std::make_unique<tcGuiSlider>(QStringLiteral("FADER"), &bench, 3));
        slider->setDirection(direction);
        slider->setRailBitmap(rail);
        slider->setThumbBitmap(thumb);
        slider->setParameterId(3003);
        slider->setContext(&rec);
        slider->setCallback(recordInt);
        slider->finishLoading();
        slider->show(true);
    }

    QImage shown() { return renderBench(bench, QSize(120, 120)); }
};

class tst_GuiSlider : public QObject
{
    Q_OBJECT

private slots:
    void thumbFollowsTheValue_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("thumb");
        QTest::newRow("vertical maximum at the top") << 0 << 255 << 10;
        QTest::newRow("vertical minimum at the bottom") << 0 << 0 << 90;
        QTest::newRow("vertical 128") << 0 << 128 << 50;
        QTest::newRow("horizontal maximum at the right") << 1 << 255 << 90;
        QTest::newRow("horizontal minimum at the left") << 1 << 0 << 10;
        QTest::newRow("horizontal 64") << 1 << 64 << 30;
    }

    void thumbFollowsTheValue()
    {
        QFETCH(int, direction);
        QFETCH(int, value);
        QFETCH(int, thumb);
        SliderFixture f(direction);
        f.slider->setValue(value);
        QCOMPARE(f.slider->thumbPosition(), thumb);
        QCOMPARE(f.slider->thumbFromValue(value), thumb);
    }

    void valueFollowsTheThumb_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("thumb");
        QTest::addColumn<int>("value");
        QTest::newRow("vertical top") << 0 << 10 << 255;
        QTest::newRow("vertical bottom") << 0 << 90 << 0;
        QTest::newRow("vertical 127.5 rounds away from zero") << 0 << 50 << 128;
        QTest::newRow("vertical 3 up") << 0 << 87 << 10;
        QTest::newRow("horizontal right") << 1 << 90 << 255;
        QTest::newRow("horizontal 30") << 1 << 30 << 64;
        QTest::newRow("horizontal below the minimum") << 1 << 5 << -16;
    }

    void valueFollowsTheThumb()
    {
        QFETCH(int, direction);
        QFETCH(int, thumb);
        QFETCH(int, value);
        SliderFixture f(direction);
        QCOMPARE(f.slider->valueFromThumb(thumb), value);
    }

    void wheelNotchMovesTheThumbThreePixels()
    {
        SliderFixture f;
        QVERIFY(f.bench.wheel(10, 50, 1, 0));
        QCOMPARE(f.slider->thumbPosition(), 87);
        QCOMPARE(f.slider->value(), 10);
        QVERIFY(f.bench.wheel(10, 50, 1, GUI_MOD_CTRL));
        QCOMPARE(f.slider->value(), 11);
        QVERIFY(f.bench.wheel(10, 50, -1, GUI_MOD_CTRL));
        QCOMPARE(f.slider->value(), 10);
        f.slider->setValue(0);
        QVERIFY(f.bench.wheel(10, 50, 1, GUI_MOD_SHIFT));
        QCOMPARE(f.slider->thumbPosition(), 80);
        QCOMPARE(f.rec.calls, QStringList({"int 3003 10 @0", "int 3003 11 @0", "int 3003 10 @0", "int 3003 32 @0"}));
    }

    void dragMovesTheThumbByTheMouse()
    {
        SliderFixture f;
        QCOMPARE(f.bench.leftPress(10, 88), tcBench::PRESS_TAKEN);
        QCOMPARE(f.slider->thumbPosition(), 90);   // a press does not move the thumb
        f.bench.move(10, 80, 0);
        QCOMPARE(f.slider->thumbPosition(), 82);
        f.bench.move(10, 78, GUI_MOD_SHIFT);
        QCOMPARE(f.slider->thumbPosition(), 72);
        f.bench.move(10, 77, GUI_MOD_CTRL);
        QCOMPARE(f.slider->value(), f.slider->valueFromThumb(72) + 1);
    }

    void clampsAtTheEndsWithoutCallingBack()
    {
        SliderFixture f;
        f.slider->setValue(254);
        f.bench.wheel(10, 50, 1, GUI_MOD_SHIFT);
        QCOMPARE(f.slider->value(), 255);
        QCOMPARE(f.slider->thumbPosition(), 10);
        f.bench.wheel(10, 50, 1, 0);
        QCOMPARE(f.slider->thumbPosition(), 10);
        QCOMPARE(f.rec.calls, QStringList({"int 3003 255 @0"}));
    }

    void callsBackOnlyOnceLoaded()
    {
        tcRecorder rec;
        tcTestBench bench;
        tcGuiSlider slider(QStringLiteral("S"), &bench, 1);
        slider.setContext(&rec);
        slider.setCallback(recordInt);
        slider.wheel(1, 0);
        QVERIFY(slider.value() > 0);
        QVERIFY(rec.calls.isEmpty());
        slider.finishLoading();
        slider.wheel(-1, 0);
        QCOMPARE(rec.calls.size(), 1);
    }

    void lockedSliderIgnoresPressAndWheel()
    {
        SliderFixture f;
        f.bench.locked.insert(3003);
        QCOMPARE(f.bench.leftPress(10, 88), tcBench::PRESS_REFUSED);
        f.bench.wheel(10, 50, 1, 0);
        QCOMPARE(f.slider->value(), 0);
        QVERIFY(f.rec.calls.isEmpty());
    }

    void paintsRailAndThumbOfItsState()
    {
        SliderFixture f;
        f.slider->setValue(255);
        QImage image = f.shown();
        QCOMPARE(sectionAt(image, 0, 60), 0);    // rail, idle
        QCOMPARE(sectionAt(image, 2, 0), 10);    // thumb centred on 10: rows 0..19, x 2..17
        QCOMPARE(sectionAt(image, 17, 19), 10);
        QCOMPARE(sectionAt(image, 2, 20), 0);
        f.bench.move(5, 50, 0);                  // hover lights rail and thumb
        image = f.shown();
        QCOMPARE(sectionAt(image, 0, 60), 1);
        QCOMPARE(sectionAt(image, 2, 5), 11);
        f.slider->setInputFlags(GUI_INPUT_DISABLED);   // thumb shown at the minimum
        image = f.shown();
        QCOMPARE(sectionAt(image, 2, 85), 11);
        QCOMPARE(sectionAt(image, 2, 5), 1);
    }

    void railOfOneSectionHasNoLitState()
    {
        SliderFixture f(tcGuiSlider::VERTICAL, 1);
        QVERIFY(!f.slider->hasStates());
        f.bench.move(5, 50, 0);
        QCOMPARE(sectionAt(f.shown(), 0, 50), 0);
    }

    void takesItsSizeFromTheRail()
    {
        SliderFixture f(tcGuiSlider::HORIZONTAL);
        QCOMPARE(f.slider->bounds(), QRect(0, 0, 100, 20));
        tcTestBench bench;
        tcGuiSlider bare(QStringLiteral("S"), &bench, 1);
        bare.finishLoading();
        QCOMPARE(bare.bounds(), QRect(0, 0, 40, 100));
    }
};

QTEST_MAIN(tst_GuiSlider)
#include "tst_guislider.moc"
