#include "model/map_float.h"

#include "exact_float.h"

#include <QTest>

#include <limits>
#include <vector>

namespace {

std::vector<tcTableEntry> tableOf(std::initializer_list<float> values)
{
    std::vector<tcTableEntry> table;
    for (float value : values)
        table.push_back({value, {'v', 0}});
    return table;
}

} // namespace

// Float entries with and without a value table: positions, clamping, search, texts.
class tst_MapFloat : public QObject {
    Q_OBJECT

private slots:
    void constructionWithTable();
    void defaultIsClamped();
    void positionOfValue_data();
    void positionOfValue();
    void setPositionClamps();
    void reset();
    void searchWidth_data();
    void searchWidth();
    void valueBelowFirstEntry();
    void tableless_data();
    void tableless();
    void tablelessTextIsCut();
    void tablelessEmptyRange();
    void nameIsCut();
};

void tst_MapFloat::constructionWithTable()
{
    const MAP_FLOAT entry(2100, 20.0f, -10.0f, 70.0f, valueTable(GAIN_TABLE), "In Gain");
    QCOMPARE(int(entry.type()), 1);
    QCOMPARE(entry.id(), quint16(2100));
    QCOMPARE(entry.lowestPosition(), 10u);
    QCOMPARE(entry.highestPosition(), 90u);
    QCOMPARE(entry.position(), 40u);
    QCOMPARE(entry.searchWidth(), 7u);
    COMPARE_EXACT(entry.value(), 20.0f);
    COMPARE_EXACT(entry.lowerLimit(), -10.0f);
    COMPARE_EXACT(entry.upperLimit(), 70.0f);
    QCOMPARE(entry.valueText(), QByteArray("+20.0 dB"));
    QCOMPARE(entry.nameText(), QByteArray("In Gain"));
}

void tst_MapFloat::defaultIsClamped()
{
    const MAP_FLOAT high(1, 100.0f, -10.0f, 70.0f, valueTable(GAIN_TABLE), "x");
    COMPARE_EXACT(high.defaultValue(), 70.0f);
    QCOMPARE(high.position(), 90u);

    const MAP_FLOAT low(1, -50.0f, -10.0f, 70.0f, valueTable(GAIN_TABLE), "x");
    COMPARE_EXACT(low.defaultValue(), -10.0f);
    QCOMPARE(low.position(), 10u);
}

void tst_MapFloat::positionOfValue_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<quint32>("position");

    // Gain table -20..+70 in steps of 1 (entry i = i - 20 dB), limits -10..+70.
    QTest::newRow("on an entry") << 20.0f << 40u;
    QTest::newRow("half way: lower entry") << 20.5f << 40u;
    QTest::newRow("just above half way") << 20.5001f << 41u;
    QTest::newRow("just below half way") << 20.4999f << 40u;
    QTest::newRow("above the upper limit") << 100.0f << 90u;
    QTest::newRow("below the lower limit") << -15.0f << 10u;
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 90u;
    QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << 10u;
    QTest::newRow("not a number: lower limit") << std::numeric_limits<float>::quiet_NaN() << 10u;
}

void tst_MapFloat::positionOfValue()
{
    QFETCH(float, value);
    QFETCH(quint32, position);

    MAP_FLOAT entry(2100, 20.0f, -10.0f, 70.0f, valueTable(GAIN_TABLE), "In Gain");
    QCOMPARE(entry.positionOf(value), position);
    QCOMPARE(entry.position(), 40u); // positionOf does not store
    QCOMPARE(entry.setValue(value), position != 40u);
    QCOMPARE(entry.position(), position);
}

void tst_MapFloat::setPositionClamps()
{
    MAP_FLOAT entry(2100, 20.0f, -10.0f, 70.0f, valueTable(GAIN_TABLE), "In Gain");
    QVERIFY(entry.setPosition(0));
    QCOMPARE(entry.position(), 10u);
    QCOMPARE(entry.valueText(), QByteArray("-10.0 dB"));
    QVERIFY(!entry.setPosition(5)); // clamps to the same position
    QVERIFY(entry.setPosition(1000));
    QCOMPARE(entry.position(), 90u);
    COMPARE_EXACT(entry.value(), 70.0f);
    QVERIFY(!entry.setPosition(90));
    COMPARE_EXACT(entry.valueAt(127), 70.0f); // never the filler
    COMPARE_EXACT(entry.valueAt(0), -10.0f);
}

