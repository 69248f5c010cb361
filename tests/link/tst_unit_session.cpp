// The application's side of the control link against a running k7sim: login, values both
// ways, header queries, the meter stream, a flash download and a reconnect soak.

#include "link/dirty_flush.h"
#include "link/flash_ack_sink.h"
#include "link/frame_rx.h"
#include "link/link_globals.h"
#include "link/message_codes.h"
#include "link/message_dispatch.h"
#include "link/messages.h"
#include "link/meter_iface.h"
#include "link/tcp_client.h"
#include "link/unit_reports.h"
#include "model/crc32.h"
#include "model/device_globals.h"
#include "model/global_dirty_set.h"
#include "model/model_globals.h"
#include "model/param_dirty_set.h"
#include "model/param_map.h"
#include "tests/sim_unit.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTest>

#include <atomic>
#include <memory>

using namespace std::chrono_literals;

namespace {

// What the main window is to the link: the live map, globals, dirty marks, reports, and
// the client with its callbacks. Values from the unit are marked for redrawing.
class AppSide : public QObject
{
public:
    AppSide()
    {
        m_map.setNotify(&AppSide::onParamChange, this);
        m_globals.setNotify(&AppSide::onGlobalChange, this);
        setLiveMap(&m_map);
        setDeviceGlobals(&m_globals);
        setMapSettingsDirty(&m_mapMarks);
        setGuiSettingsDirty(&m_guiMarks);
        setMapGlobalsDirty(&m_mapGlobalMarks);
        setGuiGlobalsDirty(&m_guiGlobalMarks);
        tcLinkEvents events;
        events.context = this;
        events.loginAccepted = [](void* c) { ++static_cast<AppSide*>(c)->accepted; };
        events.loginRejected = [](void* c) { ++static_cast<AppSide*>(c)->rejected; };
        events.presetHeaderChanged = [](void* c) { ++static_cast<AppSide*>(c)->headers; };
        events.versionReceived = [](void* c) { ++static_cast<AppSide*>(c)->versions; };
        setLinkEvents(events, &reports);
        frame_set_dispatcher(&AppSide::checkAndDispatch);
        frame_rx_reset();
    }
    ~AppSide() override
    {
        disconnectUnit();
        frame_set_dispatcher(nullptr);
        setLinkEvents(tcLinkEvents(), nullptr);
        setLiveMap(nullptr);
        setDeviceGlobals(nullptr);
        setMapSettingsDirty(nullptr);
        setGuiSettingsDirty(nullptr);
        setMapGlobalsDirty(nullptr);
        setGuiGlobalsDirty(nullptr);
    }

    void connectUnit(const char* address, uint32_t key)
    {
        m_key = key;
        tcQTcpCallbacks callbacks;
        callbacks.context = this;
        callbacks.data = [](void*, std::span<const uint8_t> bytes) { frame_receive(bytes); };
        callbacks.status = &AppSide::onStatus;
        m_client = std::make_unique<tcQTcpClient>(address, callbacks);
        setTcpClient(m_client.get());
    }
    void disconnectUnit()
    {
        clearTcpClient();
        m_client.reset();
    }

    tcParamMap m_map;
    tcDeviceGlobals m_globals;
    tcParamDirtySet m_mapMarks, m_guiMarks;
    tcGlobalDirtySet m_mapGlobalMarks, m_guiGlobalMarks;
    tcUnitReports reports;
    std::atomic<int> connects{0}, accepted{0}, rejected{0}, headers{0}, versions{0};
    std::atomic<int> frames{0}, malformed{0}, paramBlocks{0};
    std::atomic<bool> autoLogin{true};

private:
    static void onParamChange(void* context, quint16 id, tcChangeFlag flag)
    {
        auto* self = static_cast<AppSide*>(context);
        (flag == TO_GUI ? self->m_guiMarks : self->m_mapMarks).mark(id);
    }
    static void onGlobalChange(void* context, quint16 id, tcChangeFlag flag)
    {
        auto* self = static_cast<AppSide*>(context);
        (flag == TO_GUI ? self->m_guiGlobalMarks : self->m_mapGlobalMarks).mark(id);
    }
    // Called on the receive thread, or the deleting thread. Like the main window: forget
    // any partial frame, and log in from the GUI thread once connected.
    static void onStatus(void* context, tLinkStatus status)
    {
        auto* self = static_cast<AppSide*>(context);
        frame_rx_reset();
        if (status != LINK_CONNECTED)
            return;
        ++self->connects;
        if (self->autoLogin)
            QMetaObject::invokeMethod(self, [self] { sendLogin(self->m_key); }, Qt::QueuedConnection);
    }
    // Every frame k7sim sends has the length of its code; a frame pieced together from two
    // connections would not.
    static void checkAndDispatch(std::span<const uint8_t> frame, uint16_t, uint16_t)
    {
        ++s_self()->frames;
        const uint16_t code = uint16_t(frame[4] | frame[5] << 8);
        size_t expected = 0;
        switch (code) {
        case MSG_PARAMS: expected = PARAMS_LENGTH; ++s_self()->paramBlocks; break;
        case MSG_GLOBALS: expected = GLOBALS_LENGTH; break;
        case MSG_PRESET_HEADER: expected = PRESET_HEADER_LENGTH; break;
        case MSG_VERSION: expected = VERSION_LENGTH; break;
        case MSG_LOGIN: expected = frame.size() >= 8 ? frame.size() : 8; break;
        case MSG_FLASH_ACK: expected = frame.size() >= 14 ? frame.size() : 14; break;
        default: break;
        }
        if (frame.size() != expected)
            ++s_self()->malformed;
        frame_dispatch(frame);
    }

public:
    static AppSide*& s_self()
    {
        static AppSide* self = nullptr;
        return self;
    }

private:
    std::unique_ptr<tcQTcpClient> m_client;
    uint32_t m_key = 0;
};

class Acks : public tcFlashAckSink
{
public:
    void flashAck(uint16_t block, uint16_t total, uint16_t status, const QByteArray& text) override
    {
        const QMutexLocker lock(&m_lock);
        m_acks.push_back({block, total, status, text});
    }
    struct Ack { uint16_t block, total, status; QByteArray text; };
    std::vector<Ack> acks() const
    {
        const QMutexLocker lock(&m_lock);
        return m_acks;
    }

private:
    mutable QMutex m_lock;
    std::vector<Ack> m_acks;
};

uint32_t keyOf(const char* password)
{
    return crc32Of(QByteArray(password));
}

} // namespace

