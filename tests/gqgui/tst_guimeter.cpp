#include "gqgui/gui_image.h"
#include "gqgui/gui_meter.h"
#include "gqgui/meter_tables.h"
#include "tests/gqgui/test_bench.h"

#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// A widget that keeps the rectangles it is asked to repaint.
class tcPaintLog : public QWidget
{
public:
    QList<QRect> painted;

protected:
    void paintEvent(QPaintEvent* event) override { painted.append(event->rect()); }
};

// A loaded, visible meter at (5, 5) with a 6-section bar strip of 8 x length pixels (bar
// section n drawn in colour n), a 6-section lamp strip of 8 x 4 (colours 10..15), and
// optionally a background of 40 x 260 (colour 20). Vertical bars at (0, 12) and (10, 12),
// horizontal ones at (0, 12) and (0, 30); lamps at (0, 0) and (10, 0).
struct MeterFixture
{
    static constexpr int X = 5;
    static constexpr int Y = 5;

    QTemporaryDir dir;
    tcTestBench bench;
    tcGuiImage* bar;
    tcGuiImage* lamp;
    tcGuiImage* background = nullptr;
    tcGuiMeter* meter;

    MeterFixture(int style, bool vertical, int length = 201, int barSections = 6, bool withBackground = false)
    {
        const QDir folder(dir.path());
        bar = addImage(QStringLiteral("BAR"), vertical ? writeStrip(folder, QStringLiteral("bar.png"), 6, 8, length)
                                                       : writeStrip(folder, QStringLiteral("bar.png"), 6, length, 8),
                       barSections);
        lamp = addImage(QStringLiteral("OVR"), writeStrip(folder, QStringLiteral("ovr.png"), 6, 8, 4, false, 10), 6);
        if (withBackground)
            background = addImage(QStringLiteral("BG"), writeStrip(folder, QStringLiteral("bg.png"), 1, 40, 260,
                                                                    false, 20), 1);
        meter = bench.add(std::make_unique<tcGuiMeter>(QStringLiteral("METER_IN"), &bench, 10010));
        meter->setX(X);
        meter->setY(Y);
        meter->setVertical(vertical);
        meter->setBarBitmap(bar);
        meter->setLampBitmap(lamp);
        meter->setBackgroundBitmap(background);
        meter->setBarY(0, 12);
        // A horizontal meter's second bar lies below the first.
        meter->setBarX(1, vertical ? 10 : 0);
        meter->setBarY(1, vertical ? 12 : 30);
        meter->setLampY(0, 0);
        meter->setLampY(1, 0);
        meter->setStyle(style, false, 2);
        meter->finishLoading();
        meter->show(true);
    }

    tcGuiImage* addImage(const QString& id, const QString& file, int sections)
    {
        auto* image = bench.add(std::make_unique<tcGuiImage>(id, &bench, 10001));
        image->setFile(file);
        image->setSections(sections);
        return image;
    }

    // Levels are taken only with a parent widget.
    void setLevels(const tcGuiMeter::Bytes& levels, const tcGuiMeter::Bytes& peaks = {255, 255},
                   const tcGuiMeter::Bytes& overloads = {0, 0})
    {
        meter->setParentWidget(&host);
        meter->setLevels(levels, peaks, overloads);
    }

    QImage shown(QRect rect = QRect()) { return renderBench(bench, QSize(300, 300), rect, 0xFF000000); }

    QWidget host;
};

