#include "model/param_map.h"

#include "exact_float.h"

#include <QList>
#include <QPair>
#include <QTest>

#include <cstring>

namespace {

// Records every notification of a map.
struct tcRecorder {
    QList<QPair<int, int>> calls; // (ID, flag)

    static void notify(void* context, quint16 id, tcChangeFlag flag)
    {
        static_cast<tcRecorder*>(context)->calls.append({int(id), int(flag)});
    }
};

// Bitwise CRC-32 of IEEE 802.3, written out here so the map's checksums are checked
// against an implementation of their own.
quint32 referenceCrc(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) != 0 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

void appendFloat(QByteArray& bytes, float value)
{
    quint32 word;
    std::memcpy(&word, &value, sizeof word);
    for (int i = 0; i < 4; ++i)
        bytes.append(char((word >> (8 * i)) & 0xFF));
}

} // namespace

// The parameter map: defaults, setters with clamping and notification, texts, copy, checksums.
class tst_ParamMap : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void switchDefaults_data();
    void switchDefaults();
    void setFloat_data();
    void setFloat();
    void notifiesOnlyOnChange_data();
    void notifiesOnlyOnChange();
    void setPosition_data();
    void setPosition();
    void switches();
    void typeMismatchIsIgnored();
    void unknownId_data();
    void unknownId();
    void entries();
    void positionOfValueDoesNotStore();
    void switchTexts_data();
    void switchTexts();
    void floatTextsNeverLongerThanEight();
    void copyFrom();
    void copyOntoItself();
    void checksumsOfFreshMap();
    void gainChangesOnlyGainCrc();
    void settingChangesSettingsCrc();
};

void tst_ParamMap::defaults_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<quint32>("position");
    QTest::addColumn<quint32>("lowest");
    QTest::addColumn<quint32>("highest");
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("defaultValue");
    QTest::addColumn<QByteArray>("text");

    const auto row = [](int id, const char* name, quint32 position, quint32 lowest, quint32 highest,
                        float value, float defaultValue, const char* text) {
        QTest::addRow("%d", id) << id << QByteArray(name) << position << lowest << highest << value
                                << defaultValue << QByteArray(text);
    };
    row(2100, "In Gain", 40, 10, 90, 20.0f, 20.0f, "+20.0 dB");
    row(3101, "Filter HPF Freq", 57, 8, 145, 80.0f, 80.0f, " 80.0 Hz");
    row(3102, "Filter LPF Freq", 193, 145, 249, 4000.0f, 4000.0f, "4.00 kHz");
    row(4101, "Expander Depth", 28, 0, 80, 14.0f, 14.0f, "+14.0 dB");
    row(4102, "Expander Thresh", 140, 20, 140, 0.0f, 0.0f, "  0.0 FS");
    row(4103, "Expander Close", 160, 115, 225, 300.0f, 300.0f, "300.0 mS");
    row(5101, "De-Esser Thresh", 60, 20, 120, -40.0f, -40.0f, "-40.0 FS");
    row(5102, "De-Esser Release", 140, 115, 180, 100.0f, 100.0f, "100.0 mS");
    row(5103, "De-Esser Freq", 193, 8, 249, 4000.0f, 4000.0f, "4.00 kHz");
    row(6108, "Lo Shelf Freq", 40, 8, 89, 50.0f, 50.0f, " 50.0 Hz");
    row(6110, "Lo Shelf Lift", 152, 112, 168, 6.0f, 6.0f, "+ 6.0 dB");
    row(6102, "PEQ 1 Freq", 137, 8, 249, 800.0f, 800.0f, " 800  Hz");
    row(6106, "PEQ 1 Lift", 132, 112, 168, -4.0f, -4.0f, "- 4.0 dB");
    row(6104, "PEQ 1 BW", 40, 10, 97, 0.5f, 0.5f, "0.50 oct");
    row(6103, "PEQ 2 Freq", 181, 8, 249, 2800.0f, 2800.0f, "2.80 kHz");
    // 0.67 lies exactly half way between the f32 entries 0.66 and 0.68: the lower one wins.
    row(6105, "PEQ 2 BW", 48, 10, 97, 0.66f, 0.67f, "0.66 oct");
    row(6107, "PEQ 2 Lift", 146, 112, 168, 3.0f, 3.0f, "+ 3.0 dB");
    row(6109, "Hi Shelf Freq", 217, 169, 249, 8000.0f, 8000.0f, "8.00 kHz");
    row(6111, "Hi Shelf Lift", 156, 112, 168, 8.0f, 8.0f, "+ 8.0 dB");
    row(8101, "Comp Thresh", 60, 40, 120, -40.0f, -40.0f, "-40.0 FS");
    row(8102, "Comp Ratio", 35, 0, 151, 2.0f, 2.0f, "2.00 : 1");
    row(8103, "Comp Attack", 10, 2, 205, 1.0f, 1.0f, "  1.0 mS");
    row(8104, "Comp Release", 145, 98, 205, 150.0f, 150.0f, "150.0 mS");
    row(9004, "Out Gain", 140, 0, 176, 0.0f, 0.0f, "  0.0 dB");
}

