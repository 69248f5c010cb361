#include "sim/sim_unit.h"

#include "frame_bytes.h"

#include <QTest>

#include <cstring>
#include <optional>

Q_DECLARE_METATYPE(std::optional<uint32_t>)

namespace {

constexpr uint32_t SECRET_KEY = 0x5CA2E8E5; // CRC-32 of "secret"

Bytes login(uint32_t key)
{
    Bytes frame = frameOf(12, 20);
    put32(frame, 8, key);
    return frame;
}

Bytes meterStart(uint16_t port, uint8_t stream)
{
    Bytes frame = frameOf(10, 11);
    put16(frame, 6, port);
    frame[8] = stream;
    return frame;
}

// A preset header message named "Voice 1" with checksums, counts and reserved bytes set.
Bytes presetHeaderFrame()
{
    Bytes frame = frameOf(164, 22);
    std::memcpy(frame.data() + 9, "Voice 1", 7);
    frame[49] = 1;
    frame[50] = 0x40;
    put32(frame, 52, 0x11223344);
    put32(frame, 56, 0x55667788);
    put16(frame, 68, 30);
    put16(frame, 70, 9);
    put32(frame, 76, 0xA1B2C3D4); // first reserved word
    std::fill(frame.begin() + 84, frame.end(), 0xFF);
    frame[100] = 0x5A; // a reserved byte, inverted on the wire
    return frame;
}

tcSimUnit::tcConfig config(std::optional<uint32_t> key = std::nullopt)
{
    tcSimUnit::tcConfig result;
    result.loginKey = key;
    return result;
}

// A unit with an accepted login (no password).
struct tcLoggedIn
{
    tcSimUnit unit{config()};
    tcLoggedIn() { unit.handleFrame(login(1), 0); }
};

} // namespace

class tst_SimUnit : public QObject
{
    Q_OBJECT

private slots:
    void loginKeyIsChecked_data()
    {
        QTest::addColumn<std::optional<uint32_t>>("password");
        QTest::addColumn<uint32_t>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("no password, any key") << std::optional<uint32_t>() << 0x12345678u << 2;
        QTest::newRow("no password, no record's key") << std::optional<uint32_t>() << 0xFFFFFFFFu << 2;
        QTest::newRow("password, its CRC") << std::optional<uint32_t>(SECRET_KEY) << SECRET_KEY << 2;
        QTest::newRow("password, another key") << std::optional<uint32_t>(SECRET_KEY) << SECRET_KEY - 1 << 3;
        QTest::newRow("empty password, key 0") << std::optional<uint32_t>(0) << 0u << 2;
    }
    void loginKeyIsChecked()
    {
        QFETCH(std::optional<uint32_t>, password);
        QFETCH(uint32_t, key);
        QFETCH(int, result);
        tcSimUnit unit(config(password));
        const tcFrames answers = unit.handleFrame(login(key), 0);
        QVERIFY(!answers.empty());
        QCOMPARE(answers.front(), bytes({0xA5, 0xA5, 0x0C, 0x00, 0x14, 0x00, result, 0x00, 0, 0, 0, 0}));
        QCOMPARE(unit.loggedIn(), result == 2);
        QCOMPARE(answers.size(), size_t(result == 2 ? 3 : 1));
    }

    void acceptedLoginSendsAllParamsThenAllGlobals()
    {
        tcSimUnit unit(config(SECRET_KEY));
        const tcFrames answers = unit.handleFrame(login(SECRET_KEY), 0);
        QCOMPARE(answers.size(), size_t(3));
        QCOMPARE(answers[1].size(), size_t(1204));
        QCOMPARE(Bytes(answers[1].begin(), answers[1].begin() + 12),
                 bytes({0xA5, 0xA5, 0xB4, 0x04, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x01, 31, 0x00}));
        // The key is the "RCRC    " global; the unit starts under remote control (IS_LOCAL 0).
        QCOMPARE(answers[2], globalsBlock({{1000, 0}, {1001, 0}, {1002, 0}, {1006, 0}, {1007, 0},
                                           {1008, SECRET_KEY}, {1009, 0}, {1010, 0}, {1011, 0}, {1012, 0},
                                           {1013, 0}, {1014, 0}, {1015, 0}}));
    }

