#include "link/flash_ack_sink.h"
#include "link/message_dispatch.h"
#include "link/unit_reports.h"
#include "model/device_globals.h"
#include "model/model_globals.h"
#include "model/param_map.h"

#include <QTest>

#include <bit>
#include <cstring>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Heard
{
    std::vector<std::pair<quint16, tcChangeFlag>> changes;
    int version = 0, accepted = 0, rejected = 0, header = 0;
};

void noteChange(void* context, quint16 id, tcChangeFlag flag)
{
    static_cast<Heard*>(context)->changes.emplace_back(id, flag);
}

Bytes frameOf(uint16_t code, size_t length)
{
    Bytes frame(length, 0);
    frame[0] = frame[1] = 0xA5;
    frame[2] = uint8_t(length);
    frame[3] = uint8_t(length >> 8);
    frame[4] = uint8_t(code);
    frame[5] = uint8_t(code >> 8);
    return frame;
}

void putEntry(Bytes& frame, size_t at, uint16_t id, uint32_t raw)
{
    frame[at] = uint8_t(id);
    frame[at + 1] = uint8_t(id >> 8);
    for (int i = 0; i < 4; ++i)
        frame[at + 4 + size_t(i)] = uint8_t(raw >> (8 * i));
}

class Sink : public tcFlashAckSink
{
public:
    void flashAck(uint16_t block, uint16_t total, uint16_t status, const QByteArray& text) override
    {
        acks.push_back({block, total, status, text});
    }
    struct Ack { uint16_t block, total, status; QByteArray text; };
    std::vector<Ack> acks;
};

} // namespace

class tst_MessageDispatch : public QObject
{
    Q_OBJECT

    tcParamMap* m_map = nullptr;
    tcDeviceGlobals* m_globals = nullptr;
    tcUnitReports* m_reports = nullptr;
    Heard m_heard;

    void dispatch(const Bytes& frame) { frame_dispatch(std::span<const uint8_t>(frame.data(), frame.size())); }

private slots:
    void init()
    {
        m_heard = Heard();
        m_map = new tcParamMap;
        m_globals = new tcDeviceGlobals;
        m_reports = new tcUnitReports;
        m_map->setNotify(noteChange, &m_heard);
        m_globals->setNotify(noteChange, &m_heard);
        setLiveMap(m_map);
        setDeviceGlobals(m_globals);
        tcLinkEvents events;
        events.context = &m_heard;
        events.versionReceived = [](void* c) { ++static_cast<Heard*>(c)->version; };
        events.loginAccepted = [](void* c) { ++static_cast<Heard*>(c)->accepted; };
        events.loginRejected = [](void* c) { ++static_cast<Heard*>(c)->rejected; };
        events.presetHeaderChanged = [](void* c) { ++static_cast<Heard*>(c)->header; };
        setLinkEvents(events, m_reports);
    }
    void cleanup()
    {
        setLinkEvents(tcLinkEvents(), nullptr);
        setLiveMap(nullptr);
        setDeviceGlobals(nullptr);
        delete m_reports;
        delete m_globals;
        delete m_map;
    }

    void paramsAreStoredForRedrawing()
    {
        Bytes frame = frameOf(4, 1204);
        frame[6] = 255;
        frame[10] = 4;
        putEntry(frame, 12, 2100, std::bit_cast<uint32_t>(30.0f));
        putEntry(frame, 20, 7000, 0x12345678); // unknown: skipped
        putEntry(frame, 28, 3100, 1);
        putEntry(frame, 36, 8102, std::bit_cast<uint32_t>(4.0f));
        dispatch(frame);
        QCOMPARE(m_map->getFloat(2100), 30.0f);
        QCOMPARE(m_map->getBool(3100), true);
        QCOMPARE(m_map->valueText(8102), QByteArray("4.00 : 1"));
        const std::vector<std::pair<quint16, tcChangeFlag>> expected = {
            {2100, TO_GUI}, {3100, TO_GUI}, {8102, TO_GUI}};
        QVERIFY(m_heard.changes == expected);
    }