void tst_ParamMap::defaults()
{
    QFETCH(int, id);
    QFETCH(QByteArray, name);
    QFETCH(quint32, position);
    QFETCH(quint32, lowest);
    QFETCH(quint32, highest);
    QFETCH(float, value);
    QFETCH(float, defaultValue);
    QFETCH(QByteArray, text);

    const tcParamMap map;
    const quint16 pid = quint16(id);
    QCOMPARE(map.nameText(pid), name);
    QCOMPARE(map.getPosition(pid), position);
    QCOMPARE(map.lowestPosition(pid), lowest);
    QCOMPARE(map.highestPosition(pid), highest);
    COMPARE_EXACT(map.getFloat(pid), value);
    COMPARE_EXACT(map.defaultFloat(pid), defaultValue);
    QCOMPARE(map.valueText(pid), text);
}

void tst_ParamMap::switchDefaults_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("2101") << 2101 << QByteArray("Decorrelator") << false << QByteArray("Out");
    QTest::newRow("3100") << 3100 << QByteArray("Filter In") << false << QByteArray("OUT     ");
    QTest::newRow("4100") << 4100 << QByteArray("Expander In") << false << QByteArray("OUT     ");
    QTest::newRow("5100") << 5100 << QByteArray("De-Esser In") << false << QByteArray("OUT     ");
    QTest::newRow("6100") << 6100 << QByteArray("EQ Pre DYN") << true << QByteArray("EQ-->DYN");
    QTest::newRow("6101") << 6101 << QByteArray("EQ In") << false << QByteArray("OUT     ");
    QTest::newRow("8100") << 8100 << QByteArray("Comp In") << false << QByteArray("OUT     ");
}

void tst_ParamMap::switchDefaults()
{
    QFETCH(int, id);
    QFETCH(QByteArray, name);
    QFETCH(bool, value);
    QFETCH(QByteArray, text);

    const tcParamMap map;
    const quint16 pid = quint16(id);
    QCOMPARE(map.nameText(pid), name);
    QCOMPARE(map.getBool(pid), value);
    QCOMPARE(map.defaultBool(pid), value);
    QCOMPARE(map.getPosition(pid), value ? 1u : 0u);
    QCOMPARE(map.lowestPosition(pid), 0u);
    QCOMPARE(map.highestPosition(pid), 1u);
    QCOMPARE(map.valueText(pid), text);
    COMPARE_EXACT(map.getFloat(pid), 0.0f);
}