    void aRejectedConnectionMayTryAgain()
    {
        tcSimUnit unit(config(SECRET_KEY));
        QCOMPARE(unit.handleFrame(login(7), 0).size(), size_t(1));
        QVERIFY(unit.handleFrame(frameOf(6, 21), 0).empty()); // no header before a login
        QCOMPARE(unit.handleFrame(login(SECRET_KEY), 0).size(), size_t(3));
        QCOMPARE(unit.handleFrame(frameOf(6, 21), 0).size(), size_t(1));
    }

    void onlyTheLoginIsAnsweredBeforeALogin_data()
    {
        QTest::addColumn<Bytes>("frame");
        QTest::newRow("version request") << frameOf(6, 1);
        QTest::newRow("header query") << frameOf(6, 21);
        QTest::newRow("parameters") << paramsBlock({{2100, floatBits(40.0f)}});
        QTest::newRow("meter start") << meterStart(60001, 1);
    }
    void onlyTheLoginIsAnsweredBeforeALogin()
    {
        QFETCH(Bytes, frame);
        tcSimUnit unit(config());
        QVERIFY(unit.handleFrame(frame, 0).empty());
        QCOMPARE(unit.params().getFloat(2100), 20.0f);
        QVERIFY(!unit.meterTarget());
    }

    void versionRequestIsAnsweredWith108Bytes()
    {
        tcLoggedIn fixture;
        const tcFrames answers = fixture.unit.handleFrame(frameOf(6, 1), 0);
        QCOMPARE(answers.size(), size_t(1));
        QCOMPARE(answers.front().size(), size_t(108));
        QCOMPARE(Bytes(answers.front().begin(), answers.front().begin() + 6), bytes({0xA5, 0xA5, 0x6C, 0x00, 0x02, 0x00}));
    }

    void receivedParametersAreAppliedAndReportedOnTheNextLogin()
    {
        tcLoggedIn fixture;
        const Bytes block = paramsBlock({{2100, floatBits(30.4f)}, // the gain table holds whole dB
                                         {7777, floatBits(1.0f)},  // not a parameter: skipped
                                         {8100, 1},                // a switch: one byte 1
                                         {6106, floatBits(-20.0f)}}); // clamped to -14 dB
        QVERIFY(fixture.unit.handleFrame(block, 0).empty());
        QCOMPARE(fixture.unit.params().getFloat(2100), 30.0f);
        QCOMPARE(fixture.unit.params().getBool(8100), true);
        QCOMPARE(fixture.unit.params().getFloat(6106), -14.0f);
        const tcFrames answers = fixture.unit.handleFrame(login(1), 0);
        QCOMPARE(answers.size(), size_t(3));
        const Bytes& values = answers[1];
        QCOMPARE(Bytes(values.begin() + 12, values.begin() + 20), bytes({0x34, 0x08, 0, 0, 0x00, 0x00, 0xF0, 0x41}));
        QCOMPARE(Bytes(values.begin() + 12 + 8 * 25, values.begin() + 20 + 8 * 25),
                 bytes({0xA4, 0x1F, 0, 0, 0x01, 0x00, 0x00, 0x00})); // 8100 Comp In
    }