    void paramBlocksThatChangeNothing_data()
    {
        QTest::addColumn<Bytes>("frame");
        Bytes empty = frameOf(4, 1204);
        empty[6] = 255;
        putEntry(empty, 12, 2100, std::bit_cast<uint32_t>(30.0f)); // present but N = 0
        QTest::newRow("N = 0") << empty;
        Bytes memory = empty;
        memory[6] = 3;
        memory[10] = 1;
        QTest::newRow("preset memory target") << memory;
        Bytes shortFrame = frameOf(4, 11);
        shortFrame[6] = 255;
        QTest::newRow("shorter than its header") << shortFrame;
        Bytes global = frameOf(15, 16);
        global[6] = 1;
        putEntry(global, 8, 1004, 1); // unused global ID
        QTest::newRow("unused global") << global;
    }
    void paramBlocksThatChangeNothing()
    {
        QFETCH(Bytes, frame);
        dispatch(frame);
        QVERIFY(m_heard.changes.empty());
        QCOMPARE(m_map->getFloat(2100), 20.0f);
    }

    void countIsLimitedToTheFrame()
    {
        // Two whole entries and a half one, with a count of 149: only the two are read.
        Bytes frame = frameOf(4, 12 + 2 * 8 + 4);
        frame[6] = 255;
        frame[10] = 149;
        putEntry(frame, 12, 2101, 1);
        putEntry(frame, 20, 9004, std::bit_cast<uint32_t>(-6.0f));
        frame[28] = 0x64; // the first half of an entry for 6100
        frame[29] = 0x17;
        dispatch(frame);
        QCOMPARE(m_heard.changes.size(), size_t(2));
        QCOMPARE(m_map->getFloat(9004), -6.0f);
        QCOMPARE(m_map->getBool(6100), true); // untouched default
    }

    void globalsAreStoredForRedrawing()
    {
        Bytes frame = frameOf(15, 1200);
        frame[6] = 3;
        putEntry(frame, 8, 1002, 0xFFFFFFFF);
        putEntry(frame, 16, 1011, 0);
        putEntry(frame, 24, 1014, 1);
        dispatch(frame);
        QCOMPARE(m_globals->valueText(1002), QByteArray("FFFFFFFF"));
        QCOMPARE(m_globals->getBool(1011), false);
        QCOMPARE(m_globals->getBool(1014), true);
        const std::vector<std::pair<quint16, tcChangeFlag>> expected = {
            {1002, TO_GUI}, {1011, TO_GUI}, {1014, TO_GUI}};
        QVERIFY(m_heard.changes == expected);
    }