void tst_ParamMap::setFloat_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<float>("value");
    QTest::addColumn<quint32>("position");
    QTest::addColumn<float>("stored");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("gain above the limit") << 2100 << 100.0f << 90u << 70.0f << QByteArray("+70.0 dB");
    QTest::newRow("gain below the limit") << 2100 << -15.0f << 10u << -10.0f << QByteArray("-10.0 dB");
    QTest::newRow("attack below the limit") << 8103 << 0.0f << 2u << 0.2f << QByteArray("  0.2 mS");
    QTest::newRow("HPF lowest is 20 Hz") << 3101 << 0.0f << 8u << 20.0f << QByteArray(" 20.0 Hz");
    QTest::newRow("HPF half way 780/800") << 3101 << 790.0f << 136u << 780.0f << QByteArray(" 780  Hz");
    QTest::newRow("HPF just above half way") << 3101 << 790.001f << 137u << 800.0f << QByteArray(" 800  Hz");
    QTest::newRow("HPF highest") << 3101 << 5000.0f << 145u << 1000.0f << QByteArray("1.00 kHz");
    QTest::newRow("de-esser 31.25 Hz") << 5103 << 31.25f << 24u << 31.25f << QByteArray(" 31.3 Hz");
    QTest::newRow("release off-grid") << 8104 << 151.0f << 145u << 150.0f << QByteArray("150.0 mS");
    QTest::newRow("ratio 10") << 8102 << 10.0f << 116u << 10.0f << QByteArray("10.0 : 1");
    QTest::newRow("ratio above") << 8102 << 99.0f << 151u << 20.0f << QByteArray("20.0 : 1");
    QTest::newRow("attack one second") << 8103 << 1000.0f << 205u << 1000.0f << QByteArray("1.000 S ");
    QTest::newRow("out gain lowest") << 9004 << -200.0f << 0u << -80.0f << QByteArray("-80.0 dB");
}

void tst_ParamMap::setFloat()
{
    QFETCH(int, id);
    QFETCH(float, value);
    QFETCH(quint32, position);
    QFETCH(float, stored);
    QFETCH(QByteArray, text);

    tcParamMap map;
    const quint16 pid = quint16(id);
    QCOMPARE(map.positionOfValue(pid, value), std::optional<quint32>(position));
    map.setFloat(pid, value, TO_UNIT);
    QCOMPARE(map.getPosition(pid), position);
    COMPARE_EXACT(map.getFloat(pid), stored);
    QCOMPARE(map.valueText(pid), text);
}

void tst_ParamMap::notifiesOnlyOnChange_data()
{
    QTest::addColumn<int>("flag");

    QTest::newRow("TO_UNIT") << int(TO_UNIT);
    QTest::newRow("TO_GUI") << int(TO_GUI);
    QTest::newRow("TO_BOTH") << int(TO_BOTH);
}

void tst_ParamMap::notifiesOnlyOnChange()
{
    QFETCH(int, flag);
    const auto changeFlag = tcChangeFlag(flag);

    tcParamMap map;
    tcRecorder recorder;
    map.setNotify(&tcRecorder::notify, &recorder);

    QVERIFY(!map.setFloat(2100, 20.0f, changeFlag));       // the stored value
    QVERIFY(!map.setFloat(2100, 20.3f, changeFlag));       // rounds to the stored position
    QVERIFY(map.setFloat(2100, 25.0f, changeFlag));
    QVERIFY(!map.setPosition(2100, 45, changeFlag));       // position of 25 dB
    QVERIFY(map.setPosition(3100, 1, changeFlag));
    QVERIFY(!map.setBool(3100, true, changeFlag));
    QVERIFY(map.setBool(6100, false, changeFlag));
    QCOMPARE(recorder.calls, (QList<QPair<int, int>>{{2100, flag}, {3100, flag}, {6100, flag}}));

    map.setNotify(nullptr, nullptr);
    QVERIFY(map.setFloat(2100, 30.0f, changeFlag));
    QCOMPARE(recorder.calls.size(), 3);
}

void tst_ParamMap::setPosition_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<quint32>("position");
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<bool>("changed");

    QTest::newRow("inside") << 4101 << 40u << 40u << true;
    QTest::newRow("above the highest") << 4101 << 127u << 80u << true;
    QTest::newRow("far above") << 4101 << 0xFFFFFFFFu << 80u << true;
    QTest::newRow("below the lowest") << 5101 << 0u << 20u << true;
    QTest::newRow("the default") << 5101 << 60u << 60u << false;
    QTest::newRow("clamped onto the default") << 4102 << 200u << 140u << false;
}

