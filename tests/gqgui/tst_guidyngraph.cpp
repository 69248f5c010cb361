#include "gqgui/gui_dyngraph.h"
#include "tests/gqgui/test_bench.h"

#include <QProcess>
#include <QTest>

namespace {
// Set in the child process that must hit the curve-count assertion.
constexpr const char* FAULT_VARIABLE = "TST_DYNGRAPH_CURVES";
}

// A loaded, visible dynamics graph of the default 180 x 170 at (0, 0): plot (30, 9) 141 x 136.
struct DynFixture
{
    tcTestBench bench;
    tcGuiDynGraph* graph;

    DynFixture()
    {
        graph = bench.add(std::make_unique<tcGuiDynGraph>(QStringLiteral("COMP_GRAPH"), &bench, 10001));
        graph->finishLoading();
        graph->show(true);
    }
};

class tst_GuiDynGraph : public QObject
{
    Q_OBJECT

private slots:
    void axesOfTheThreeScaleModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<float>("minimum");
        QTest::addColumn<float>("maximum");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("0: -80..0 dBFS") << 0 << QStringLiteral("dBFS") << -80.0f << 0.0f
                                        << QStringList{"-80", "", "-60", "", "-40", "", "-20", "", "0"};
        QTest::newRow("1: -60..+20 dB") << 1 << QStringLiteral("dB") << -60.0f << 20.0f
                                        << QStringList{"-60", "", "-40", "", "-20", "", "0", "", "+20"};
        QTest::newRow("2: -80..+20 dB") << 2 << QStringLiteral("dB") << -80.0f << 20.0f
                                        << QStringList{"-80", "", "-60", "", "-40", "", "-20", "", "0", "", "+20"};
        QTest::newRow("unknown mode counts as 0") << 5 << QStringLiteral("dBFS") << -80.0f << 0.0f
                                                  << QStringList{"-80", "", "-60", "", "-40", "", "-20", "", "0"};
    }

    void axesOfTheThreeScaleModes()
    {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(float, minimum);
        QFETCH(float, maximum);
        QFETCH(QStringList, labels);
        DynFixture f;
        f.graph->setup(DYNGRAPH_COMPRESSOR, mode, 1);
        for (const tcGraphAxis* axis : {f.graph->xAxis(), f.graph->leftAxis()}) {
            QVERIFY(axis);
            QCOMPARE(axis->name(), name);
            QCOMPARE(axis->minimum(), minimum);
            QCOMPARE(axis->maximum(), maximum);
            QCOMPARE(int(axis->ticks().size()), int(labels.size()));
            for (int i = 0; i < labels.size(); ++i) {
                const tcAxisTick& tick = axis->ticks()[size_t(i)];
                QCOMPARE(tick.value, minimum + 10.0f * i);
                QCOMPARE(tick.label, labels[i]);
                QCOMPARE(tick.flags, labels[i].isEmpty() ? 6 : 13);
            }
        }
        QVERIFY(!f.graph->rightAxis());
        QCOMPARE(f.graph->xAxis()->length(), 141);
        QCOMPARE(f.graph->leftAxis()->length(), 136);
    }

    void transferCurves_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<float>("threshold");
        QTest::addColumn<float>("ratio");
        QTest::addColumn<float>("depth");
        QTest::addColumn<float>("input");
        QTest::addColumn<float>("output");
        QTest::newRow("expander above threshold: 1:1") << 0 << -40.0f << 2.0f << 10.0f << -30.0f << -30.0f;
        QTest::newRow("expander 5 dB below at 2:1") << 0 << -40.0f << 2.0f << 10.0f << -45.0f << -50.0f;
        QTest::newRow("expander limited to its depth") << 0 << -40.0f << 2.0f << 10.0f << -60.0f << -70.0f;
        QTest::newRow("expander without depth: 1:1") << 0 << -40.0f << 2.0f << 0.0f << -60.0f << -60.0f;
        QTest::newRow("compressor below threshold: 1:1") << 3 << -20.0f << 4.0f << 0.0f << -30.0f << -30.0f;
        QTest::newRow("compressor 10 dB above at 4:1") << 3 << -20.0f << 4.0f << 0.0f << -10.0f << -17.5f;
        QTest::newRow("compressor ratio 0 counts as 1:1") << 3 << -20.0f << 0.0f << 0.0f << 0.0f << 0.0f;
    }

    void transferCurves()
    {
        QFETCH(int, type);
        QFETCH(float, threshold);
        QFETCH(float, ratio);
        QFETCH(float, depth);
        QFETCH(float, input);
        QFETCH(float, output);
        DynFixture f;
        f.graph->setup(type, 0, 1);
        f.graph->setThreshold(0, threshold);
        f.graph->setRatio(0, ratio);
        f.graph->setDepth(0, depth);
        QVERIFY(qAbs(f.graph->transfer(0, input) - output) < 1e-4f);
    }

    void gainFactorLiftsTheCurve()
    {
        DynFixture f;
        f.graph->setGain(0, 2.0f);
        QVERIFY(qAbs(f.graph->transfer(0, -30.0f) - -23.9794f) < 1e-3f);
        f.graph->setGain(0, 0.0f);
        QCOMPARE(f.graph->transfer(0, -30.0f), -30.0f);
    }

    void setupResetsEveryCurveWhenSomethingChanged()
    {
        DynFixture f;
        f.graph->setup(DYNGRAPH_COMPRESSOR, 0, 3);
        f.graph->setThreshold(0, -20.0f);
        f.graph->setRatio(2, 8.0f);
        f.graph->setCurveEnabled(2, true);
        // The same set-up again keeps everything.
        f.graph->setup(DYNGRAPH_COMPRESSOR, 0, 3);
        QCOMPARE(f.graph->parameter(0, DYNPARAM_THRESHOLD), -20.0f);
        QCOMPARE(f.graph->parameter(2, DYNPARAM_RATIO), 8.0f);
        // Another scale mode resets: all 0 but 3.0 for the ratio and 1.0 for the gain.
        f.graph->setup(DYNGRAPH_COMPRESSOR, 1, 3);
        for (int curve = 0; curve < 3; ++curve) {
            QCOMPARE(f.graph->parameter(curve, DYNPARAM_THRESHOLD), 0.0f);
            QCOMPARE(f.graph->parameter(curve, DYNPARAM_RATIO), 3.0f);
            QCOMPARE(f.graph->parameter(curve, DYNPARAM_DEPTH), 0.0f);
            QCOMPARE(f.graph->parameter(curve, DYNPARAM_GAIN), 1.0f);
            QCOMPARE(f.graph->curveEnabled(curve), curve == 0);
        }
        QCOMPARE(f.graph->xAxis()->minimum(), -60.0f);
    }

    void curveSettersIgnoreCurvesOutsideTheCount()
    {
        DynFixture f;
        f.graph->setup(DYNGRAPH_EXPANDER, 0, 2);
        f.bench.invalidated.clear();
        f.graph->setThreshold(2, -30.0f);
        f.graph->setRatio(-1, 2.0f);
        f.graph->setDepth(5, 3.0f);
        f.graph->setCurveEnabled(2, true);
        QVERIFY(f.bench.invalidated.isEmpty());
        f.graph->setThreshold(1, -30.0f);
        QVERIFY(!f.bench.invalidated.isEmpty());
        QCOMPARE(f.graph->parameter(1, DYNPARAM_THRESHOLD), -30.0f);
        // Growing the count resets, so curve 2 starts fresh.
        f.graph->setup(DYNGRAPH_EXPANDER, 0, 3);
        QCOMPARE(f.graph->parameter(2, DYNPARAM_THRESHOLD), 0.0f);
        QVERIFY(!f.graph->curveEnabled(2));
    }

    void curvePointsSpanThePlot()
    {
        DynFixture f;
        // The reset expander has no depth: a 1:1 diagonal from (-80, -80) to (0, 0).
        const QPolygon& points = f.graph->curvePoints(0);
        QCOMPARE(points.size(), 142);
        QCOMPARE(points.front(), QPoint(30, 145));
        QCOMPARE(points.back(), QPoint(171, 9));
        // Column 70: -80 + 70 / 141 * 80 dB, 136 - round(70 / 141 * 136) = 68 rows down.
        QCOMPARE(points[70], QPoint(100, 77));
        const QImage image = renderBench(f.bench, QSize(180, 170));
        QCOMPARE(image.pixel(100, 77), qRgb(255, 0, 0));
        // The curve takes the colour the skin gives it.
        f.graph->setCurveColor(0, 0xFF4080FF);
        QCOMPARE(renderBench(f.bench, QSize(180, 170)).pixel(100, 77), qRgb(0x40, 0x80, 0xFF));
    }

    void curveCountOutsideOneToFiveIsFatal_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("0") << 0;
        QTest::newRow("6") << 6;
    }

    void curveCountOutsideOneToFiveIsFatal()
    {
        QFETCH(int, count);
        if (qEnvironmentVariableIsSet(FAULT_VARIABLE)) {
            DynFixture f;
            f.graph->setup(DYNGRAPH_EXPANDER, 0, qEnvironmentVariableIntValue(FAULT_VARIABLE));
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(FAULT_VARIABLE), QString::number(count));
        child.setProcessEnvironment(environment);
        // The test log may take the fatal message.
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("curveCountOutsideOneToFiveIsFatal:%1").arg(count)});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        const QString errors = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(errors.contains(QStringLiteral("max_curves > 0 && max_curves <= MAX_DYNGRAPH_CURVES")),
                 qPrintable(errors));
        QVERIFY(errors.contains(QStringLiteral("gui_dyngraph")));
    }
};

QTEST_MAIN(tst_GuiDynGraph)
#include "tst_guidyngraph.moc"
