#include "sim/sim_meter.h"

#include "model/device_globals.h"
#include "model/param_map.h"

#include <QTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>

namespace {

// Datagram bytes (the receiver's layout).
constexpr size_t IN_LEVEL = 20, IN_PEAK = 21, IN_OVERLOAD = 22;
constexpr size_t EXP_LEVEL = 23, DES_LEVEL = 24, CMP_LEVEL = 25;
constexpr size_t OUT_LEVEL = 26, OUT_PEAK = 27, GRAPH = 28;
constexpr int RATE = 20;

// The unit's settings for one run of the meter.
struct tcSettings
{
    tcParamMap map;
    tcDeviceGlobals globals;
};

using tcSetup = std::function<void(tcSettings&)>;

// count datagrams (at 20 a second) of a fresh meter under the settings that setup makes.
std::vector<tMeterDatagram> run(const tcSetup& setup, int count)
{
    tcSettings settings;
    setup(settings);
    tcSimMeter meter(RATE);
    std::vector<tMeterDatagram> out;
    for (int i = 0; i < count; ++i)
        out.push_back(meter.next(settings.map, settings.globals, 1));
    return out;
}

// Mean gain reduction in dB shown by byte at over the datagrams: (255 - index) / 4 dB.
double meanReduction(const std::vector<tMeterDatagram>& datagrams, size_t at)
{
    double sum = 0.0;
    for (const tMeterDatagram& datagram : datagrams)
        sum += (255 - datagram[at]) / 4.0;
    return sum / double(datagrams.size());
}

int minimum(const std::vector<tMeterDatagram>& datagrams, size_t at)
{
    int lowest = 255;
    for (const tMeterDatagram& datagram : datagrams)
        lowest = std::min<int>(lowest, datagram[at]);
    return lowest;
}

tcSetup compressor(bool in, float threshold, float ratio)
{
    return [=](tcSettings& s) {
        s.map.setBool(8100, in, TO_GUI);
        s.map.setFloat(8101, threshold, TO_GUI);
        s.map.setFloat(8102, ratio, TO_GUI);
    };
}

// Graph point of about 1 kHz (point i is at 20 x 1000^(i / 499) Hz) and one of about 20 Hz.
constexpr size_t POINT_1KHZ = 283;
constexpr size_t POINT_20HZ = 1;

tcSetup eqAtOutput(bool eqIn, float peq1Lift, int source = 1)
{
    return [=](tcSettings& s) {
        s.globals.setInt(1007, uint32_t(source), TO_GUI);
        s.map.setBool(6101, eqIn, TO_GUI);
        for (quint16 lift : {6110, 6106, 6107, 6111})
            s.map.setFloat(lift, 0.0f, TO_GUI);
        s.map.setFloat(6102, 1000.0f, TO_GUI);
        s.map.setFloat(6104, 0.5f, TO_GUI);
        s.map.setFloat(6106, peq1Lift, TO_GUI);
    };
}

} // namespace