void tst_ParamMap::setPosition()
{
    QFETCH(int, id);
    QFETCH(quint32, position);
    QFETCH(quint32, stored);
    QFETCH(bool, changed);

    tcParamMap map;
    tcRecorder recorder;
    map.setNotify(&tcRecorder::notify, &recorder);
    QCOMPARE(map.setPosition(quint16(id), position, TO_GUI), changed);
    QCOMPARE(map.getPosition(quint16(id)), stored);
    QCOMPARE(recorder.calls.size(), changed ? 1 : 0);
}

void tst_ParamMap::switches()
{
    tcParamMap map;
    QVERIFY(map.setPosition(2101, 7, TO_UNIT)); // any non-zero position switches on
    QVERIFY(map.getBool(2101));
    QCOMPARE(map.getPosition(2101), 1u);
    QCOMPARE(map.valueText(2101), QByteArray("In"));
    QVERIFY(!map.defaultBool(2101));
    QVERIFY(map.setPosition(2101, 0, TO_UNIT));
    QVERIFY(!map.getBool(2101));
}

void tst_ParamMap::typeMismatchIsIgnored()
{
    tcParamMap map;
    tcRecorder recorder;
    map.setNotify(&tcRecorder::notify, &recorder);
    QVERIFY(!map.setFloat(2101, 1.0f, TO_UNIT));
    QVERIFY(!map.setBool(2100, true, TO_UNIT));
    QVERIFY(!map.setInt(2100, 5, TO_UNIT));
    QVERIFY(!map.setInt(2101, 1, TO_UNIT));
    QVERIFY(recorder.calls.isEmpty());
    QCOMPARE(map.getPosition(2100), 40u);
    QVERIFY(!map.getBool(2101));
    QVERIFY(!map.getBool(2100));
    QCOMPARE(map.getInt(2100), 0u);
    QCOMPARE(map.positionOfValue(2101, 1.0f), std::nullopt);
}

void tst_ParamMap::unknownId_data()
{
    QTest::addColumn<int>("id");

    QTest::newRow("7000") << 7000;
    QTest::newRow("0") << 0;
    QTest::newRow("global 1000") << 1000;
    QTest::newRow("end marker") << 0xFFFF;
}

void tst_ParamMap::unknownId()
{
    QFETCH(int, id);
    const quint16 pid = quint16(id);

    tcParamMap map;
    tcRecorder recorder;
    map.setNotify(&tcRecorder::notify, &recorder);
    QVERIFY(!map.setPosition(pid, 3, TO_UNIT));
    QVERIFY(!map.setFloat(pid, 3.0f, TO_UNIT));
    QVERIFY(!map.setBool(pid, true, TO_UNIT));
    QVERIFY(!map.setInt(pid, 3, TO_UNIT));
    QVERIFY(recorder.calls.isEmpty());
    QCOMPARE(map.getPosition(pid), 0u);
    QCOMPARE(map.lowestPosition(pid), 0u);
    QCOMPARE(map.highestPosition(pid), 255u);
    COMPARE_EXACT(map.getFloat(pid), 0.0f);
    COMPARE_EXACT(map.defaultFloat(pid), 0.0f);
    QVERIFY(!map.getBool(pid));
    QVERIFY(!map.defaultBool(pid));
    QCOMPARE(map.getInt(pid), 0u);
    QCOMPARE(map.defaultInt(pid), 0u);
    QCOMPARE(map.positionOfValue(pid, 3.0f), std::nullopt);
    QCOMPARE(map.valueText(pid), QByteArray("????????"));
    QCOMPARE(map.nameText(pid), QByteArray("????????"));
    QVERIFY(map.floatEntry(pid) == nullptr);
    QVERIFY(map.boolEntry(pid) == nullptr);
    QVERIFY(map.intEntry(pid) == nullptr);
}