void tst_MapFloat::reset()
{
    MAP_FLOAT entry(8103, 1.0f, 0.2f, 1000.0f, valueTable(TIME_TABLE), "Comp Attack");
    QVERIFY(!entry.reset());
    QVERIFY(entry.setValue(500.0f));
    QVERIFY(entry.reset());
    QCOMPARE(entry.position(), 10u);
    QCOMPARE(entry.valueText(), QByteArray("  1.0 mS"));
}

void tst_MapFloat::searchWidth_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<quint32>("width");

    QTest::newRow("2") << 2 << 0u;
    QTest::newRow("4") << 4 << 2u;
    QTest::newRow("100") << 100 << 0u;
    QTest::newRow("128") << 128 << 7u;
    QTest::newRow("256") << 256 << 8u;
    QTest::newRow("4096") << 4096 << 12u;
    QTest::newRow("8192") << 8192 << 0u;
}

// Without a search width every value lands on position 0.
void tst_MapFloat::searchWidth()
{
    QFETCH(int, size);
    QFETCH(quint32, width);

    std::vector<tcTableEntry> table;
    for (int i = 0; i < size; ++i)
        table.push_back({float(i), {'v', 0}});
    const MAP_FLOAT entry(1, 1.0f, 0.0f, float(size - 1), table, "x");
    QCOMPARE(entry.searchWidth(), width);
    QCOMPARE(entry.position(), width == 0 ? 0u : 1u);
    QCOMPARE(entry.highestPosition(), width == 0 ? 0u : quint32(size - 1));
}

void tst_MapFloat::valueBelowFirstEntry()
{
    const std::vector<tcTableEntry> table = tableOf({10.0f, 20.0f, 30.0f, 40.0f});
    const MAP_FLOAT entry(1, 0.0f, 0.0f, 100.0f, table, "x");
    QCOMPARE(entry.position(), 0u);
    QCOMPARE(entry.positionOf(14.0f), 0u);
    QCOMPARE(entry.positionOf(15.0f), 0u);
    QCOMPARE(entry.positionOf(16.0f), 1u);
    QCOMPARE(entry.positionOf(100.0f), 3u);
}

void tst_MapFloat::tableless_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<quint32>("position");
    QTest::addColumn<float>("stored");
    QTest::addColumn<QByteArray>("text");

    // Limits -10..+10: position = int((value + 10) * 255 / 20 + 0.5).
    QTest::newRow("lower") << -10.0f << 0u << -10.0f << QByteArray("-10.0");
    QTest::newRow("upper") << 10.0f << 255u << 10.0f << QByteArray("+10.0");
    QTest::newRow("middle rounds up") << 0.0f << 128u << float(-10.0 + 20.0 * 128 / 255.0) << QByteArray("+0.0");
    QTest::newRow("one step") << -9.9f << 1u << float(-10.0 + 20.0 / 255.0) << QByteArray("-9.9");
    QTest::newRow("clamped") << 50.0f << 255u << 10.0f << QByteArray("+10.0");
}

void tst_MapFloat::tableless()
{
    QFETCH(float, value);
    QFETCH(quint32, position);
    QFETCH(float, stored);
    QFETCH(QByteArray, text);

    MAP_FLOAT entry(1, -10.0f, -10.0f, 10.0f, {}, "x");
    QCOMPARE(entry.lowestPosition(), 0u);
    QCOMPARE(entry.highestPosition(), 255u);
    QCOMPARE(entry.searchWidth(), 0u);
    entry.setValue(value);
    QCOMPARE(entry.position(), position);
    COMPARE_EXACT(entry.value(), stored);
    QCOMPARE(entry.valueText(), text);
}

void tst_MapFloat::tablelessTextIsCut()
{
    const MAP_FLOAT entry(1, -123456.0f, -200000.0f, 200000.0f, {}, "x");
    QCOMPARE(entry.position(), 49u); // -123137.25
    QCOMPARE(entry.valueText(), QByteArray("-123137."));
}

void tst_MapFloat::tablelessEmptyRange()
{
    MAP_FLOAT entry(1, 5.0f, 5.0f, 5.0f, {}, "x");
    QCOMPARE(entry.position(), 0u);
    QVERIFY(!entry.setValue(7.0f));
    COMPARE_EXACT(entry.value(), 5.0f);
}

void tst_MapFloat::nameIsCut()
{
    const MAP_FLOAT entry(1, 0.0f, 0.0f, 1.0f, {}, "0123456789012345678901234567890123456789");
    QCOMPARE(entry.nameText(), QByteArray("0123456789012345678901234567890"));
}

QTEST_MAIN(tst_MapFloat)
#include "tst_map_float.moc"
