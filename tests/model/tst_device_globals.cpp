#include "model/device_globals.h"

#include <QList>
#include <QPair>
#include <QTest>

namespace {

// Records every notification of the globals.
struct tcRecorder {
    QList<QPair<int, int>> calls; // (ID, flag)

    static void notify(void* context, quint16 id, tcChangeFlag flag)
    {
        static_cast<tcRecorder*>(context)->calls.append({int(id), int(flag)});
    }
};

} // namespace

// The unit's global settings: names, types, defaults, texts, iteration, setters.
class tst_DeviceGlobals : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void iterationOrder();
    void intTexts_data();
    void intTexts();
    void boolTexts_data();
    void boolTexts();
    void notifiesOnlyOnChange();
    void typeMismatchIsIgnored();
    void unknownId_data();
    void unknownId();
};

void tst_DeviceGlobals::defaults_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("1000") << 1000 << QByteArray("PASSWORD") << 2 << QByteArray("0  0");
    QTest::newRow("1001") << 1001 << QByteArray("LOCKED  ") << 3 << QByteArray("N");
    QTest::newRow("1002") << 1002 << QByteArray("ACCESS  ") << 2 << QByteArray("00000000");
    QTest::newRow("1006") << 1006 << QByteArray("OSCOPE  ") << 3 << QByteArray("OFF");
    QTest::newRow("1007") << 1007 << QByteArray("MAP_STRM") << 2 << QByteArray("0");
    QTest::newRow("1008") << 1008 << QByteArray("RCRC    ") << 2 << QByteArray("00000000");
    QTest::newRow("1009") << 1009 << QByteArray("UCRC    ") << 2 << QByteArray("00000000");
    QTest::newRow("1010") << 1010 << QByteArray("UFLAGS  ") << 2 << QByteArray("00000000");
    QTest::newRow("1011") << 1011 << QByteArray("IS_LOCAL") << 3 << QByteArray("Y");
    QTest::newRow("1012") << 1012 << QByteArray("CURRFREQ") << 2 << QByteArray("0");
    QTest::newRow("1013") << 1013 << QByteArray("AES_MUTE") << 2 << QByteArray("0");
    QTest::newRow("1014") << 1014 << QByteArray("PNTM_PWR") << 3 << QByteArray("OFF");
    QTest::newRow("1015") << 1015 << QByteArray("METER") << 3 << QByteArray("OUTPUT");
}

void tst_DeviceGlobals::defaults()
{
    QFETCH(int, id);
    QFETCH(QByteArray, name);
    QFETCH(int, type);
    QFETCH(QByteArray, text);

    const tcDeviceGlobals globals;
    const quint16 gid = quint16(id);
    QCOMPARE(globals.nameText(gid), name);
    QCOMPARE(int(globalType(gid)), type);
    QCOMPARE(globals.valueText(gid), text);
    QCOMPARE(globals.getBool(gid), id == 1011);
    QCOMPARE(globals.getInt(gid), 0u);
}

void tst_DeviceGlobals::iterationOrder()
{
    QList<int> walked;
    for (quint16 id = firstGlobalId(); id != 0xFFFF && walked.size() <= 20; id = nextGlobalId(id))
        walked.append(id);
    QCOMPARE(walked, (QList<int>{1000, 1001, 1002, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1015}));
    QCOMPARE(int(nextGlobalId(1003)), 0xFFFF);
    QCOMPARE(int(nextGlobalId(0xFFFF)), 0xFFFF);
}

void tst_DeviceGlobals::intTexts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("password pair") << 1000 << 0x0A05u << QByteArray("10  5");
    QTest::newRow("password high bits ignored") << 1000 << 0xFFFFFFFFu << QByteArray("255  255");
    QTest::newRow("access all") << 1002 << 0xFFFFFFFFu << QByteArray("FFFFFFFF");
    QTest::newRow("access gain and presets") << 1002 << 0x0000000Eu << QByteArray("0000000E");
    QTest::newRow("graph source output") << 1007 << 1u << QByteArray("1");
    QTest::newRow("login key") << 1008 << 0xCBF43926u << QByteArray("CBF43926");
    QTest::newRow("ucrc") << 1009 << 0x12345678u << QByteArray("12345678");
    QTest::newRow("uflags") << 1010 << 0xABu << QByteArray("000000AB");
    QTest::newRow("long number cut to 8") << 1012 << 123456789u << QByteArray("12345678");
    QTest::newRow("negative") << 1013 << 0xFFFFFFFFu << QByteArray("-1");
}