void tst_ParamMap::entries()
{
    const tcParamMap map;
    QVERIFY(map.floatEntry(2100) != nullptr);
    QCOMPARE(map.floatEntry(2100)->id(), quint16(2100));
    QVERIFY(map.boolEntry(2100) == nullptr);
    QVERIFY(map.boolEntry(6100) != nullptr);
    QVERIFY(map.floatEntry(6100) == nullptr);
    for (quint16 id = firstParamId(); id != ID_END; id = nextParamId(id))
        QVERIFY(map.intEntry(id) == nullptr); // no integer parameter
}

void tst_ParamMap::positionOfValueDoesNotStore()
{
    tcParamMap map;
    tcRecorder recorder;
    map.setNotify(&tcRecorder::notify, &recorder);
    QCOMPARE(map.positionOfValue(3102, 20000.0f), std::optional<quint32>(249u));
    QCOMPARE(map.getPosition(3102), 193u);
    QVERIFY(recorder.calls.isEmpty());
}

void tst_ParamMap::switchTexts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("off");

    QTest::newRow("Decorrelator") << 2101 << QByteArray("In") << QByteArray("Out");
    QTest::newRow("Filter In") << 3100 << QByteArray("IN      ") << QByteArray("OUT     ");
    QTest::newRow("Expander In") << 4100 << QByteArray("IN      ") << QByteArray("OUT     ");
    QTest::newRow("De-Esser In") << 5100 << QByteArray("IN      ") << QByteArray("OUT     ");
    QTest::newRow("EQ Pre DYN") << 6100 << QByteArray("EQ-->DYN") << QByteArray("DYN-->EQ");
    QTest::newRow("EQ In") << 6101 << QByteArray("IN      ") << QByteArray("OUT     ");
    QTest::newRow("Comp In") << 8100 << QByteArray("IN      ") << QByteArray("OUT     ");
}

void tst_ParamMap::switchTexts()
{
    QFETCH(int, id);
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, off);

    tcParamMap map;
    map.setBool(quint16(id), true, TO_UNIT);
    QCOMPARE(map.valueText(quint16(id)), on);
    map.setBool(quint16(id), false, TO_UNIT);
    QCOMPARE(map.valueText(quint16(id)), off);
}

void tst_ParamMap::floatTextsNeverLongerThanEight()
{
    tcParamMap map;
    for (quint16 id = firstParamId(); id != ID_END; id = nextParamId(id)) {
        for (quint32 p = map.lowestPosition(id); p <= map.highestPosition(id); ++p) {
            map.setPosition(id, p, TO_UNIT);
            const QByteArray text = map.valueText(id);
            QVERIFY2(!text.isEmpty() && text.size() <= 8, qPrintable(QStringLiteral("%1 at %2").arg(id).arg(p)));
            QVERIFY2(text != "????????", qPrintable(QStringLiteral("%1 at %2").arg(id).arg(p)));
        }
    }
}

void tst_ParamMap::copyFrom()
{
    tcParamMap source;
    source.setFloat(2100, 33.0f, TO_UNIT);
    source.setFloat(6105, 1.5f, TO_UNIT);
    source.setFloat(3102, 20000.0f, TO_UNIT);
    source.setBool(6100, false, TO_UNIT);
    source.setBool(8100, true, TO_UNIT);

    tcParamMap target;
    tcRecorder recorder;
    target.setNotify(&tcRecorder::notify, &recorder);
    target.copyFrom(source);

    QVERIFY(recorder.calls.isEmpty());
    COMPARE_EXACT(target.getFloat(2100), 33.0f);
    COMPARE_EXACT(target.getFloat(6105), 1.5f);
    QCOMPARE(target.getPosition(3102), 249u);
    QVERIFY(!target.getBool(6100));
    QVERIFY(target.getBool(8100));
    for (quint16 id = firstParamId(); id != ID_END; id = nextParamId(id))
        QCOMPARE(target.getPosition(id), source.getPosition(id));
    QCOMPARE(target.settingsCrc().crc, source.settingsCrc().crc);
    QCOMPARE(target.gainCrc().crc, source.gainCrc().crc);
}

