#include "gqgui/gui_image.h"
#include "gqgui/gui_knob.h"
#include "tests/gqgui/recorder.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

// A loaded, visible knob at (10, 10), object ID 7003, range 0..255, with a 26-section
// ring strip of 24 x 24 (segment b lights pixel (b, 0)) or a 5-section SIMPLE strip.
struct KnobFixture
{
    QTemporaryDir dir;
    tcRecorder rec;
    tcTestBench bench;
    tcGuiImage* image;
    tcGuiKnob* knob;

    explicit KnobFixture(int style = tcGuiKnob::RING_BAR)
    {
        const bool ring = style != tcGuiKnob::SIMPLE;
        image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("KNOB_IMG"), &bench, 10001));
        image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("knob.png"), ring ? 26 : 5, 24, 24, ring));
        image->setSections(ring ? 26 : 5);
        knob = bench.add(std::make_unique<tcGuiKnob>(QStringLiteral("COMP_THR_KNOB"), &bench, 10002));
        knob->setStyle(style);
        knob->setBitmap(image);
        knob->setX(10);
        knob->setY(10);
        knob->setParameterId(7003);
        knob->setContext(&rec);
        knob->setCallback(recordInt);
        knob->finishLoading();
        knob->show(true);
    }

    QImage shown() { return renderBench(bench, QSize(50, 50)); }
};

