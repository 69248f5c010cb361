#include "gqgui/graph_dragger.h"
#include "gqgui/gui_apgraph.h"
#include "gqgui/graph_spectrum_dragger.h"
#include "tests/gqgui/test_bench.h"

#include <QTest>

#include <vector>

// A curve editor that records what the graph asks of it (plot sizes apart) and answers
// `result`.
class tcProbeDragger : public tcGuiGraphDragger
{
public:
    using tcGuiGraphDragger::tcGuiGraphDragger;

    void setPlotSize(int width, int height) override
    {
        sizes.append(QStringLiteral("%1x%2").arg(width).arg(height));
        tcGuiGraphDragger::setPlotSize(width, height);
    }
    void paintFill(QPainter& painter) override { layer(QStringLiteral("fill"), painter); }
    void paintCurves(QPainter& painter) override { layer(QStringLiteral("curves"), painter); }
    void paintHandles(QPainter& painter) override { layer(QStringLiteral("handles"), painter); }
    void paintReduction(QPainter& painter) override { layer(QStringLiteral("reduction"), painter); }
    int onPress(int x, int y) override { return note(QStringLiteral("press %1,%2").arg(x).arg(y)); }
    int onRelease(int x, int y) override { return note(QStringLiteral("release %1,%2").arg(x).arg(y)); }
    int onRightPress(int x, int y) override { return note(QStringLiteral("rpress %1,%2").arg(x).arg(y)); }
    int onRightRelease(int x, int y) override { return note(QStringLiteral("rrelease %1,%2").arg(x).arg(y)); }
    int onDoubleClick(int x, int y) override { return note(QStringLiteral("dclick %1,%2").arg(x).arg(y)); }
    int onHover(int x, int y) override { return note(QStringLiteral("hover %1,%2").arg(x).arg(y)); }
    int onDrag(int dx, int dy) override { return note(QStringLiteral("drag %1,%2").arg(dx).arg(dy)); }
    int onWheel(int steps) override { return note(QStringLiteral("wheel %1").arg(steps)); }

    QStringList calls;
    QStringList sizes;
    int result = 0;

private:
    int note(const QString& call)
    {
        calls.append(call);
        return result;
    }
    void layer(const QString& name, QPainter& painter)
    {
        calls.append(QStringLiteral("%1 @%2,%3").arg(name).arg(painter.transform().dx()).arg(painter.transform().dy()));
    }
};

// A loaded, visible graph of 560 x 235 at (0, 0), so that its plot is (30, 15) 500 x 200;
// panel 1 is (600, 300) 300 x 150, panel 2 gives only its x (40). Object ID 1007.
struct GraphFixture
{
    tcTestBench bench;
    tcGuiApGraph* graph;
    tcProbeDragger probe{nullptr};

    GraphFixture()
    {
        graph = bench.add(std::make_unique<tcGuiApGraph>(QStringLiteral("GRAPH"), &bench, 10001));
        graph->setHeight(235);
        graph->setPanelX(1, 600);
        graph->setPanelY(1, 300);
        graph->setPanelWidth(1, 300);
        graph->setPanelHeight(1, 150);
        graph->setPanelX(2, 40);
        graph->setParameterId(1007);
        graph->finishLoading();
        graph->show(true);
    }

    void editCurves()
    {
        graph->setDragger(&probe);
        graph->setMode(APGRAPH_MODE_CURVES);
        probe.calls.clear();
    }
};