    void entryCountIsLimitedToTheFrame_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("count");
        QTest::addColumn<float>("gain");
        QTest::addColumn<float>("outGain");
        QTest::newRow("count 0 changes nothing") << 1204 << 0 << 20.0f << 0.0f;
        QTest::newRow("count 2 of a whole block") << 1204 << 2 << 50.0f << -6.0f;
        QTest::newRow("count past a cut frame") << 12 + 8 << 5 << 50.0f << 0.0f;
        QTest::newRow("count past 149") << 1204 << 60000 << 50.0f << -6.0f;
        QTest::newRow("frame without entries") << 12 << 2 << 20.0f << 0.0f;
        QTest::newRow("frame cut inside the count") << 11 << 2 << 20.0f << 0.0f;
    }
    void entryCountIsLimitedToTheFrame()
    {
        QFETCH(int, length);
        QFETCH(int, count);
        QFETCH(float, gain);
        QFETCH(float, outGain);
        tcLoggedIn fixture;
        Bytes block = paramsBlock({{2100, floatBits(50.0f)}, {9004, floatBits(-6.0f)}});
        put16(block, 10, static_cast<uint16_t>(count));
        block.resize(size_t(length));
        put16(block, 2, static_cast<uint16_t>(length));
        QVERIFY(fixture.unit.handleFrame(block, 0).empty());
        QCOMPARE(fixture.unit.params().getFloat(2100), gain);
        QCOMPARE(fixture.unit.params().getFloat(9004), outGain);
    }

    void parametersForAPresetMemoryAreIgnored()
    {
        tcLoggedIn fixture;
        fixture.unit.handleFrame(paramsBlock({{2100, floatBits(50.0f)}}, 3), 0);
        QCOMPARE(fixture.unit.params().getFloat(2100), 20.0f);
    }

    void receivedGlobalsAreApplied()
    {
        tcLoggedIn fixture;
        fixture.unit.handleFrame(globalsBlock({{1013, 2}, {1006, 0x01}, {1004, 9}, {1015, 0x0100}}), 0);
        QCOMPARE(fixture.unit.globals().getInt(1013), 2u);
        QCOMPARE(fixture.unit.globals().getBool(1006), true);
        QCOMPARE(fixture.unit.globals().getBool(1015), false); // a bool is the low byte only
    }

    void aNewPasswordKeyIsCheckedFromThenOn()
    {
        tcLoggedIn fixture; // no password: any key so far
        fixture.unit.handleFrame(globalsBlock({{1008, 0x0BADF00D}}), 0);
        fixture.unit.resetLink();
        QCOMPARE(fixture.unit.handleFrame(login(1), 0).front()[6], uint8_t(3));
        QCOMPARE(fixture.unit.handleFrame(login(0x0BADF00D), 0).front()[6], uint8_t(2));
    }

    void headerQueryAnswersTheLastHeaderKept()
    {
        tcLoggedIn fixture;
        Bytes unknown = frameOf(164, 22);
        std::memcpy(unknown.data() + 9, "Unknown", 7);
        unknown[49] = 1;
        std::fill(unknown.begin() + 84, unknown.end(), 0xFF);
        QCOMPARE(fixture.unit.handleFrame(frameOf(6, 21), 0), tcFrames{unknown});
        QVERIFY(fixture.unit.handleFrame(presetHeaderFrame(), 0).empty());
        QCOMPARE(fixture.unit.handleFrame(frameOf(6, 21), 0), tcFrames{presetHeaderFrame()});
        fixture.unit.resetLink(); // the header outlives the connection
        fixture.unit.handleFrame(login(1), 0);
        QCOMPARE(fixture.unit.handleFrame(frameOf(6, 21), 0), tcFrames{presetHeaderFrame()});
    }

    void shortFramesAreDropped_data()
    {
        QTest::addColumn<Bytes>("frame");
        Bytes header = presetHeaderFrame();
        header.resize(163);
        QTest::newRow("preset header of 163 bytes") << header;
        Bytes start = meterStart(60001, 4);
        start.resize(9);
        QTest::newRow("meter start of 9 bytes") << start;
        Bytes globals = globalsBlock({{1013, 5}});
        globals.resize(7);
        QTest::newRow("globals of 7 bytes") << globals;
        QTest::newRow("code only") << frameOf(6, 4);
        QTest::newRow("cut before the code") << bytes({0xA5, 0xA5, 0x05, 0x00, 0x16});
    }
    void shortFramesAreDropped()
    {
        QFETCH(Bytes, frame);
        tcLoggedIn fixture;
        QVERIFY(fixture.unit.handleFrame(frame, 0).empty());
        QCOMPARE(fixture.unit.header().nameString(), QByteArray("Unknown"));
        QVERIFY(!fixture.unit.meterTarget());
        QCOMPARE(fixture.unit.globals().getInt(1013), 0u);
    }

    void aShortLoginIsDropped()
    {
        tcSimUnit unit(config());
        Bytes frame = login(1);
        frame.resize(11);
        QVERIFY(unit.handleFrame(frame, 0).empty());
        QVERIFY(!unit.loggedIn());
    }

    void meterStartSetsTheTargetOfThisConnection()
    {
        tcLoggedIn fixture;
        fixture.unit.handleFrame(meterStart(60003, 9), 0);
        QVERIFY(fixture.unit.meterTarget());
        QCOMPARE(fixture.unit.meterTarget()->port, uint16_t(60003));
        QCOMPARE(fixture.unit.meterTarget()->stream, uint8_t(9));
        fixture.unit.handleFrame(meterStart(0, 10), 0); // no port: ignored
        QCOMPARE(fixture.unit.meterTarget()->stream, uint8_t(9));
        fixture.unit.resetLink();
        QVERIFY(!fixture.unit.meterTarget());
        QVERIFY(!fixture.unit.loggedIn());
    }

    void aMutedUnitAnswersNothing()
    {
        tcLoggedIn fixture;
        fixture.unit.setMuted(true);
        QVERIFY(fixture.unit.handleFrame(frameOf(6, 21), 0).empty());
        QVERIFY(fixture.unit.handleFrame(login(1), 0).empty());
        QVERIFY(fixture.unit.panelSetGlobal(1014, 1).empty());
        fixture.unit.setMuted(false);
        QCOMPARE(fixture.unit.handleFrame(frameOf(6, 21), 0).size(), size_t(1));
    }

    void frontPanelChangesGoToALoggedInApplication()
    {
        tcSimUnit unit(config());
        QVERIFY(unit.panelSetFloat(2100, 33.0f).empty()); // nobody logged in: stored only
        QCOMPARE(unit.params().getFloat(2100), 33.0f);
        unit.handleFrame(login(1), 0);
        QCOMPARE(unit.panelSetFloat(2100, 29.6f), tcFrames{paramsBlock({{2100, floatBits(30.0f)}})});
        QCOMPARE(unit.panelSetBool(5100, true), tcFrames{paramsBlock({{5100, 1}})});
        QCOMPARE(unit.panelSetGlobal(1014, 1), tcFrames{globalsBlock({{1014, 1}})});
        QCOMPARE(unit.panelSetGlobal(1011, 1), tcFrames{globalsBlock({{1011, 1}})});
        QCOMPARE(unit.panelSetGlobal(1002, 0xFFFFFFFF), tcFrames{globalsBlock({{1002, 0xFFFFFFFF}})});
        QVERIFY(unit.panelSetGlobal(1004, 1).empty()); // not a global
        QVERIFY(unit.panelSetFloat(8100, 1.0f).empty()); // a switch, not a float
    }

    void flashBlocksAreAcknowledged()
    {
        tcLoggedIn fixture;
        Bytes block = frameOf(1036, 23);
        put16(block, 6, 1);
        put16(block, 8, 1);
        put16(block, 10, 100);
        QCOMPARE(fixture.unit.handleFrame(block, 0),
                 tcFrames{bytes({0xA5, 0xA5, 0x0E, 0x00, 0x18, 0x00, 0x01, 0x00, 0x01, 0x00, 0, 0, 0, 0})});
        QVERIFY(fixture.unit.nextDueMs());
    }
};

QTEST_MAIN(tst_SimUnit)
#include "tst_simunit.moc"