    void loginResults_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<int>("rejected");
        QTest::newRow("accepted") << 8 << 2 << 1 << 0;
        QTest::newRow("rejected") << 12 << 3 << 0 << 1;
        QTest::newRow("other result") << 8 << 4 << 0 << 0;
        QTest::newRow("too short") << 7 << 2 << 0 << 0;
    }
    void loginResults()
    {
        QFETCH(int, length);
        QFETCH(int, result);
        Bytes frame = frameOf(20, size_t(length));
        frame[6] = uint8_t(result); // a 7-byte frame carries only half the result
        dispatch(frame);
        QTEST(m_heard.accepted, "accepted");
        QTEST(m_heard.rejected, "rejected");
    }

    void versionAnswer()
    {
        Bytes frame = frameOf(2, 108);
        frame[6] = 3;
        frame[8] = 1;
        frame[10] = 0x2C;
        frame[11] = 0x01;
        std::memcpy(&frame[12], "build 2026-12-01", 16);
        std::fill(frame.begin() + 44, frame.begin() + 76, 'F'); // 32 bytes, unterminated
        std::memcpy(&frame[76], "DSP 7", 5);
        dispatch(frame);
        QCOMPARE(m_heard.version, 1);
        const tcUnitVersion v = m_reports->version();
        QCOMPARE(v.major, uint16_t(3));
        QCOMPARE(v.minor, uint16_t(1));
        QCOMPARE(v.build, uint16_t(300));
        QCOMPARE(v.buildText, QByteArray("build 2026-12-01"));
        QCOMPARE(v.fpgaText, QByteArray(32, 'F'));
        QCOMPARE(v.dspText, QByteArray("DSP 7"));
    }

    void shortVersionAnswer_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("heard");
        QTest::newRow("60 bytes: numbers only") << 60 << 1;
        QTest::newRow("12 bytes: numbers only") << 12 << 1;
        QTest::newRow("11 bytes: dropped") << 11 << 0;
    }
    void shortVersionAnswer()
    {
        QFETCH(int, length);
        Bytes frame = frameOf(2, size_t(length));
        frame[6] = 5;
        if (length > 12)
            std::memcpy(&frame[12], "text", 4);
        dispatch(frame);
        QTEST(m_heard.version, "heard");
        if (m_heard.version) {
            QCOMPARE(m_reports->version().major, uint16_t(5));
            QVERIFY(m_reports->version().buildText.isEmpty());
        }
    }

    void presetHeaderIsKeptWhenItChanges()
    {
        Bytes frame = frameOf(22, 164);
        std::memcpy(&frame[9], "Morning", 7);
        frame[49] = 1;
        frame[52] = 0x78;
        std::fill(frame.begin() + 84, frame.end(), 0xFF);
        dispatch(frame);
        QCOMPARE(m_heard.header, 1);
        QCOMPARE(m_reports->presetHeader().nameString(), QByteArray("Morning"));
        QCOMPARE(m_reports->presetHeader().checksum[0], 0x78u);
        dispatch(frame); // the same header again: nothing
        QCOMPARE(m_heard.header, 1);
        frame[52] = 0x79;
        dispatch(frame);
        QCOMPARE(m_heard.header, 2);
        const Bytes shortFrame(frame.begin(), frame.begin() + 163);
        Bytes changed = shortFrame;
        changed[52] = 0x11;
        dispatch(changed);
        QCOMPARE(m_heard.header, 2);
    }

    void flashAcknowledgements()
    {
        Bytes frame = frameOf(24, 20);
        frame[6] = 2;
        frame[8] = 9;
        frame[12] = 4;
        std::memcpy(&frame[14], "Erase!", 6); // no zero byte before the frame's end
        dispatch(frame); // no download active: dropped
        Sink sink;
        setFlashAckSink(&sink);
        dispatch(frame);
        dispatch(Bytes(frame.begin(), frame.begin() + 13)); // too short: dropped
        Bytes withZero = frame;
        withZero[16] = 0;
        dispatch(withZero);
        setFlashAckSink(nullptr);
        dispatch(frame);
        QCOMPARE(sink.acks.size(), size_t(2));
        QCOMPARE(sink.acks[0].block, uint16_t(2));
        QCOMPARE(sink.acks[0].total, uint16_t(9));
        QCOMPARE(sink.acks[0].status, uint16_t(4));
        QCOMPARE(sink.acks[0].text, QByteArray("Erase!"));
        QCOMPARE(sink.acks[1].text, QByteArray("Er"));
    }

    void codesToTheUnitAreIgnored_data()
    {
        QTest::addColumn<int>("code");
        for (int code : {1, 11, 21, 23, 99})
            QTest::newRow(qPrintable(QString::number(code))) << code;
    }
    void codesToTheUnitAreIgnored()
    {
        QFETCH(int, code);
        dispatch(frameOf(uint16_t(code), 1204));
        QVERIFY(m_heard.changes.empty());
        QCOMPARE(m_heard.version + m_heard.accepted + m_heard.rejected + m_heard.header, 0);
    }
};

QTEST_MAIN(tst_MessageDispatch)
#include "tst_message_dispatch.moc"
