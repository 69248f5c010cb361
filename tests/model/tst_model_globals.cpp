#include "model/device_globals.h"
#include "model/global_dirty_set.h"
#include "model/model_globals.h"
#include "model/param_dirty_set.h"
#include "model/param_map.h"

#include <QMutexLocker>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

// Marks a changed parameter the way the main window does: TO_UNIT in the map-settings set,
// TO_GUI in the gui-settings set, TO_BOTH in both. Runs under the model lock, and the marks
// take it again.
void markParam(void*, quint16 id, tcChangeFlag flag)
{
    if (flag == TO_UNIT || flag == TO_BOTH)
        mapSettingsDirty()->mark(id);
    if (flag == TO_GUI || flag == TO_BOTH)
        guiSettingsDirty()->mark(id);
}

// Tries the model lock from another thread while the caller's thread is inside a notification.
void probeLockFromOtherThread(void* context, quint16, tcChangeFlag)
{
    bool taken = true;
    std::unique_ptr<QThread> probe(QThread::create([&taken] {
        taken = modelLock().tryLock();
        if (taken)
            modelLock().unlock();
    }));
    probe->start();
    probe->wait();
    *static_cast<bool*>(context) = taken;
}

} // namespace

// The process-wide pointers and the one lock of the parameter model.
class tst_ModelGlobals : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pointersSetAndClear();
    void notificationsMarkDirtySets_data();
    void notificationsMarkDirtySets();
    void notificationRunsUnderTheLock();
    void otherThreadsWaitForTheLock_data();
    void otherThreadsWaitForTheLock();

private:
    std::unique_ptr<tcParamDirtySet> m_mapSettings;
    std::unique_ptr<tcParamDirtySet> m_guiSettings;
    std::unique_ptr<tcGlobalDirtySet> m_mapGlobals;
    std::unique_ptr<tcGlobalDirtySet> m_guiGlobals;
    std::unique_ptr<tcDeviceGlobals> m_globals;
    std::unique_ptr<tcParamMap> m_map;
};

void tst_ModelGlobals::init()
{
    m_mapSettings = std::make_unique<tcParamDirtySet>();
    m_guiSettings = std::make_unique<tcParamDirtySet>();
    m_mapGlobals = std::make_unique<tcGlobalDirtySet>();
    m_guiGlobals = std::make_unique<tcGlobalDirtySet>();
    m_globals = std::make_unique<tcDeviceGlobals>();
    m_map = std::make_unique<tcParamMap>();
    setMapSettingsDirty(m_mapSettings.get());
    setGuiSettingsDirty(m_guiSettings.get());
    setMapGlobalsDirty(m_mapGlobals.get());
    setGuiGlobalsDirty(m_guiGlobals.get());
    setDeviceGlobals(m_globals.get());
    setLiveMap(m_map.get());
}

void tst_ModelGlobals::cleanup()
{
    setLiveMap(nullptr);
    setDeviceGlobals(nullptr);
    setMapSettingsDirty(nullptr);
    setGuiSettingsDirty(nullptr);
    setMapGlobalsDirty(nullptr);
    setGuiGlobalsDirty(nullptr);
}

void tst_ModelGlobals::pointersSetAndClear()
{
    QCOMPARE(liveMap(), m_map.get());
    QCOMPARE(deviceGlobals(), m_globals.get());
    QCOMPARE(mapSettingsDirty(), m_mapSettings.get());
    QCOMPARE(guiSettingsDirty(), m_guiSettings.get());
    QCOMPARE(mapGlobalsDirty(), m_mapGlobals.get());
    QCOMPARE(guiGlobalsDirty(), m_guiGlobals.get());
    cleanup();
    QVERIFY(liveMap() == nullptr);
    QVERIFY(deviceGlobals() == nullptr);
    QVERIFY(mapSettingsDirty() == nullptr);
    QVERIFY(guiSettingsDirty() == nullptr);
    QVERIFY(mapGlobalsDirty() == nullptr);
    QVERIFY(guiGlobalsDirty() == nullptr);
}

void tst_ModelGlobals::notificationsMarkDirtySets_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("toUnit");
    QTest::addColumn<bool>("toGui");

    QTest::newRow("TO_UNIT") << int(TO_UNIT) << true << false;
    QTest::newRow("TO_GUI") << int(TO_GUI) << false << true;
    QTest::newRow("TO_BOTH") << int(TO_BOTH) << true << true;
}

void tst_ModelGlobals::notificationsMarkDirtySets()
{
    QFETCH(int, flag);
    QFETCH(bool, toUnit);
    QFETCH(bool, toGui);

    liveMap()->setNotify(&markParam, nullptr);
    liveMap()->setFloat(6104, 1.0f, tcChangeFlag(flag));
    QCOMPARE(mapSettingsDirty()->test(6104), toUnit);
    QCOMPARE(guiSettingsDirty()->test(6104), toGui);
    QVERIFY(!mapSettingsDirty()->test(2100));
    QVERIFY(!guiSettingsDirty()->test(2100));
}

void tst_ModelGlobals::notificationRunsUnderTheLock()
{
    bool takenByOtherThread = true;
    liveMap()->setNotify(&probeLockFromOtherThread, &takenByOtherThread);
    QVERIFY(liveMap()->setFloat(2100, 30.0f, TO_GUI));
    QVERIFY(!takenByOtherThread);

    takenByOtherThread = true;
    deviceGlobals()->setNotify(&probeLockFromOtherThread, &takenByOtherThread);
    QVERIFY(deviceGlobals()->setInt(1013, 1, TO_GUI));
    QVERIFY(!takenByOtherThread);
}

void tst_ModelGlobals::otherThreadsWaitForTheLock_data()
{
    QTest::addColumn<int>("operation");

    QTest::newRow("live map") << 0;
    QTest::newRow("device globals") << 1;
    QTest::newRow("parameter dirty set") << 2;
    QTest::newRow("globals dirty set") << 3;
}

// While the GUI thread holds the lock, a store from the receive thread waits for it.
void tst_ModelGlobals::otherThreadsWaitForTheLock()
{
    QFETCH(int, operation);

    const auto store = [operation] {
        switch (operation) {
        case 0: liveMap()->setFloat(2100, 30.0f, TO_GUI); break;
        case 1: deviceGlobals()->setBool(1014, true, TO_GUI); break;
        case 2: guiSettingsDirty()->mark(2100); break;
        default: guiGlobalsDirty()->mark(1014); break;
        }
    };
    const auto stored = [operation] {
        switch (operation) {
        case 0: return liveMap()->getPosition(2100) == 50;
        case 1: return deviceGlobals()->getBool(1014);
        case 2: return guiSettingsDirty()->test(2100);
        default: return guiGlobalsDirty()->test(1014);
        }
    };

    std::unique_ptr<QThread> receiver(QThread::create(store));
    {
        const QMutexLocker<QRecursiveMutex> locker(&modelLock());
        receiver->start();
        QVERIFY(!receiver->wait(100));
        QVERIFY(!stored());
    }
    QVERIFY(receiver->wait(10000));
    QVERIFY(stored());
}

QTEST_MAIN(tst_ModelGlobals)
#include "tst_model_globals.moc"
