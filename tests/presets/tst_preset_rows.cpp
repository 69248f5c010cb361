#include "presets/preset_file.h"
#include "presets/preset_rows.h"

#include "model/param_map.h"

#include "preset_fixture.h"

#include <QTest>

// The rows of the preset view and of the difference of two presets.
class tst_PresetRows : public QObject {
    Q_OBJECT

private slots:
    void viewRows();
    void diffRowsOfEqualSets();
    void diffRowsMarkDifferences();
};

void tst_PresetRows::viewRows()
{
    PRESET_HEADER header = PRESET_HEADER::fresh();
    header.setName("Voice One");
    tcParamMap set;
    set.setBool(3100, true, TO_GUI);
    computePresetChecksums(header, set);
    std::array<fixture::tcValue, std::size(fixture::DEFAULT_VALUES)> values;
    std::copy(std::begin(fixture::DEFAULT_VALUES), std::end(fixture::DEFAULT_VALUES), values.begin());
    values[2].value = 1; // Filter In

    const QList<tcPresetRow> rows = presetViewRows(header, set);
    QCOMPARE(rows.size(), 34);
    QCOMPARE(rows[0].setting, QByteArray("Name"));
    QCOMPARE(rows[0].a, QByteArray("Voice One"));
    QCOMPARE(rows[1].setting, QByteArray("Num IDs"));
    QCOMPARE(rows[1].a, QByteArray("30"));
    QCOMPARE(rows[2].setting, QByteArray("CRC"));
    QCOMPARE(rows[2].a, QString::asprintf("%08X", fixture::settingsCrc(values)).toLatin1());
    QCOMPARE(rows[3].setting, QByteArray("In Gain"));
    QCOMPARE(rows[3].a, QByteArray("+20.0 dB"));
    QCOMPARE(rows[5].setting, QByteArray("Filter In"));
    QCOMPARE(rows[5].a, QByteArray("IN      "));
    QCOMPARE(rows[16].setting, QByteArray("EQ Pre DYN"));
    QCOMPARE(rows[16].a, QByteArray("EQ-->DYN"));
    QCOMPARE(rows[33].setting, QByteArray("Out Gain"));
    QCOMPARE(rows[33].a, QByteArray("  0.0 dB"));
    for (const tcPresetRow& row : rows) {
        QVERIFY(row.b.isEmpty());
        QVERIFY(!row.differs);
    }
}

void tst_PresetRows::diffRowsOfEqualSets()
{
    // The current settings' header has no name; the preset saved from them has one.
    PRESET_HEADER current = PRESET_HEADER::fresh();
    PRESET_HEADER preset = PRESET_HEADER::fresh();
    preset.setName("Saved");
    const tcParamMap live;
    const tcParamMap loaded;
    computePresetChecksums(current, live);
    computePresetChecksums(preset, loaded);

    const QList<tcPresetRow> rows = presetDiffRows(current, live, preset, loaded);
    QCOMPARE(rows.size(), 34);
    QCOMPARE(rows[0].setting, QByteArray("Name"));
    QCOMPARE(rows[0].a, QByteArray());
    QCOMPARE(rows[0].b, QByteArray("Saved"));
    QVERIFY(rows[0].differs);
    QCOMPARE(rows[1].setting, QByteArray("Num Parameters"));
    QCOMPARE(rows[1].a, QByteArray("30"));
    QCOMPARE(rows[1].b, QByteArray("30"));
    QCOMPARE(rows[2].setting, QByteArray("CRC"));
    QCOMPARE(rows[2].a, QString::asprintf("%08X", fixture::settingsCrc(fixture::DEFAULT_VALUES)).toLatin1());
    for (qsizetype i = 1; i < rows.size(); ++i)
        QVERIFY2(!rows[i].differs, rows[i].setting.constData());
}

void tst_PresetRows::diffRowsMarkDifferences()
{
    PRESET_HEADER a = PRESET_HEADER::fresh();
    PRESET_HEADER b = PRESET_HEADER::fresh();
    a.setName("Same");
    b.setName("Same");
    tcParamMap setA;
    tcParamMap setB;
    setB.setFloat(9004, -0.5f, TO_GUI);
    setB.setBool(8100, true, TO_GUI);
    computePresetChecksums(a, setA);
    computePresetChecksums(b, setB);

    QStringList differing;
    for (const tcPresetRow& row : presetDiffRows(a, setA, b, setB)) {
        if (row.differs)
            differing.append(row.setting);
    }
    QCOMPARE(differing, QStringList({"CRC", "Comp In", "Out Gain"}));
    const QList<tcPresetRow> rows = presetDiffRows(a, setA, b, setB);
    QCOMPARE(rows[33].a, QByteArray("  0.0 dB"));
    QCOMPARE(rows[33].b, QByteArray("- 0.5 dB"));
}

QTEST_MAIN(tst_PresetRows)
#include "tst_preset_rows.moc"