void tst_DeviceGlobals::intTexts()
{
    QFETCH(int, id);
    QFETCH(quint32, value);
    QFETCH(QByteArray, text);

    tcDeviceGlobals globals;
    QVERIFY(globals.setInt(quint16(id), value, TO_GUI));
    QCOMPARE(globals.getInt(quint16(id)), value);
    QCOMPARE(globals.valueText(quint16(id)), text);
}

void tst_DeviceGlobals::boolTexts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("off");

    QTest::newRow("LOCKED") << 1001 << QByteArray("Y") << QByteArray("N");
    QTest::newRow("OSCOPE") << 1006 << QByteArray("ON") << QByteArray("OFF");
    QTest::newRow("IS_LOCAL") << 1011 << QByteArray("Y") << QByteArray("N");
    QTest::newRow("PNTM_PWR") << 1014 << QByteArray("ON") << QByteArray("OFF");
    QTest::newRow("METER") << 1015 << QByteArray("INPUT") << QByteArray("OUTPUT");
}

void tst_DeviceGlobals::boolTexts()
{
    QFETCH(int, id);
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, off);

    tcDeviceGlobals globals;
    globals.setBool(quint16(id), true, TO_UNIT);
    QVERIFY(globals.getBool(quint16(id)));
    QCOMPARE(globals.valueText(quint16(id)), on);
    globals.setBool(quint16(id), false, TO_UNIT);
    QVERIFY(!globals.getBool(quint16(id)));
    QCOMPARE(globals.valueText(quint16(id)), off);
}

void tst_DeviceGlobals::notifiesOnlyOnChange()
{
    tcDeviceGlobals globals;
    tcRecorder recorder;
    globals.setNotify(&tcRecorder::notify, &recorder);

    QVERIFY(!globals.setBool(1011, true, TO_GUI));  // already the default
    QVERIFY(globals.setBool(1011, false, TO_GUI));
    QVERIFY(!globals.setInt(1008, 0, TO_UNIT));
    QVERIFY(globals.setInt(1008, 0x1234, TO_UNIT));
    QVERIFY(!globals.setInt(1008, 0x1234, TO_UNIT));
    QVERIFY(globals.setBool(1014, true, TO_BOTH));
    QCOMPARE(recorder.calls, (QList<QPair<int, int>>{{1011, int(TO_GUI)}, {1008, int(TO_UNIT)}, {1014, int(TO_BOTH)}}));

    globals.setNotify(nullptr, nullptr);
    QVERIFY(globals.setInt(1008, 7, TO_UNIT));
    QCOMPARE(recorder.calls.size(), 3);
}

void tst_DeviceGlobals::typeMismatchIsIgnored()
{
    tcDeviceGlobals globals;
    QVERIFY(!globals.setInt(1001, 1, TO_UNIT));
    QVERIFY(!globals.getBool(1001));
    QVERIFY(!globals.setBool(1000, true, TO_UNIT));
    QCOMPARE(globals.getInt(1000), 0u);
    QCOMPARE(globals.getInt(1011), 0u); // a bool read as int
}

void tst_DeviceGlobals::unknownId_data()
{
    QTest::addColumn<int>("id");

    for (int id : {999, 1003, 1004, 1005, 1016, 2100, 0xFFFF})
        QTest::addRow("%d", id) << id;
}

void tst_DeviceGlobals::unknownId()
{
    QFETCH(int, id);
    const quint16 gid = quint16(id);

    tcDeviceGlobals globals;
    tcRecorder recorder;
    globals.setNotify(&tcRecorder::notify, &recorder);
    QCOMPARE(int(globalType(gid)), 255);
    QVERIFY(!globals.setInt(gid, 5, TO_UNIT));
    QVERIFY(!globals.setBool(gid, true, TO_UNIT));
    QVERIFY(recorder.calls.isEmpty());
    QCOMPARE(globals.getInt(gid), 0u);
    QVERIFY(!globals.getBool(gid));
    QCOMPARE(globals.valueText(gid), QByteArray("????????"));
    QCOMPARE(globals.nameText(gid), QByteArray("????????"));
}

QTEST_MAIN(tst_DeviceGlobals)
#include "tst_device_globals.moc"