class tst_SimMeter : public QObject
{
    Q_OBJECT

private slots:
    void datagramLayout()
    {
        tcSettings settings;
        tcSimMeter meter(RATE);
        const tMeterDatagram datagram = meter.next(settings.map, settings.globals, 0xAB);
        QCOMPARE(datagram.size(), size_t(528));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(datagram.data()), 16), QByteArray("TB_K7_METERMSG__"));
        QCOMPARE(datagram[16], uint8_t(1));
        QCOMPARE(datagram[17], uint8_t(0xAB));
        QCOMPARE(datagram[18], uint8_t(0));
        QCOMPARE(datagram[19], uint8_t(0));
    }

    void levelsMoveAndPeaksSitAboveThem()
    {
        const std::vector<tMeterDatagram> datagrams = run([](tcSettings&) {}, 200);
        std::set<int> inLevels;
        std::set<int> outLevels;
        for (const tMeterDatagram& d : datagrams) {
            inLevels.insert(d[IN_LEVEL]);
            outLevels.insert(d[OUT_LEVEL]);
            // 255 means no peak, so a peak at full scale shows as 254.
            QVERIFY(d[IN_PEAK] == 255 || d[IN_PEAK] >= std::min<int>(d[IN_LEVEL], 254));
            QVERIFY(d[OUT_PEAK] == 255 || d[OUT_PEAK] >= std::min<int>(d[OUT_LEVEL], 254));
        }
        QVERIFY(inLevels.size() >= 20);
        QVERIFY(outLevels.size() >= 20);
        // Talking at the default gain of 20 dB: between -40 and 0 dBFS (index 95 to 255).
        QVERIFY(datagrams[0][IN_LEVEL] >= 95);
        // A pause follows within ten seconds: the level drops below -40 dBFS.
        QVERIFY(minimum(datagrams, IN_LEVEL) < 95);
    }

    void overloadComesWithTooMuchGainOnly_data()
    {
        QTest::addColumn<float>("gain");
        QTest::addColumn<bool>("overload");
        QTest::newRow("-10 dB: never") << -10.0f << false;
        QTest::newRow("default 20 dB: on the shout") << 20.0f << true;
        QTest::newRow("70 dB: often") << 70.0f << true;
    }
    void overloadComesWithTooMuchGainOnly()
    {
        QFETCH(float, gain);
        QFETCH(bool, overload);
        const std::vector<tMeterDatagram> datagrams =
            run([gain](tcSettings& s) { s.map.setFloat(2100, gain, TO_GUI); }, 15 * RATE);
        const auto lit = std::count_if(datagrams.begin(), datagrams.end(),
                                       [](const tMeterDatagram& d) { return d[IN_OVERLOAD] != 0; });
        QCOMPARE(lit > 0, overload);
        if (overload) // the lamp holds a second
            QVERIFY(lit >= RATE);
    }

    void compressorReductionFollowsItsSettings()
    {
        constexpr int count = 10 * RATE;
        QCOMPARE(minimum(run(compressor(false, -50.0f, 20.0f), count), CMP_LEVEL), 255);
        QCOMPARE(minimum(run(compressor(true, -50.0f, 1.0f), count), CMP_LEVEL), 255);
        const double deep = meanReduction(run(compressor(true, -50.0f, 20.0f), count), CMP_LEVEL);
        const double high = meanReduction(run(compressor(true, -30.0f, 20.0f), count), CMP_LEVEL);
        const double gentle = meanReduction(run(compressor(true, -30.0f, 1.5f), count), CMP_LEVEL);
        QVERIFY2(deep > high + 5.0, qPrintable(QString("%1 %2").arg(deep).arg(high)));
        QVERIFY2(high > gentle + 2.0, qPrintable(QString("%1 %2").arg(high).arg(gentle)));
        QVERIFY(gentle > 0.0);
        // The output shows the reduction: a deep compression lowers the mean output level.
        const auto meanOut = [](const tcSetup& setup) {
            double sum = 0;
            for (const tMeterDatagram& d : run(setup, count))
                sum += d[OUT_LEVEL];
            return sum / count;
        };
        QVERIFY(meanOut(compressor(true, -50.0f, 20.0f)) < meanOut(compressor(false, -50.0f, 20.0f)) - 40.0);
    }

    void expanderReductionFollowsItsSettings()
    {
        const auto expander = [](bool in, float threshold, float depth) {
            return [=](tcSettings& s) {
                s.map.setBool(4100, in, TO_GUI);
                s.map.setFloat(4102, threshold, TO_GUI);
                s.map.setFloat(4101, depth, TO_GUI);
            };
        };
        const int count = 10 * RATE; // talking, then a pause
        QCOMPARE(minimum(run(expander(false, 0.0f, 40.0f), count), EXP_LEVEL), 255);
        QCOMPARE(minimum(run(expander(true, 0.0f, 0.0f), count), EXP_LEVEL), 255);
        // Never more than its depth: 10 dB is index 215.
        QCOMPARE(minimum(run(expander(true, 0.0f, 10.0f), count), EXP_LEVEL), 215);
        QVERIFY(meanReduction(run(expander(true, -20.0f, 40.0f), count), EXP_LEVEL)
                > meanReduction(run(expander(true, -50.0f, 40.0f), count), EXP_LEVEL) + 5.0);
    }

    void deesserReductionFollowsItsSettings()
    {
        const auto deesser = [](bool in, float threshold) {
            return [=](tcSettings& s) {
                s.map.setBool(5100, in, TO_GUI);
                s.map.setFloat(5101, threshold, TO_GUI);
                s.map.setFloat(5103, 6000.0f, TO_GUI);
            };
        };
        const int count = 10 * RATE;
        QCOMPARE(minimum(run(deesser(false, -60.0f), count), DES_LEVEL), 255);
        QVERIFY(meanReduction(run(deesser(true, -60.0f), count), DES_LEVEL)
                > meanReduction(run(deesser(true, -30.0f), count), DES_LEVEL) + 5.0);
    }

    void outputGainMovesTheOutputLevel()
    {
        const std::vector<tMeterDatagram> plain = run([](tcSettings&) {}, RATE);
        const std::vector<tMeterDatagram> lower =
            run([](tcSettings& s) { s.map.setFloat(9004, -20.0f, TO_GUI); }, RATE);
        for (int i = 0; i < RATE; ++i) {
            QVERIFY(std::abs(plain[i][OUT_LEVEL] - lower[i][OUT_LEVEL] - 80) <= 1); // 20 dB = 80 steps
            QCOMPARE(plain[i][IN_LEVEL], lower[i][IN_LEVEL]);
        }
    }

    void outputSpectrumIsShapedByTheEq()
    {
        const std::vector<tMeterDatagram> off = run(eqAtOutput(false, 14.0f), RATE);
        const std::vector<tMeterDatagram> flat = run(eqAtOutput(true, 0.0f), RATE);
        const std::vector<tMeterDatagram> lifted = run(eqAtOutput(true, 14.0f), RATE);
        for (int i = 0; i < RATE; ++i) {
            // All lifts at 0 dB: the same as the EQ switched out.
            QVERIFY(std::equal(off[i].begin() + GRAPH, off[i].end(), flat[i].begin() + GRAPH));
            // +14 dB at 1 kHz is 14 / 50 of the byte's 255 steps higher; 20 Hz stays.
            const int lift = lifted[i][GRAPH + POINT_1KHZ] - flat[i][GRAPH + POINT_1KHZ];
            QVERIFY2(std::abs(lift - 71) <= 2, qPrintable(QString::number(lift)));
            QVERIFY(std::abs(lifted[i][GRAPH + POINT_20HZ] - flat[i][GRAPH + POINT_20HZ]) <= 1);
        }
    }

    void inputSpectrumIsNotShapedByTheEq()
    {
        const std::vector<tMeterDatagram> off = run(eqAtOutput(false, 14.0f, 0), RATE);
        const std::vector<tMeterDatagram> lifted = run(eqAtOutput(true, 14.0f, 0), RATE);
        for (int i = 0; i < RATE; ++i)
            QVERIFY(std::equal(off[i].begin() + GRAPH, off[i].end(), lifted[i].begin() + GRAPH));
    }

    void firstGraphByteTellsSpectrumFromWaveform()
    {
        for (const tMeterDatagram& d : run([](tcSettings&) {}, RATE))
            QCOMPARE(d[GRAPH] & 1, 0);
        const std::vector<tMeterDatagram> scope =
            run([](tcSettings& s) { s.globals.setBool(1006, true, TO_GUI); }, RATE);
        for (const tMeterDatagram& d : scope)
            QCOMPARE(d[GRAPH] & 1, 1);
        // Signed samples around zero: both halves of the wave are there.
        const auto& graph = scope.front();
        QVERIFY(std::any_of(graph.begin() + GRAPH, graph.end(), [](uint8_t b) { return b > 0 && b < 128; }));
        QVERIFY(std::any_of(graph.begin() + GRAPH, graph.end(), [](uint8_t b) { return b > 128; }));
    }
};

QTEST_MAIN(tst_SimMeter)
#include "tst_simmeter.moc"
