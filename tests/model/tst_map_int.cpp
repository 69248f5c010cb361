#include "model/map_int.h"

#include <QTest>

#include <array>

// Integer entries: clamping, change reports, texts.
class tst_MapInt : public QObject {
    Q_OBJECT

private slots:
    void constructionClamps_data();
    void constructionClamps();
    void setClampsAndReportsChange();
    void reset();
    void valueText_data();
    void valueText();
    void maximumBelowMinimum();
};

void tst_MapInt::constructionClamps_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<quint32>("stored");

    QTest::newRow("inside") << 5u << 5u;
    QTest::newRow("above") << 50u << 10u;
    QTest::newRow("below") << 0u << 2u;
}

void tst_MapInt::constructionClamps()
{
    QFETCH(quint32, value);
    QFETCH(quint32, stored);

    const MAP_INT entry(7, value, 2, 10, {}, "Count");
    QCOMPARE(int(entry.type()), 2);
    QCOMPARE(entry.value(), stored);
    QCOMPARE(entry.defaultValue(), stored);
    QCOMPARE(entry.minimum(), 2u);
    QCOMPARE(entry.maximum(), 10u);
    QCOMPARE(entry.nameText(), QByteArray("Count"));
}

void tst_MapInt::setClampsAndReportsChange()
{
    MAP_INT entry(7, 5, 2, 10, {}, "Count");
    QVERIFY(!entry.set(5));
    QVERIFY(entry.set(0xFFFFFFFF));
    QCOMPARE(entry.value(), 10u);
    QVERIFY(!entry.set(11));
    QVERIFY(entry.set(1));
    QCOMPARE(entry.value(), 2u);
}

void tst_MapInt::reset()
{
    MAP_INT entry(7, 5, 2, 10, {}, "Count");
    QVERIFY(!entry.reset());
    entry.set(9);
    QVERIFY(entry.reset());
    QCOMPARE(entry.value(), 5u);
}

void tst_MapInt::valueText_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("from the table") << 1u << QByteArray("Medium");
    QTest::newRow("cut to 8") << 2u << QByteArray("Very lon");
    QTest::newRow("past the table") << 3u << QByteArray("3");
    QTest::newRow("long number cut") << 123456789u << QByteArray("12345678");
    QTest::newRow("printed signed") << 0xFFFFFFFFu << QByteArray("-1");
}

void tst_MapInt::valueText()
{
    QFETCH(quint32, value);
    QFETCH(QByteArray, text);

    static constexpr std::array<const char*, 3> texts = {"Low", "Medium", "Very long text"};
    MAP_INT entry(7, 0, 0, 0xFFFFFFFF, texts, "Count");
    entry.set(value);
    QCOMPARE(entry.valueText(), text);
}

void tst_MapInt::maximumBelowMinimum()
{
    MAP_INT entry(7, 1, 5, 3, {}, "Count");
    QCOMPARE(entry.maximum(), 5u);
    QCOMPARE(entry.value(), 5u);
    QVERIFY(!entry.set(100));
}

QTEST_MAIN(tst_MapInt)
#include "tst_map_int.moc"