void tst_ParamMap::copyOntoItself()
{
    tcParamMap map;
    map.setFloat(2100, 33.0f, TO_UNIT);
    tcRecorder recorder;
    map.setNotify(&tcRecorder::notify, &recorder);
    map.copyFrom(map);
    COMPARE_EXACT(map.getFloat(2100), 33.0f);
    QVERIFY(recorder.calls.isEmpty());
}

void tst_ParamMap::checksumsOfFreshMap()
{
    // Every entry but In Gain, in directory order: floats as f32 little-endian, bools as one byte.
    QByteArray settings;
    settings.append('\0');            // 2101 Decorrelator
    settings.append('\0');            // 3100 Filter In
    appendFloat(settings, 80.0f);     // 3101
    appendFloat(settings, 4000.0f);   // 3102
    settings.append('\0');            // 4100
    appendFloat(settings, 14.0f);     // 4101
    appendFloat(settings, 0.0f);      // 4102
    appendFloat(settings, 300.0f);    // 4103
    settings.append('\0');            // 5100
    appendFloat(settings, -40.0f);    // 5101
    appendFloat(settings, 100.0f);    // 5102
    appendFloat(settings, 4000.0f);   // 5103
    settings.append('\1');            // 6100 EQ Pre DYN
    settings.append('\0');            // 6101
    appendFloat(settings, 50.0f);     // 6108
    appendFloat(settings, 6.0f);      // 6110
    appendFloat(settings, 800.0f);    // 6102
    appendFloat(settings, -4.0f);     // 6106
    appendFloat(settings, 0.5f);      // 6104
    appendFloat(settings, 2800.0f);   // 6103
    appendFloat(settings, 0.66f);     // 6105: the table entry the default 0.67 lands on
    appendFloat(settings, 3.0f);      // 6107
    appendFloat(settings, 8000.0f);   // 6109
    appendFloat(settings, 8.0f);      // 6111
    settings.append('\0');            // 8100
    appendFloat(settings, -40.0f);    // 8101
    appendFloat(settings, 2.0f);      // 8102
    appendFloat(settings, 1.0f);      // 8103
    appendFloat(settings, 150.0f);    // 8104
    appendFloat(settings, 0.0f);      // 9004
    QCOMPARE(settings.size(), 7 + 23 * 4);

    QByteArray gain;
    appendFloat(gain, 20.0f);
    appendFloat(gain, 20.0f);

    const tcParamMap map;
    const tcCrcCount settingsCrc = map.settingsCrc();
    QCOMPARE(settingsCrc.crc, referenceCrc(settings));
    QCOMPARE(settingsCrc.count, quint16(30));
    const tcCrcCount gainCrc = map.gainCrc();
    QCOMPARE(gainCrc.crc, referenceCrc(gain));
    QCOMPARE(gainCrc.count, quint16(9));
}

void tst_ParamMap::gainChangesOnlyGainCrc()
{
    tcParamMap map;
    const tcCrcCount settingsBefore = map.settingsCrc();
    const tcCrcCount gainBefore = map.gainCrc();
    map.setFloat(2100, 21.0f, TO_UNIT);

    QCOMPARE(map.settingsCrc().crc, settingsBefore.crc);
    QVERIFY(map.gainCrc().crc != gainBefore.crc);
    QByteArray gain;
    appendFloat(gain, 21.0f);
    appendFloat(gain, 21.0f);
    QCOMPARE(map.gainCrc().crc, referenceCrc(gain));
    QCOMPARE(map.gainCrc().count, quint16(9));
}

void tst_ParamMap::settingChangesSettingsCrc()
{
    tcParamMap map;
    const quint32 before = map.settingsCrc().crc;
    const quint32 gainBefore = map.gainCrc().crc;
    map.setBool(2101, true, TO_UNIT);
    QVERIFY(map.settingsCrc().crc != before);
    map.setBool(2101, false, TO_UNIT);
    QCOMPARE(map.settingsCrc().crc, before);
    map.setFloat(9004, 0.5f, TO_UNIT);
    QVERIFY(map.settingsCrc().crc != before);
    QCOMPARE(map.gainCrc().crc, gainBefore);
}

QTEST_MAIN(tst_ParamMap)
#include "tst_param_map.moc"