class tst_GuiApGraph : public QObject
{
    Q_OBJECT

private slots:
    void spectrumTablesFollowTheDbAxis_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("row");
        // Plot top 15, height 200, axis -50..0 dB; row v is the pixel of
        // (v / 255 - 1) * 50 + 3r dB.
        QTest::newRow("0 dB at the top") << 0 << 255 << 15;
        QTest::newRow("-24.9 dB") << 0 << 128 << 115;
        QTest::newRow("-49.8 dB") << 0 << 1 << 214;
        QTest::newRow("row 0 below the plot") << 0 << 0 << 216;
        QTest::newRow("range 1 moves up 3 dB") << 1 << 255 << 3;
        QTest::newRow("range 7: -3.9 dB") << 7 << 128 << 31;
        QTest::newRow("range 7 row 0 below the plot") << 7 << 0 << 216;
    }

    void spectrumTablesFollowTheDbAxis()
    {
        QFETCH(int, range);
        QFETCH(int, value);
        QFETCH(int, row);
        GraphFixture f;
        QCOMPARE(f.graph->plotRect(), QRect(30, 15, 500, 200));
        QCOMPARE(f.graph->spectrumTables()[range][value], row);
    }

    void traceRowsFromTablesOrReduction_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("row");
        QTest::newRow("spectrum byte 128") << 0 << 128 << 115;
        QTest::newRow("spectrum byte 0 below the plot: bottom + 2") << 0 << 0 << 217;
        // Bit 0 of the first byte: plot top + round((1 - s / 128) * height / 2).
        QTest::newRow("reduction 0 in the middle") << 1 << 0 << 115;
        QTest::newRow("reduction 127 at the top") << 1 << 0x7F << 16;
        QTest::newRow("reduction -128 at the bottom") << 1 << 0x80 << 215;
        QTest::newRow("reduction -64") << 1 << 0xC0 << 165;
    }

    void traceRowsFromTablesOrReduction()
    {
        QFETCH(int, first);
        QFETCH(int, byte);
        QFETCH(int, row);
        GraphFixture f;
        std::vector<uint8_t> data(SPECTRUM_POINTS, uint8_t(byte));
        data[0] = uint8_t(first);
        f.graph->setSpectrumData(data);
        QCOMPARE(f.graph->traceRow(1), row);
    }

    void traceIsDrawnAcrossThePlot()
    {
        GraphFixture f;
        f.graph->setAudioColor(0xFF00FF00);
        f.graph->setMode(APGRAPH_MODE_AUDIO);
        f.graph->setSpectrumData(std::vector<uint8_t>(SPECTRUM_POINTS, 128));
        const QImage image = renderBench(f.bench, QSize(560, 235));
        for (int x : {31, 100, 300, 528})
            QCOMPARE(image.pixel(x, 115), qRgb(0, 255, 0));
        QVERIFY(image.pixel(100, 60) != qRgb(0, 255, 0));
        // Without the audio bit there is no trace.
        f.graph->setMode(0);
        QVERIFY(renderBench(f.bench, QSize(560, 235)).pixel(100, 115) != qRgb(0, 255, 0));
    }

    void titleRules_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("naming");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QString>("title");
        QTest::newRow("audio and reduction, right") << 6 << 1 << 1 << QString()
                                                    << QStringLiteral("Right Audio & Right Gain Reduction");
        QTest::newRow("audio, channel 1") << 2 << 0 << 0 << QString() << QStringLiteral("Channel 1 Audio");
        QTest::newRow("reduction alone has no leading joiner") << 4 << 1 << 0 << QString()
                                                               << QStringLiteral("Channel 2 Gain Reduction");
        QTest::newRow("curves with extra title") << 3 << 0 << 1 << QStringLiteral("Filter Response")
                                                 << QStringLiteral("Left Audio & Filter Response");
        QTest::newRow("curves alone") << 1 << 0 << 0 << QStringLiteral("Parametric EQ Response")
                                      << QStringLiteral("Parametric EQ Response");
        QTest::newRow("extra title needs bit 1") << 2 << 0 << 0 << QStringLiteral("Filter Response")
                                                 << QStringLiteral("Channel 1 Audio");
        QTest::newRow("curves without extra title") << 7 << 0 << 1 << QString()
                                                    << QStringLiteral("Left Audio & Left Gain Reduction");
        QTest::newRow("nothing") << 0 << 1 << 1 << QStringLiteral("x") << QString();
    }

    void titleRules()
    {
        QFETCH(int, mode);
        QFETCH(int, channel);
        QFETCH(int, naming);
        QFETCH(QString, extra);
        QFETCH(QString, title);
        GraphFixture f;
        f.graph->setExtraTitle(extra);
        f.graph->setChannel(channel, naming);
        f.graph->setMode(mode);
        QCOMPARE(f.graph->title(), title);
    }

    void settingAnyTitlePartRedraws()
    {
        GraphFixture f;
        renderBench(f.bench, QSize(10, 10));
        QVERIFY(!f.graph->needsRedraw());
        f.bench.invalidated.clear();
        f.graph->setChannel(1, 1);
        QVERIFY(f.graph->needsRedraw());
        QCOMPARE(f.bench.takeInvalidated(), QRect(0, 0, 560, 235));
    }

    void panelsMoveTheGraph()
    {
        GraphFixture g;
        g.graph->setDragger(&g.probe);
        g.probe.sizes.clear();
        QCOMPARE(g.graph->panelRect(0), QRect(0, 0, 560, 235));
        QCOMPARE(g.graph->panelRect(2), QRect(40, 0, 560, 235));
        g.bench.invalidated.clear();
        g.graph->selectPanel(1);
        QCOMPARE(g.graph->currentPanel(), 1);
        QCOMPARE(g.graph->bounds(), QRect(600, 300, 300, 150));
        QCOMPARE(g.graph->plotRect(), QRect(630, 315, 240, 115));
        QCOMPARE(g.bench.takeInvalidated(), QRect(0, 0, 900, 450));
        QCOMPARE(g.probe.sizes, QStringList{QStringLiteral("240x115")});
        QCOMPARE(g.graph->spectrumTables()[0][255], 315);
        // The current panel and panels outside 0..8 change nothing.
        g.graph->selectPanel(1);
        g.graph->selectPanel(9);
        g.graph->selectPanel(-1);
        QVERIFY(g.bench.invalidated.isEmpty());
        QCOMPARE(g.graph->bounds(), QRect(600, 300, 300, 150));
        g.graph->selectPanel(2);
        QCOMPARE(g.graph->bounds(), QRect(40, 0, 560, 235));
    }

    void curveEditingRoutesTheMouseToTheControllersDragger()
    {
        GraphFixture f;
        f.editCurves();
        f.probe.result = 0;
        QCOMPARE(f.bench.leftPress(100, 100), tcBench::PRESS_TAKEN);
        f.bench.move(103, 99, 0);
        f.bench.move(104, 99, GUI_MOD_SHIFT);
        QVERIFY(f.bench.leftRelease(104, 99));
        QCOMPARE(f.bench.rightPress(50, 60), tcBench::PRESS_TAKEN);
        QVERIFY(f.bench.rightRelease(51, 61));
        QVERIFY(f.bench.wheel(100, 100, 1, 0));
        QVERIFY(f.bench.wheel(100, 100, -1, GUI_MOD_SHIFT));
        QVERIFY(f.bench.doubleClick(40, 20));
        f.bench.move(60, 30, 0);
        const QStringList expected{
            QStringLiteral("press 70,85"),   QStringLiteral("drag 3,-1"),      QStringLiteral("drag 5,0"),
            QStringLiteral("release 74,84"), QStringLiteral("rpress 20,45"),   QStringLiteral("rrelease 21,46"),
            QStringLiteral("wheel 3"),       QStringLiteral("wheel -10"),      QStringLiteral("dclick 10,5"),
            QStringLiteral("hover 30,15")};
        QCOMPARE(f.probe.calls, expected);
    }

    void pressBesideThePlotGoesToTheSpectrumDragger()
    {
        GraphFixture f;
        f.editCurves();
        f.graph->setMode(APGRAPH_MODE_CURVES | APGRAPH_MODE_AUDIO);
        // Left of the plot (x < 30): its own spectrum dragger takes press, drag and release.
        QCOMPARE(f.bench.leftPress(10, 100), tcBench::PRESS_TAKEN);
        f.bench.move(10, 96, 0);
        QCOMPARE(f.graph->spectrumRange(), 1);
        QVERIFY(f.bench.leftRelease(10, 96));
        QVERIFY(f.probe.calls.isEmpty());
        // Inside the plot the controller's dragger has it again.
        f.bench.leftPress(100, 100);
        QCOMPARE(f.probe.calls, QStringList{QStringLiteral("press 70,85")});
    }

    void spectrumDraggerStepsTheRangeWhileAudioIsShown()
    {
        GraphFixture f;
        f.bench.wheel(100, 100, 1, 0);
        QCOMPARE(f.graph->spectrumRange(), 0);
        f.graph->setMode(APGRAPH_MODE_AUDIO);
        f.bench.wheel(100, 100, 1, 0);
        QCOMPARE(f.graph->spectrumRange(), 1);
        f.bench.wheel(100, 100, 1, GUI_MOD_SHIFT);
        QCOMPARE(f.graph->spectrumRange(), 2);
        f.bench.wheel(100, 100, -1, GUI_MOD_SHIFT);
        QCOMPARE(f.graph->spectrumRange(), 1);
        // Dragging up steps up, one step per move.
        f.bench.leftPress(100, 100);
        f.bench.move(100, 90, 0);
        QCOMPARE(f.graph->spectrumRange(), 2);
        f.bench.move(100, 95, 0);
        QCOMPARE(f.graph->spectrumRange(), 1);
        f.bench.leftRelease(100, 95);
        // The controller's dragger, when set, does not take it outside curve editing.
        f.graph->setDragger(&f.probe);
        f.bench.wheel(100, 100, 1, 0);
        QCOMPARE(f.graph->spectrumRange(), 2);
        QVERIFY(f.probe.calls.filter(QStringLiteral("wheel")).isEmpty());
    }

    void spectrumRangeIsClamped_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("expected");
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("7") << 7 << 7;
        QTest::newRow("9") << 9 << 7;
        QTest::newRow("-2") << -2 << 0;
    }

    void spectrumRangeIsClamped()
    {
        QFETCH(int, range);
        QFETCH(int, expected);
        GraphFixture f;
        f.graph->setSpectrumRange(range);
        QCOMPARE(f.graph->spectrumRange(), expected);
    }

    void draggerResultBits_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("repaint");
        QTest::addColumn<bool>("redraw");
        QTest::newRow("0: nothing") << 0 << false << false;
        QTest::newRow("1: repaint") << 1 << true << false;
        QTest::newRow("2: redraw") << 2 << true << true;
        QTest::newRow("3: redraw the curves") << 3 << true << true;
    }

    void draggerResultBits()
    {
        QFETCH(int, result);
        QFETCH(bool, repaint);
        QFETCH(bool, redraw);
        GraphFixture f;
        f.editCurves();
        renderBench(f.bench, QSize(10, 10));
        f.bench.invalidated.clear();
        f.probe.result = result;
        f.bench.leftPress(100, 100);
        QCOMPARE(!f.bench.invalidated.isEmpty(), repaint);
        QCOMPARE(f.graph->needsRedraw(), redraw);
    }

    void lockedGraphRefusesGestures()
    {
        GraphFixture f;
        f.editCurves();
        f.graph->setMode(APGRAPH_MODE_CURVES | APGRAPH_MODE_AUDIO);
        f.bench.locked.insert(1007);
        QCOMPARE(f.bench.leftPress(100, 100), tcBench::PRESS_REFUSED);
        QCOMPARE(f.bench.rightPress(100, 100), tcBench::PRESS_REFUSED);
        f.bench.wheel(100, 100, 1, 0);
        f.bench.doubleClick(100, 100);
        QVERIFY(f.probe.calls.isEmpty());
        // Hover is no gesture and never asks the lock.
        f.bench.lockQueries.clear();
        f.bench.move(100, 100, 0);
        QVERIFY(f.bench.lockQueries.isEmpty());
        QCOMPARE(f.probe.calls, QStringList{QStringLiteral("hover 70,85")});
    }

    void layersAtThePlotOrigin_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("inputFlags");
        QTest::addColumn<QStringList>("calls");
        const QStringList layers{QStringLiteral("fill @30,15"), QStringLiteral("curves @30,15"),
                                 QStringLiteral("handles @30,15")};
        QTest::newRow("curves") << 1 << 0 << layers;
        QTest::newRow("curves and reduction") << 5 << 0 << layers + QStringList{QStringLiteral("reduction @30,15")};
        QTest::newRow("reduction without curves") << 4 << 0 << QStringList{QStringLiteral("reduction @30,15")};
        QTest::newRow("spectrum only") << 2 << 0 << QStringList();
        QTest::newRow("input flags set") << 5 << 2 << QStringList();
    }

    void layersAtThePlotOrigin()
    {
        QFETCH(int, mode);
        QFETCH(int, inputFlags);
        QFETCH(QStringList, calls);
        GraphFixture f;
        f.editCurves();
        f.graph->setMode(mode);
        f.graph->setInputFlags(inputFlags);
        renderBench(f.bench, QSize(560, 235));
        QCOMPARE(f.probe.calls, calls);
    }

    void spectrumDataRepaintsOnlyWhenShown_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("repaint");
        QTest::newRow("nothing shown") << 0 << false;
        QTest::newRow("curves only") << 1 << false;
        QTest::newRow("audio") << 2 << true;
        QTest::newRow("reduction") << 4 << true;
    }

    void spectrumDataRepaintsOnlyWhenShown()
    {
        QFETCH(int, mode);
        QFETCH(bool, repaint);
        GraphFixture f;
        f.graph->setMode(mode);
        f.bench.invalidated.clear();
        const std::vector<uint8_t> shortData{9, 8, 7};
        f.graph->setSpectrumData(shortData);
        QCOMPARE(!f.bench.invalidated.isEmpty(), repaint);
        QCOMPARE(f.graph->spectrumData()[2], uint8_t(7));
        QCOMPARE(f.graph->spectrumData()[3], uint8_t(0));
        QCOMPARE(f.graph->spectrumData()[499], uint8_t(0));
    }

    void scalesShownWhileEditingCurves()
    {
        GraphFixture f;
        tcGraphAxis scale(QStringLiteral("Filter Boost / Cut dB"), 11, tcGraphAxis::LINEAR, tcGraphAxis::VERTICAL,
                          250, -15.0f, 15.0f);
        f.graph->setScales(&scale, &scale);
        f.graph->setMode(APGRAPH_MODE_AUDIO);
        QVERIFY(!f.graph->leftAxis());
        QCOMPARE(f.graph->rightAxis()->name(), QStringLiteral("dB"));
        f.graph->setMode(APGRAPH_MODE_AUDIO | APGRAPH_MODE_CURVES);
        QCOMPARE(f.graph->leftAxis(), &scale);
        QCOMPARE(f.graph->rightAxis(), &scale);
        // The scale takes the plot's height; spectrum rows keep their own axis.
        QCOMPARE(scale.length(), 200);
        QCOMPARE(f.graph->spectrumTables()[0][128], 115);
        QCOMPARE(f.graph->xAxis()->pixelOf(200.0), 167);
    }

    void oversizedGraphIsHeldToItsLimit()
    {
        tcTestBench bench;
        auto* graph = bench.add(std::make_unique<tcGuiApGraph>(QStringLiteral("GRAPH"), &bench, 1));
        graph->setWidth(1000000);
        graph->setHeight(1000000);
        graph->finishLoading();
        graph->show(true);
        QCOMPARE(graph->plotRect(), QRect(30, 15, 4096, 4096));
        QCOMPARE(graph->frequencyAxis().length(), 4096);
        // Painting makes no picture of the object's size: the paper stays as it was.
        const QImage image = renderBench(bench, QSize(40, 40), QRect(), 0xFF112233);
        QCOMPARE(image.pixel(5, 5), qRgb(0x11, 0x22, 0x33));
        QVERIFY(!graph->needsRedraw());
    }

    void controllerDraggerThatGoesAwayIsForgotten()
    {
        GraphFixture f;
        auto dragger = std::make_unique<tcProbeDragger>(f.graph);
        f.graph->setDragger(dragger.get());
        f.graph->setMode(APGRAPH_MODE_CURVES | APGRAPH_MODE_REDUCTION);
        dragger.reset();
        QVERIFY(!f.graph->dragger());
        renderBench(f.bench, QSize(560, 235));
        QCOMPARE(f.bench.leftPress(100, 100), tcBench::PRESS_TAKEN);
    }
};

QTEST_MAIN(tst_GuiApGraph)
#include "tst_guiapgraph.moc"