class tst_GuiMeter : public QObject
{
    Q_OBJECT

private slots:
    void styleWordsAndTables()
    {
        QCOMPARE(meterStyleFromName(QStringLiteral("VUFS30")), int(METER_VUFS30));
        QCOMPARE(meterStyleFromName(QStringLiteral("GR30")), int(METER_GR30));
        QCOMPARE(meterStyleFromName(QStringLiteral("gr30")), -1);
        // One table per scale: entry i lies (255 - i) / 4 dB down the range.
        const tcMeterPixelTables tables = meterPixelTables(201, true);
        QCOMPARE(tables[METER_TABLE_30][195], 100);
        QCOMPARE(tables[METER_TABLE_40][175], 100);
        QCOMPARE(tables[METER_TABLE_60][135], 100);
        QCOMPARE(tables[METER_TABLE_GR30][195], 100);
        QCOMPARE(tables[METER_TABLE_GR20][215], 100);
        QCOMPARE(tables[METER_TABLE_30][0], 425);
        // Horizontal tables count the lit part from the left.
        QCOMPARE(meterPixelTables(201, false)[METER_TABLE_30][195], 101);
        const tcMeterTicks down = meterTicks(201, true);
        const tcMeterTicks across = meterTicks(201, false);
        for (int k = 0; k < METER_LABEL_COUNT; ++k) {
            QCOMPARE(down[k], 20 * k);
            QCOMPARE(across[k], 201 - 20 * k);
        }
    }

