#include "gqgui/graph_axis.h"

#include <QTest>

#include <cmath>

class tst_GraphAxis : public QObject
{
    Q_OBJECT

private slots:
    void pixelsAndValuesBothWays_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("length");
        QTest::addColumn<float>("minimum");
        QTest::addColumn<float>("maximum");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("pixel");
        // Linear vertical: length - round((v - min) / (max - min) * length), from the top.
        QTest::newRow("linear top") << 0 << true << 200 << -50.0f << 0.0f << 0.0 << 0;
        QTest::newRow("linear bottom") << 0 << true << 200 << -50.0f << 0.0f << -50.0 << 200;
        QTest::newRow("linear middle") << 0 << true << 200 << -50.0f << 0.0f << -25.0 << 100;
        QTest::newRow("linear quarter") << 0 << true << 200 << -15.0f << 15.0f << 7.5 << 50;
        // Linear horizontal from the left.
        QTest::newRow("linear left") << 0 << false << 160 << -80.0f << 0.0f << -80.0 << 0;
        QTest::newRow("linear three quarters") << 0 << false << 160 << -80.0f << 0.0f << -20.0 << 120;
        // Logarithmic: round(log10(v / min) * length / log10(max / min)) from the left.
        QTest::newRow("log 20 Hz") << 1 << false << 300 << 20.0f << 20000.0f << 20.0 << 0;
        QTest::newRow("log 200 Hz") << 1 << false << 300 << 20.0f << 20000.0f << 200.0 << 100;
        QTest::newRow("log 2 kHz") << 1 << false << 300 << 20.0f << 20000.0f << 2000.0 << 200;
        QTest::newRow("log 20 kHz") << 1 << false << 300 << 20.0f << 20000.0f << 20000.0 << 300;
        QTest::newRow("log vertical from the bottom") << 1 << true << 300 << 20.0f << 20000.0f << 200.0 << 200;
    }

    void pixelsAndValuesBothWays()
    {
        QFETCH(int, scale);
        QFETCH(bool, vertical);
        QFETCH(int, length);
        QFETCH(float, minimum);
        QFETCH(float, maximum);
        QFETCH(double, value);
        QFETCH(int, pixel);
        const tcGraphAxis axis(QStringLiteral("dB"), 11, scale,
                               vertical ? tcGraphAxis::VERTICAL : tcGraphAxis::HORIZONTAL, length, minimum, maximum);
        QCOMPARE(axis.pixelOf(value), pixel);
        QVERIFY(qAbs(axis.valueAt(pixel) - value) < 1e-3 * qMax(1.0, qAbs(value)));
    }

    void logarithmicInverseBetweenDecades()
    {
        const tcGraphAxis axis(QString(), 0, tcGraphAxis::LOGARITHMIC, tcGraphAxis::HORIZONTAL, 300, 20.0f, 20000.0f);
        // 20 * 10^(3 * 150 / 300) = 632.456 Hz
        QVERIFY(qAbs(axis.valueAt(150) - 632.456) < 0.01);
        const tcGraphAxis linear(QString(), 0, tcGraphAxis::LINEAR, tcGraphAxis::VERTICAL, 200, -50.0f, 0.0f);
        QVERIFY(qAbs(linear.valueAt(40) - -10.0) < 1e-9);
    }

    // Axes without extent never divide by zero: every value sits at 0, every pixel reads
    // the minimum.
    void axesWithoutExtentStayDefined_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("length");
        QTest::addColumn<float>("minimum");
        QTest::addColumn<float>("maximum");
        QTest::newRow("no length") << 0 << 0 << -50.0f << 0.0f;
        QTest::newRow("empty range") << 0 << 200 << 3.0f << 3.0f;
        QTest::newRow("log from zero") << 1 << 200 << 0.0f << 100.0f;
        QTest::newRow("log negative") << 1 << 200 << -10.0f << 100.0f;
    }

    void axesWithoutExtentStayDefined()
    {
        QFETCH(int, scale);
        QFETCH(int, length);
        QFETCH(float, minimum);
        QFETCH(float, maximum);
        const tcGraphAxis axis(QString(), 0, scale, tcGraphAxis::VERTICAL, length, minimum, maximum);
        QCOMPARE(axis.pixelOf(50.0), 0);
        QCOMPARE(axis.valueAt(100), double(minimum));
    }

    void valuesOffTheScaleStayDefined()
    {
        const tcGraphAxis log(QString(), 0, tcGraphAxis::LOGARITHMIC, tcGraphAxis::HORIZONTAL, 300, 20.0f, 20000.0f);
        QVERIFY(log.pixelOf(0.0) < -1000);
        QVERIFY(log.pixelOf(-5.0) < -1000);
        QCOMPARE(log.pixelOf(std::nan("")), 0);
        const tcGraphAxis linear(QString(), 0, tcGraphAxis::LINEAR, tcGraphAxis::VERTICAL, 200, -50.0f, 0.0f);
        QVERIFY(linear.pixelOf(1e30) < -1000);
    }

    void ticksOutsideTheCountAreIgnored()
    {
        tcGraphAxis axis(QStringLiteral("dB"), 2, tcGraphAxis::LINEAR, tcGraphAxis::VERTICAL, 100, -10.0f, 10.0f);
        axis.setTick(1, 10.0f, 13, QStringLiteral("+10"));
        axis.setTick(2, 5.0f, 13, QStringLiteral("+5"));
        axis.setTick(-1, 5.0f, 13, QStringLiteral("+5"));
        QCOMPARE(axis.ticks().size(), size_t(2));
        QCOMPARE(axis.ticks()[0].flags, 0);
        QCOMPARE(axis.ticks()[1].label, QStringLiteral("+10"));
        QCOMPARE(axis.ticks()[1].flags, 13);
    }
};

QTEST_MAIN(tst_GraphAxis)
#include "tst_graphaxis.moc"
