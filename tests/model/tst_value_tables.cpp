#include "model/value_tables.h"

#include "exact_float.h"

#include <QTest>

// The eight value tables: values, display texts, filler entries.
class tst_ValueTables : public QObject {
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void sizes_data();
    void sizes();
    void everyTextIsEightCharacters_data();
    void everyTextIsEightCharacters();
    void noTable();
};

void tst_ValueTables::entries_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("value");
    QTest::addColumn<QByteArray>("text");

    const auto row = [](const char* name, tcValueTable table, int index, float value, const char* text) {
        QTest::addRow("%s %d", name, index) << int(table) << index << value << QByteArray(text);
    };
    row("gain", GAIN_TABLE, 0, -20.0f, "-20.0 dB");
    row("gain", GAIN_TABLE, 19, -1.0f, "- 1.0 dB");
    row("gain", GAIN_TABLE, 20, 0.0f, "  0.0 dB");
    row("gain", GAIN_TABLE, 21, 1.0f, "+ 1.0 dB");
    row("gain", GAIN_TABLE, 90, 70.0f, "+70.0 dB");
    row("gain", GAIN_TABLE, 91, 100.0f, "????????");
    row("gain", GAIN_TABLE, 127, 100.0f, "????????");

    row("depth", DEPTH_TABLE, 0, 0.0f, "  0.0 dB");
    row("depth", DEPTH_TABLE, 1, 0.5f, "+ 0.5 dB");
    row("depth", DEPTH_TABLE, 28, 14.0f, "+14.0 dB");
    row("depth", DEPTH_TABLE, 80, 40.0f, "+40.0 dB");
    row("depth", DEPTH_TABLE, 81, 100.0f, "????????");
    row("depth", DEPTH_TABLE, 127, 100.0f, "????????");

    row("thresh", THRESH_TABLE, 0, -80.0f, "-80.0 FS");
    row("thresh", THRESH_TABLE, 19, -61.0f, "-61.0 FS");
    row("thresh", THRESH_TABLE, 20, -60.0f, "-60.0 FS");
    row("thresh", THRESH_TABLE, 21, -59.5f, "-59.5 FS");
    row("thresh", THRESH_TABLE, 127, -6.5f, "- 6.5 FS");
    row("thresh", THRESH_TABLE, 140, 0.0f, "  0.0 FS");
    row("thresh", THRESH_TABLE, 141, 100.0f, "????????");
    row("thresh", THRESH_TABLE, 255, 100.0f, "????????");

    row("level", LEVEL_TABLE, 0, -80.0f, "-80.0 dB");
    row("level", LEVEL_TABLE, 20, -60.0f, "-60.0 dB");
    row("level", LEVEL_TABLE, 139, -0.5f, "- 0.5 dB");
    row("level", LEVEL_TABLE, 140, 0.0f, "  0.0 dB");
    row("level", LEVEL_TABLE, 141, 0.5f, "+ 0.5 dB");
    row("level", LEVEL_TABLE, 255, 57.5f, "+57.5 dB");

    row("time", TIME_TABLE, 0, 0.0f, "  0.0 mS");
    row("time", TIME_TABLE, 2, 0.2f, "  0.2 mS");
    row("time", TIME_TABLE, 3, 0.3f, "  0.3 mS");
    row("time", TIME_TABLE, 50, 5.0f, "  5.0 mS");
    row("time", TIME_TABLE, 51, 5.2f, "  5.2 mS");
    row("time", TIME_TABLE, 75, 10.0f, " 10.0 mS");
    row("time", TIME_TABLE, 76, 11.0f, " 11.0 mS");
    row("time", TIME_TABLE, 115, 50.0f, " 50.0 mS");
    row("time", TIME_TABLE, 116, 52.0f, " 52.0 mS");
    row("time", TIME_TABLE, 140, 100.0f, "100.0 mS");
    row("time", TIME_TABLE, 141, 110.0f, "110.0 mS");
    row("time", TIME_TABLE, 180, 500.0f, "500.0 mS");
    row("time", TIME_TABLE, 181, 520.0f, "520.0 mS");
    row("time", TIME_TABLE, 204, 980.0f, "980.0 mS");
    row("time", TIME_TABLE, 205, 1000.0f, "1.000 S ");
    row("time", TIME_TABLE, 206, 1100.0f, "1.100 S ");
    row("time", TIME_TABLE, 245, 5000.0f, "5.000 S ");
    row("time", TIME_TABLE, 246, 5200.0f, "5.200 S ");
    row("time", TIME_TABLE, 255, 7000.0f, "7.000 S ");

    row("octave", OCTAVE_TABLE, 0, 0.10f, "0.10 oct");
    row("octave", OCTAVE_TABLE, 10, 0.20f, "0.20 oct");
    row("octave", OCTAVE_TABLE, 40, 0.50f, "0.50 oct");
    row("octave", OCTAVE_TABLE, 41, 0.52f, "0.52 oct");
    row("octave", OCTAVE_TABLE, 48, 0.66f, "0.66 oct");
    row("octave", OCTAVE_TABLE, 49, 0.68f, "0.68 oct");
    row("octave", OCTAVE_TABLE, 50, 0.70f, "0.70 oct");
    row("octave", OCTAVE_TABLE, 51, 0.73f, "0.73 oct");
    row("octave", OCTAVE_TABLE, 52, 0.76f, "0.76 oct");
    row("octave", OCTAVE_TABLE, 53, 0.80f, "0.80 oct");
    row("octave", OCTAVE_TABLE, 54, 0.85f, "0.85 oct");
    row("octave", OCTAVE_TABLE, 97, 3.00f, "3.00 oct");
    row("octave", OCTAVE_TABLE, 127, 4.50f, "4.50 oct");

    row("ratio", RATIO_TABLE, 0, 1.00f, "1.00 : 1");
    row("ratio", RATIO_TABLE, 6, 1.13f, "1.13 : 1");
    row("ratio", RATIO_TABLE, 35, 2.00f, "2.00 : 1");
    row("ratio", RATIO_TABLE, 92, 6.18f, "6.18 : 1");
    row("ratio", RATIO_TABLE, 115, 9.80f, "9.80 : 1");
    row("ratio", RATIO_TABLE, 116, 10.0f, "10.0 : 1");
    row("ratio", RATIO_TABLE, 117, 10.1f, "10.1 : 1");
    row("ratio", RATIO_TABLE, 150, 19.5f, "19.5 : 1");
    row("ratio", RATIO_TABLE, 151, 20.0f, "20.0 : 1");
    row("ratio", RATIO_TABLE, 152, 100.0f, "????????");
    row("ratio", RATIO_TABLE, 255, 100.0f, "????????");

    // 1000 * 2^((i - 144) / 24) for 1..84, 1000 * 2^((i - 145) / 24) from 86, nearest f32.
    row("freq", FREQ_TABLE, 0, 16.0f, " 16.0 Hz");
    row("freq", FREQ_TABLE, 1, 16.0828476f, " 16.1 Hz");
    row("freq", FREQ_TABLE, 8, 20.0f, " 20.0 Hz");
    row("freq", FREQ_TABLE, 9, 20.2631187f, " 20.3 Hz");
    row("freq", FREQ_TABLE, 24, 31.25f, " 31.3 Hz");
    row("freq", FREQ_TABLE, 40, 50.0f, " 50.0 Hz");
    row("freq", FREQ_TABLE, 41, 51.0986f, " 51.1 Hz");
    row("freq", FREQ_TABLE, 47, 60.0f, " 60.0 Hz");
    row("freq", FREQ_TABLE, 54, 74.3544f, " 74.3 Hz");
    row("freq", FREQ_TABLE, 56, 78.7450638f, " 78.7 Hz");
    row("freq", FREQ_TABLE, 57, 80.0f, " 80.0 Hz");
    row("freq", FREQ_TABLE, 65, 102.119713f, " 102  Hz");
    row("freq", FREQ_TABLE, 71, 120.0f, " 120  Hz");
    row("freq", FREQ_TABLE, 84, 176.776703f, " 177  Hz");
    row("freq", FREQ_TABLE, 85, 180.0f, " 180  Hz");
    row("freq", FREQ_TABLE, 86, 181.95665f, " 182  Hz");
    row("freq", FREQ_TABLE, 89, 200.0f, " 200  Hz");
    row("freq", FREQ_TABLE, 136, 780.0f, " 780  Hz");
    row("freq", FREQ_TABLE, 137, 800.0f, " 800  Hz");
    row("freq", FREQ_TABLE, 144, 971.531921f, " 972  Hz");
    row("freq", FREQ_TABLE, 145, 1000.0f, "1.00 kHz");
    row("freq", FREQ_TABLE, 146, 1029.30225f, "1.03 kHz");
    row("freq", FREQ_TABLE, 181, 2800.0f, "2.80 kHz");
    row("freq", FREQ_TABLE, 182, 2900.0f, "2.90 kHz");
    row("freq", FREQ_TABLE, 193, 4000.0f, "4.00 kHz");
    row("freq", FREQ_TABLE, 224, 9792.42871f, "9.79 kHz");
    row("freq", FREQ_TABLE, 225, 10079.3682f, "10.1 kHz");
    row("freq", FREQ_TABLE, 249, 20000.0f, "20.0 kHz");
    row("freq", FREQ_TABLE, 250, 20749.4336f, "20.7 kHz");
    row("freq", FREQ_TABLE, 255, 23972.9141f, "24.0 kHz");
}