class tst_UnitSession : public QObject
{
    Q_OBJECT

    std::unique_ptr<AppSide> m_app;

private slots:
    void init()
    {
        m_app = std::make_unique<AppSide>();
        AppSide::s_self() = m_app.get();
    }
    void cleanup()
    {
        m_app.reset();
        AppSide::s_self() = nullptr;
    }

    void loginAcceptedBringsTheUnitsValues()
    {
        tcSimUnit sim({"--listen", "127.0.0.11", "--password", "studio", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        // The map starts away from the unit's values, so that their arrival shows.
        m_app->m_map.setFloat(2100, -5.0f, TO_GUI);
        m_app->m_map.setBool(6100, false, TO_GUI);
        m_app->m_guiMarks = tcParamDirtySet();
        // The globals start at their defaults, local mode on; the unit reports it off.
        m_app->connectUnit("127.0.0.11", keyOf("studio"));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->accepted.load(), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->m_guiMarks.test(2100), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->m_guiGlobalMarks.test(1011), 5000);
        QCOMPARE(m_app->m_map.getFloat(2100), 20.0f);
        QVERIFY(!m_app->m_globals.getBool(1011));
        QVERIFY(m_app->m_guiMarks.test(6100));
        QVERIFY(!m_app->m_mapMarks.test(2100)); // nothing to send back
        QCOMPARE(m_app->rejected.load(), 0);
        QCOMPARE(m_app->malformed.load(), 0);
    }

    void rejectedLoginKeepsTheConnection()
    {
        tcSimUnit sim({"--listen", "127.0.0.12", "--password", "studio", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        m_app->autoLogin = false;
        m_app->connectUnit("127.0.0.12", keyOf("wrong"));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->connects.load(), 1, 10000);
        sendLogin(keyOf("wrong"));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->rejected.load(), 1, 5000);
        QCOMPARE(m_app->paramBlocks.load(), 0);
        sendLogin(keyOf("studio"));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->accepted.load(), 1, 5000);
        QCOMPARE(m_app->connects.load(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->paramBlocks.load() > 0, 5000);
    }

    void changesAreAppliedByTheUnit()
    {
        tcSimUnit sim({"--listen", "127.0.0.13", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        m_app->connectUnit("127.0.0.13", 12345);
        QTRY_COMPARE_WITH_TIMEOUT(m_app->accepted.load(), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->paramBlocks.load() > 0, 5000);
        m_app->m_map.setFloat(9004, -6.0f, TO_UNIT);
        m_app->m_map.setBool(8100, true, TO_UNIT);
        m_app->m_globals.setBool(1014, true, TO_UNIT);
        QCOMPARE(flushMapSettings(), 1);
        QCOMPARE(flushMapGlobals(), 1);

        // The unit's answer to the next login holds what it applied.
        m_app->disconnectUnit();
        m_app->m_map.setFloat(9004, 0.0f, TO_GUI);
        m_app->m_map.setBool(8100, false, TO_GUI);
        m_app->m_globals.setBool(1014, false, TO_GUI);
        m_app->connectUnit("127.0.0.13", 12345);
        QTRY_COMPARE_WITH_TIMEOUT(m_app->accepted.load(), 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_app->m_map.getFloat(9004), -6.0f, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->m_map.getBool(8100), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->m_globals.getBool(1014), 5000);
    }

    void headerQueryRoundTrip()
    {
        tcSimUnit sim({"--listen", "127.0.0.14", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        m_app->connectUnit("127.0.0.14", 1);
        QTRY_COMPARE_WITH_TIMEOUT(m_app->accepted.load(), 1, 10000);
        sendHeaderQuery();
        QTRY_COMPARE_WITH_TIMEOUT(m_app->headers.load(), 1, 5000);
        QCOMPARE(m_app->reports.presetHeader().nameString(), QByteArray("Unknown"));

        PRESET_HEADER taken = PRESET_HEADER::fresh();
        taken.setName("Morning Voice");
        taken.checksum[0] = 0xCAFEF00D;
        taken.count[0] = 30;
        sendPresetHeader(taken);
        sendHeaderQuery();
        QTRY_COMPARE_WITH_TIMEOUT(m_app->headers.load(), 2, 5000);
        QVERIFY(m_app->reports.presetHeader().sameAs(taken));
        sendHeaderQuery(); // the same header again raises nothing
        sendVersionRequest();
        QTRY_COMPARE_WITH_TIMEOUT(m_app->versions.load(), 1, 5000);
        QCOMPARE(m_app->headers.load(), 2);
    }

    void meterStreamFollowsTheStreamNumber()
    {
        tcSimUnit sim({"--listen", "127.0.0.15", "--meter-rate", "50"});
        QVERIFY(sim.waitListening());
        METERIFACE meter;
        QVERIFY(meter.isBound());
        m_app->connectUnit("127.0.0.15", 1);
        QTRY_COMPARE_WITH_TIMEOUT(m_app->accepted.load(), 1, 10000);
        const uint8_t stream = meter.nextStreamNumber();
        sendMeterStart(meter.port(), stream);
        tMeterDatagram datagram{};
        // Taking consumes the datagram: remember the first success.
        bool taken = false;
        QTRY_VERIFY_WITH_TIMEOUT(taken = taken || meter.takeLatest(datagram) == 0, 5000);
        QCOMPARE(datagram[17], stream);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(datagram.data()), 16), QByteArray("TB_K7_METERMSG__"));

        // A new stream number that the unit has not been told: its datagrams are dropped.
        meter.nextStreamNumber();
        QTest::qWait(200);
        meter.takeLatest(datagram); // one may have been kept before the change
        QTest::qWait(300);
        QCOMPARE(meter.takeLatest(datagram), -1);
        sendMeterStart(meter.port(), meter.streamNumber());
        taken = false;
        QTRY_VERIFY_WITH_TIMEOUT(taken = taken || meter.takeLatest(datagram) == 0, 5000);
        QCOMPARE(datagram[17], meter.streamNumber());
    }

    void flashDownloadCompletes()
    {
        tcSimUnit sim({"--listen", "127.0.0.16", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        Acks acks;
        setFlashAckSink(&acks);
        m_app->connectUnit("127.0.0.16", 1);
        QTRY_COMPARE_WITH_TIMEOUT(m_app->accepted.load(), 1, 10000);
        const uint16_t total = 3;
        std::vector<uint8_t> block(1024, 0x5A);
        for (uint16_t n = 1; n <= total; ++n) {
            QVERIFY(sendFlashData(n, total, block));
            QTRY_COMPARE_WITH_TIMEOUT(acks.acks().size(), size_t(n), 5000);
            QCOMPARE(acks.acks().back().status, uint16_t(FLASH_BLOCK_ACCEPTED));
            QCOMPARE(acks.acks().back().block, n);
        }
        QTRY_VERIFY_WITH_TIMEOUT(acks.acks().back().status == FLASH_COMPLETE, 30000);
        bool progress = false;
        for (const Acks::Ack& ack : acks.acks())
            progress = progress || ack.status == FLASH_STATUS_TEXT || ack.status == FLASH_PROGRESS_TEXT;
        QVERIFY(progress);
        setFlashAckSink(nullptr);
    }

    // The unit drops the link shortly after every login; the client reconnects and logs in
    // again each time, and no frame is ever pieced together from two connections.
    void reconnectSoak()
    {
        tcSimUnit sim({"--listen", "127.0.0.17", "--meter-rate", "0", "--drop-every", "30"});
        QVERIFY(sim.waitListening());
        m_app->connectUnit("127.0.0.17", 1);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->accepted.load() >= 100, 50000);
        m_app->disconnectUnit();
        // Every connection but possibly the last, cut before its answer, completed its login.
        QVERIFY(m_app->accepted.load() >= m_app->connects.load() - 1);
        QCOMPARE(m_app->malformed.load(), 0);
        QVERIFY(m_app->paramBlocks.load() > 0);
        qInfo("soak: %d connections, %d logins, %d frames, 0 malformed",
              m_app->connects.load(), m_app->accepted.load(), m_app->frames.load());
    }
};

QTEST_MAIN(tst_UnitSession)
#include "tst_unit_session.moc"
