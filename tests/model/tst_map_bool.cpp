#include "model/map_bool.h"

#include <QTest>

// Switch entries: 0/1, change reports, texts.
class tst_MapBool : public QObject {
    Q_OBJECT

private slots:
    void construction();
    void setReportsChange();
    void reset();
    void valueText();
};

void tst_MapBool::construction()
{
    const MAP_BOOL on(6100, true, "EQ Pre DYN");
    QCOMPARE(int(on.type()), 3);
    QCOMPARE(on.id(), quint16(6100));
    QVERIFY(on.value());
    QVERIFY(on.defaultValue());
    QCOMPARE(on.nameText(), QByteArray("EQ Pre DYN"));

    const MAP_BOOL off(2101, false, "Decorrelator");
    QVERIFY(!off.value());
    QVERIFY(!off.defaultValue());
}

void tst_MapBool::setReportsChange()
{
    MAP_BOOL entry(2101, false, "Decorrelator");
    QVERIFY(!entry.set(false));
    QVERIFY(entry.set(true));
    QVERIFY(!entry.set(true));
    QVERIFY(entry.value());
    QVERIFY(entry.set(false));
}

void tst_MapBool::reset()
{
    MAP_BOOL entry(6100, true, "EQ Pre DYN");
    QVERIFY(!entry.reset());
    entry.set(false);
    QVERIFY(entry.reset());
    QVERIFY(entry.value());
}

void tst_MapBool::valueText()
{
    MAP_BOOL entry(2101, false, "Decorrelator");
    QCOMPARE(entry.valueText(), QByteArray("Out"));
    entry.set(true);
    QCOMPARE(entry.valueText(), QByteArray("In"));
}

QTEST_MAIN(tst_MapBool)
#include "tst_map_bool.moc"