void tst_ValueTables::entries()
{
    QFETCH(int, table);
    QFETCH(int, index);
    QFETCH(float, value);
    QFETCH(QByteArray, text);

    const std::span<const tcTableEntry> entries = valueTable(tcValueTable(table));
    QVERIFY(std::size_t(index) < entries.size());
    COMPARE_EXACT(entries[index].value, value);
    QCOMPARE(entries[index].textView().toByteArray(), text);
}

void tst_ValueTables::sizes_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("valid");

    QTest::newRow("gain") << int(GAIN_TABLE) << 128 << 91;
    QTest::newRow("depth") << int(DEPTH_TABLE) << 128 << 81;
    QTest::newRow("thresh") << int(THRESH_TABLE) << 256 << 141;
    QTest::newRow("level") << int(LEVEL_TABLE) << 256 << 256;
    QTest::newRow("time") << int(TIME_TABLE) << 256 << 256;
    QTest::newRow("octave") << int(OCTAVE_TABLE) << 128 << 128;
    QTest::newRow("ratio") << int(RATIO_TABLE) << 256 << 152;
    QTest::newRow("freq") << int(FREQ_TABLE) << 256 << 256;
}

// The valid entries ascend strictly and every entry after them is a filler.
void tst_ValueTables::sizes()
{
    QFETCH(int, table);
    QFETCH(int, size);
    QFETCH(int, valid);

    const std::span<const tcTableEntry> entries = valueTable(tcValueTable(table));
    QCOMPARE(int(entries.size()), size);
    for (int i = 1; i < valid; ++i)
        QVERIFY2(entries[i - 1].value < entries[i].value, qPrintable(QString::number(i)));
    for (int i = valid; i < size; ++i) {
        COMPARE_EXACT(entries[i].value, 100.0f);
        QCOMPARE(entries[i].textView().toByteArray(), QByteArray("????????"));
    }
}

void tst_ValueTables::everyTextIsEightCharacters_data()
{
    sizes_data();
}

void tst_ValueTables::everyTextIsEightCharacters()
{
    QFETCH(int, table);

    for (const tcTableEntry& entry : valueTable(tcValueTable(table))) {
        QCOMPARE(entry.textView().size(), 8);
        QCOMPARE(entry.text[8], '\0');
    }
}

void tst_ValueTables::noTable()
{
    QVERIFY(valueTable(NO_TABLE).empty());
}

QTEST_MAIN(tst_ValueTables)
#include "tst_value_tables.moc"