    // The bar's sections along its length: `before` up to the boundary, `after` from it.
    void barIsSplitAtTheTableValue_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("VUFS30 0 dB lights the whole bar") << int(METER_VUFS30) << true << 255 << 0 << 1 << 0;
        QTest::newRow("VUFS30 -15 dB: top 100 unlit") << int(METER_VUFS30) << true << 195 << 100 << 1 << 0;
        QTest::newRow("VUFS30 -30 dB: 200 unlit") << int(METER_VUFS30) << true << 135 << 200 << 1 << 0;
        QTest::newRow("VU60 -30 dB in its own pair") << int(METER_VU60) << true << 135 << 100 << 3 << 2;
        QTest::newRow("VU30 far below: all unlit") << int(METER_VU30) << true << 0 << 201 << 1 << 0;
        QTest::newRow("GR20 20 dB: all but the last lit") << int(METER_GR20) << true << 175 << 200 << 4 << 5;
        QTest::newRow("GR30 no reduction: all unlit") << int(METER_GR30) << true << 255 << 0 << 4 << 5;
        QTest::newRow("GR30 15 dB from the top") << int(METER_GR30) << true << 195 << 100 << 4 << 5;
        QTest::newRow("horizontal VUFS30 -15 dB lit from the left") << int(METER_VUFS30) << false << 195 << 101
                                                                     << 0 << 1;
        QTest::newRow("horizontal GR20 10 dB grows from the right") << int(METER_GR20) << false << 215 << 101
                                                                     << 5 << 4;
    }

    void barIsSplitAtTheTableValue()
    {
        QFETCH(int, style);
        QFETCH(bool, vertical);
        QFETCH(int, level);
        QFETCH(int, boundary);
        QFETCH(int, before);
        QFETCH(int, after);
        MeterFixture f(style, vertical);
        f.setLevels({level, level});
        const QImage image = f.shown();
        // Channel 0's bar starts at (5, 17).
        auto at = [&](int along) {
            return vertical ? sectionAt(image, MeterFixture::X + 3, MeterFixture::Y + 12 + along)
                            : sectionAt(image, MeterFixture::X + along, MeterFixture::Y + 12 + 3);
        };
        if (boundary > 0) {
            QCOMPARE(at(0), before);
            QCOMPARE(at(boundary - 1), before);
        }
        if (boundary < 201) {
            QCOMPARE(at(boundary), after);
            QCOMPARE(at(200), after);
        }
    }

    void peakMarkerIsAFivePixelLitSlice()
    {
        MeterFixture f(METER_VUFS30, true);
        f.setLevels({135, 135}, {195, 255});
        const QImage image = f.shown();
        auto at = [&](int channelX, int along) { return sectionAt(image, MeterFixture::X + channelX + 3,
                                                                  MeterFixture::Y + 12 + along); };
        QCOMPARE(at(0, 99), 1);
        QCOMPARE(at(0, 100), 0);
        QCOMPARE(at(0, 104), 0);
        QCOMPARE(at(0, 105), 1);
        // Channel 1 has no peak (255).
        QCOMPARE(at(10, 100), 1);
    }

    void gainReductionDrawsNoPeak()
    {
        MeterFixture f(METER_GR30, true);
        f.setLevels({255, 255}, {195, 195});
        QCOMPARE(sectionAt(f.shown(), MeterFixture::X + 3, MeterFixture::Y + 12 + 100), 5);
    }

    void lampsShowTheOverloadOnlyWithClip()
    {
        MeterFixture f(METER_VU60, true);
        f.setLevels({255, 255}, {255, 255}, {1, 0});
        QCOMPARE(sectionAt(f.shown(), MeterFixture::X + 3, MeterFixture::Y + 1), -1);
        f.meter->setStyle(METER_VU60, true, 2);
        const QImage image = f.shown();
        // Sections 2 (lit) and 3 (unlit) of the lamp strip, colours 12 and 13.
        QCOMPARE(sectionAt(image, MeterFixture::X + 3, MeterFixture::Y + 1), 12);
        QCOMPARE(sectionAt(image, MeterFixture::X + 13, MeterFixture::Y + 1), 13);
        QVERIFY(f.meter->overload(0));
        QVERIFY(!f.meter->overload(1));
    }

    void channelsOtherThanOneGiveTwo_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("expected");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("3") << 3 << 2;
    }

    void channelsOtherThanOneGiveTwo()
    {
        QFETCH(int, channels);
        QFETCH(int, expected);
        MeterFixture f(METER_VU30, true);
        f.meter->setStyle(METER_VU30, false, channels);
        QCOMPARE(f.meter->channels(), expected);
        f.setLevels({255, 255});
        const QImage image = f.shown();
        QCOMPARE(sectionAt(image, MeterFixture::X + 3, MeterFixture::Y + 112), 0);
        QCOMPARE(sectionAt(image, MeterFixture::X + 13, MeterFixture::Y + 112), expected == 2 ? 0 : -1);
    }

    void unknownStyleKeepsTheCurrentOne()
    {
        MeterFixture f(METER_GR20, true);
        f.meter->setStyle(8, true, 2);
        QCOMPARE(f.meter->style(), int(METER_GR20));
        QVERIFY(f.meter->clip());
        f.meter->setStyle(-1, true, 2);
        QCOMPARE(f.meter->style(), int(METER_GR20));
    }

    void stripsWithoutSixSectionsWarn()
    {
        MeterFixture f(METER_VU30, true, 201, 5);
        QCOMPARE(f.bench.logLines, QStringList{QStringLiteral("WARNING: Meter bar image does not have 6 sections.")});
        MeterFixture g(METER_VU30, true);
        QVERIFY(g.bench.logLines.isEmpty());
    }

    void geometryComesFromTheBitmaps()
    {
        MeterFixture f(METER_VU30, true, 150, 6, true);
        QCOMPARE(f.meter->barLength(), 150);
        QCOMPARE(f.meter->barThickness(), 8);
        QCOMPARE(f.meter->lampWidth(), 8);
        QCOMPARE(f.meter->lampHeight(), 4);
        QCOMPARE(f.meter->bounds(), QRect(5, 5, 40, 260));
        QCOMPARE(f.meter->barRect(1), QRect(15, 17, 8, 150));
        MeterFixture h(METER_VU30, false, 150);
        QCOMPARE(h.meter->barLength(), 150);
        QCOMPARE(h.meter->barThickness(), 8);
        QCOMPARE(h.meter->barRect(0), QRect(5, 17, 150, 8));
        // Without bitmaps: 15 x 250, a 200 x 8 bar and 8 x 4 lamps.
        tcTestBench bench;
        tcGuiMeter bare(QStringLiteral("METER_OUT"), &bench, 1);
        bare.finishLoading();
        QCOMPARE(bare.bounds(), QRect(0, 0, 15, 250));
        QCOMPARE(bare.barRect(1), QRect(10, 0, 8, 200));
        QCOMPARE(bare.lampRect(0), QRect(0, 0, 8, 4));
    }

    void levelUpdatesRepaintOnlyTheBarsOnTheWidget()
    {
        MeterFixture f(METER_VU30, true);
        tcPaintLog log;
        log.resize(300, 300);
        log.show();
        QVERIFY(QTest::qWaitForWindowExposed(&log));
        f.meter->setParentWidget(&log);
        QTRY_VERIFY(!log.painted.isEmpty());
        QTest::qWait(20);
        log.painted.clear();
        f.bench.invalidated.clear();
        f.meter->setLevels({200, 100}, {255, 255}, {0, 0});
        QTRY_COMPARE(log.painted.size(), 1);
        QCOMPARE(log.painted.front(), QRect(5, 17, 18, 201));
        QVERIFY(f.bench.invalidated.isEmpty());
        QCOMPARE(f.meter->level(0), 200);
        QCOMPARE(f.meter->level(1), 100);
        // The same values again repaint nothing.
        log.painted.clear();
        f.meter->setLevels({200, 100}, {255, 255}, {0, 0});
        QTest::qWait(50);
        QVERIFY(log.painted.isEmpty());
        // With clip on, the lamps are repainted too.
        f.meter->setStyle(METER_VU30, true, 2);
        QTest::qWait(20);
        log.painted.clear();
        f.meter->setLevels({200, 100}, {255, 255}, {1, 0});
        QTRY_COMPARE(log.painted.size(), 1);
        QCOMPARE(log.painted.front(), QRect(5, 5, 18, 213));
    }

    void levelsAreIgnoredWhileHiddenOrWithoutAWidget()
    {
        MeterFixture f(METER_VU30, true);
        f.meter->setLevels({100, 100}, {255, 255}, {1, 1});
        QCOMPARE(f.meter->level(0), 0);
        QVERIFY(!f.meter->overload(0));
        f.meter->setParentWidget(&f.host);
        f.meter->hide();
        f.meter->setLevels({100, 100}, {255, 255}, {1, 1});
        QCOMPARE(f.meter->level(0), 0);
        f.meter->show(true);
        f.meter->setLevels({100, 100}, {255, 255}, {1, 1});
        QCOMPARE(f.meter->level(0), 100);
        QVERIFY(f.meter->overload(1));
    }

    void barsOnlyRepaintLeavesTheBackgroundOut()
    {
        MeterFixture f(METER_VU30, true, 201, 6, true);
        f.setLevels({255, 255});
        const QRect bars = f.meter->levelArea();
        const QImage barsOnly = f.shown(bars);
        QCOMPARE(sectionAt(barsOnly, 30, 100), -1);
        QCOMPARE(sectionAt(barsOnly, 8, 100), 0);
        const QImage whole = f.shown();
        QCOMPARE(sectionAt(whole, 30, 100), 20);
    }

    void scaleLabelsOnlyWithACaptionPosition()
    {
        MeterFixture f(METER_VUFS30, true);
        QVERIFY(!f.meter->hasCaption());
        QCOMPARE(f.meter->captionBox(), f.meter->bounds());
        f.meter->setCaptionX(40);
        f.meter->setCaptionY(12);
        f.meter->setCaptionColor(0xFFFFFFFF);
        f.meter->finishLoading();
        QVERIFY(f.meter->hasCaption());
        // The labels hang centred on x = 45, from y = 17 (top label) to 217 (bottom one).
        const QRect box = f.meter->captionBox();
        QVERIFY(box.contains(QPoint(45, 17)));
        QVERIFY(box.contains(QPoint(45, 217)));
        const QImage image = f.shown();
        const QRect ink = inkBox(image.copy(QRect(30, 0, 40, 300)), 0xFF000000);
        QVERIFY(ink.isValid());
        QVERIFY(qAbs(ink.center().x() + 30 - 45) <= 3);
        QVERIFY(ink.top() < 17 && ink.bottom() > 217);
    }
};

QTEST_MAIN(tst_GuiMeter)
#include "tst_guimeter.moc"