class tst_GuiKnob : public QObject
{
    Q_OBJECT

private slots:
    void ringMaskForEveryStyle_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<uint>("mask");
        // Bits 2..22 are the 21 segments, bit 12 the centre one.
        QTest::newRow("SIMPLE") << 0 << 128 << 0 << 255 << 0x000000u;
        QTest::newRow("DOT at 0") << 1 << 0 << 0 << 255 << 0x000004u;
        QTest::newRow("DOT at 128") << 1 << 128 << 0 << 255 << 0x001000u;
        QTest::newRow("DOT at 255") << 1 << 255 << 0 << 255 << 0x400000u;
        QTest::newRow("BAR at 0: none") << 2 << 0 << 0 << 255 << 0x000000u;
        QTest::newRow("BAR at 128") << 2 << 128 << 0 << 255 << 0x001FFCu;
        QTest::newRow("BAR at 255: all 21") << 2 << 255 << 0 << 255 << 0x7FFFFCu;
        QTest::newRow("BAR at 15 of 10..20") << 2 << 15 << 10 << 20 << 0x001FFCu;
        QTest::newRow("REBAR at 0: all") << 3 << 0 << 0 << 255 << 0x7FFFFCu;
        QTest::newRow("REBAR at 128") << 3 << 128 << 0 << 255 << 0x7FE000u;
        QTest::newRow("REBAR at 255: none") << 3 << 255 << 0 << 255 << 0x000000u;
        QTest::newRow("SPREAD at 0: centre") << 4 << 0 << 0 << 255 << 0x001000u;
        QTest::newRow("SPREAD at 128") << 4 << 128 << 0 << 255 << 0x03FF80u;
        QTest::newRow("SPREAD at 255") << 4 << 255 << 0 << 255 << 0x7FFFFCu;
        QTest::newRow("Q at 0") << 5 << 0 << 0 << 255 << 0x7FFFFCu;
        QTest::newRow("Q at 128") << 5 << 128 << 0 << 255 << 0x03FF80u;
        QTest::newRow("Q at 255: centre") << 5 << 255 << 0 << 255 << 0x001000u;
        QTest::newRow("PAN at 0") << 6 << 0 << 0 << 255 << 0x001FFCu;
        QTest::newRow("PAN at 60") << 6 << 60 << 0 << 255 << 0x001FC0u;
        QTest::newRow("PAN at 127: centre only") << 6 << 127 << 0 << 255 << 0x001000u;
        QTest::newRow("PAN at 200") << 6 << 200 << 0 << 255 << 0x07F000u;
        QTest::newRow("PAN at 255: never past the ring") << 6 << 255 << 0 << 255 << 0x7FF000u;
        QTest::newRow("empty range") << 1 << 100 << 100 << 100 << 0x000000u;
        QTest::newRow("below the range") << 2 << -1 << 0 << 255 << 0x000000u;
        QTest::newRow("above the range") << 2 << 256 << 0 << 255 << 0x000000u;
    }

    void ringMaskForEveryStyle()
    {
        QFETCH(int, style);
        QFETCH(int, value);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(uint, mask);
        QCOMPARE(uint(tcGuiKnob::ringMask(style, value, minimum, maximum)), mask);
    }

    void dragSteps_data()
    {
        QTest::addColumn<QPoint>("move");   // screen pixels: right and down are positive
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("value");     // from 100
        QTest::newRow("3 right, 1 up") << QPoint(3, -1) << 0 << 103;
        QTest::newRow("3 right, 1 down: ignored") << QPoint(3, 1) << 0 << 100;
        QTest::newRow("3 right, 1 up with Shift") << QPoint(3, -1) << GUI_MOD_SHIFT << 115;
        QTest::newRow("3 left, 1 up: ignored") << QPoint(-3, -1) << 0 << 100;
        QTest::newRow("3 left, 1 down") << QPoint(-3, 1) << 0 << 97;
        QTest::newRow("4 up") << QPoint(0, -4) << 0 << 104;
        QTest::newRow("2 down") << QPoint(0, 2) << 0 << 98;
        QTest::newRow("1 right, 5 up") << QPoint(1, -5) << 0 << 105;
        QTest::newRow("7 right with Ctrl") << QPoint(7, 0) << GUI_MOD_CTRL << 101;
        QTest::newRow("2 left with Shift and Ctrl") << QPoint(-2, 0) << (GUI_MOD_SHIFT | GUI_MOD_CTRL) << 99;
    }

    void dragSteps()
    {
        QFETCH(QPoint, move);
        QFETCH(int, modifiers);
        QFETCH(int, value);
        KnobFixture f;
        f.knob->setValue(100);
        QCOMPARE(f.bench.leftPress(20, 15), tcBench::PRESS_TAKEN);
        f.bench.move(20 + move.x(), 15 + move.y(), modifiers);
        QCOMPARE(f.knob->value(), value);
        QCOMPARE(f.rec.calls, value == 100 ? QStringList() : QStringList({QStringLiteral("int 7003 %1 @0").arg(value)}));
    }

    void dragsAreMeasuredFromTheLastPoint()
    {
        KnobFixture f;
        f.knob->setValue(100);
        f.bench.leftPress(20, 15);
        f.bench.move(20, 10, 0);
        f.bench.move(20, 8, 0);
        QCOMPARE(f.knob->value(), 107);
        QCOMPARE(f.rec.calls, QStringList({"int 7003 105 @0", "int 7003 107 @0"}));
    }

    void clampsAtTheEndsWithoutCallingBack()
    {
        KnobFixture f;
        f.knob->setValue(253);
        f.bench.leftPress(20, 15);
        f.bench.move(20, 5, 0);         // +10: clamped to 255
        f.bench.move(20, 0, 0);         // further: nothing
        f.bench.leftRelease(20, 0);
        f.bench.wheel(20, 15, 1, 0);
        QCOMPARE(f.knob->value(), 255);
        QCOMPARE(f.rec.calls, QStringList({"int 7003 255 @0"}));
        f.knob->setValue(1);
        f.bench.wheel(20, 15, -1, GUI_MOD_SHIFT);
        f.bench.wheel(20, 15, -1, 0);
        QCOMPARE(f.knob->value(), 0);
        QCOMPARE(f.rec.calls.last(), QStringLiteral("int 7003 0 @0"));
        QCOMPARE(f.rec.calls.size(), 2);
    }

    void wheelSteps_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("value");
        QTest::newRow("up") << 1 << 0 << 101;
        QTest::newRow("down") << -1 << 0 << 99;
        QTest::newRow("up with Shift") << 1 << GUI_MOD_SHIFT << 110;
        QTest::newRow("down with Shift and Ctrl") << -1 << (GUI_MOD_SHIFT | GUI_MOD_CTRL) << 99;
    }

    void wheelSteps()
    {
        QFETCH(int, delta);
        QFETCH(int, modifiers);
        QFETCH(int, value);
        KnobFixture f;
        f.knob->setValue(100);
        QVERIFY(f.bench.wheel(12, 12, delta, modifiers));
        QCOMPARE(f.knob->value(), value);
    }

    void lockedKnobIgnoresPressAndWheel()
    {
        KnobFixture f;
        f.knob->setValue(100);
        f.bench.locked.insert(7003);
        QCOMPARE(f.bench.leftPress(20, 15), tcBench::PRESS_REFUSED);
        QVERIFY(f.bench.wheel(20, 15, 1, 0));
        QCOMPARE(f.knob->value(), 100);
        QVERIFY(!f.knob->isPressed());
        QVERIFY(f.rec.calls.isEmpty());
    }

    void settersClampWithoutCallingBack()
    {
        KnobFixture f;
        f.bench.invalidated.clear();
        f.knob->setValue(300);
        QCOMPARE(f.knob->value(), 255);
        QCOMPARE(f.knob->mask(), 0x7FFFFCu);
        QCOMPARE(f.bench.invalidated.size(), 1);
        f.knob->setRange(0, 100);
        QCOMPARE(f.knob->value(), 100);
        f.knob->setValue(-5);
        QCOMPARE(f.knob->value(), 0);
        QVERIFY(f.rec.calls.isEmpty());
    }

    void paintsTheBaseAndTheLitSegments()
    {
        KnobFixture f;
        QCOMPARE(f.knob->bounds(), QRect(10, 10, 24, 24));
        f.knob->setValue(128);   // BAR: segments 2..12
        QImage image = f.shown();
        QCOMPARE(sectionAt(image, 10, 11), 0);          // base section, below the ring row
        QCOMPARE(sectionAt(image, 10 + 2, 10), 5);      // bit 2 from section 5
        QCOMPARE(sectionAt(image, 10 + 12, 10), 15);    // bit 12 from section 15
        QCOMPARE(sectionAt(image, 10 + 13, 10), 0);     // unlit: base shows through
        f.bench.move(12, 12, 0);                        // hover
        QCOMPARE(sectionAt(f.shown(), 10, 11), 1);
        f.knob->setInputFlags(GUI_INPUT_DISABLED);
        QCOMPARE(sectionAt(f.shown(), 10, 11), 2);
    }

    void pressedRingKnobShowsItsLitBase()
    {
        KnobFixture f;
        f.bench.leftPress(20, 12);
        f.bench.move(200, 200, 0);   // a drag far away keeps it pressed
        QCOMPARE(sectionAt(f.shown(), 10, 11), 1);
        f.bench.leftRelease(200, 200);
        QVERIFY(!f.knob->isPressed());
        QVERIFY(!f.knob->hover());
        QCOMPARE(sectionAt(f.shown(), 10, 11), 0);
    }

    void simpleKnobShowsTheSectionOfItsValue_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("section");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("95") << 95 << 1;
        QTest::newRow("128") << 128 << 2;
        QTest::newRow("255") << 255 << 4;
    }

    void simpleKnobShowsTheSectionOfItsValue()
    {
        QFETCH(int, value);
        QFETCH(int, section);
        KnobFixture f(tcGuiKnob::SIMPLE);
        f.knob->setValue(value);
        QCOMPARE(sectionAt(f.shown(), 12, 12), section);
        f.knob->setInputFlags(GUI_INPUT_DISABLED);
        QCOMPARE(sectionAt(f.shown(), 12, 12), 0);
    }

    void simpleKnobWithAnEmptyRangeShowsItsFirstSection()
    {
        KnobFixture f(tcGuiKnob::SIMPLE);
        f.knob->setRange(7, 7);
        QCOMPARE(sectionAt(f.shown(), 12, 12), 0);
    }

    void stylesByName()
    {
        const char* names[] = {"SIMPLE", "RING_DOT", "RING_BAR", "RING_REBAR", "RING_SPREAD", "RING_Q", "RING_PAN"};
        for (int style = 0; style < 7; ++style)
            QCOMPARE(tcGuiKnob::styleFromName(QString::fromLatin1(names[style])), style);
        QCOMPARE(tcGuiKnob::styleFromName(QStringLiteral("ring_dot")), -1);
        QCOMPARE(tcGuiKnob::styleFromName(QString()), -1);
    }

    void cloneCopiesTheSkinAttributesIntoAnotherBench()
    {
        KnobFixture f;
        f.knob->setValue(77);
        tcTestBench other;
        auto* otherImage = other.add(std::make_unique<tcGuiImage>(QStringLiteral("KNOB_IMG"), &other, 1));
        auto copy = f.knob->clone(&other);
        QVERIFY(copy);
        auto* knob = dynamic_cast<tcGuiKnob*>(copy.get());
        QVERIFY(knob);
        QCOMPARE(knob->id(), QStringLiteral("COMP_THR_KNOB"));
        QCOMPARE(knob->serial(), 10002);
        QCOMPARE(knob->bench(), &other);
        QCOMPARE(knob->style(), int(tcGuiKnob::RING_BAR));
        QCOMPARE(knob->value(), 77);
        QVERIFY(!knob->isVisible());
        QVERIFY(!knob->context());
        QCOMPARE(knob->parameterId(), -1);
        QCOMPARE(knob->captionFont(), other.fontByName(QStringLiteral("GQGUI_HFONT")));
        knob->finishLoading();
        QCOMPARE(knob->width(), otherImage->sectionWidth());
    }
};

QTEST_MAIN(tst_GuiKnob)
#include "tst_guiknob.moc"
