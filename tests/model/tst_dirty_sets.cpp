#include "model/global_dirty_set.h"
#include "model/param_dirty_set.h"

#include <QTest>

// The dirty-mark sets of parameters and globals.
class tst_DirtySets : public QObject {
    Q_OBJECT

private slots:
    void paramMarksAreIndependent_data();
    void paramMarksAreIndependent();
    void globalMarksAreIndependent_data();
    void globalMarksAreIndependent();
    void unknownIdsAreIgnored();
    void takeClearsAndReportsTheMark();
};

namespace {

constexpr quint16 PARAM_IDS[] = {2100, 2101, 3100, 3101, 3102, 4100, 4101, 4102, 4103, 5100, 5101,
                                 5102, 5103, 6100, 6101, 6108, 6110, 6102, 6106, 6104, 6103, 6105,
                                 6107, 6109, 6111, 8100, 8101, 8102, 8103, 8104, 9004};
constexpr quint16 GLOBAL_IDS[] = {1000, 1001, 1002, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1015};

} // namespace

void tst_DirtySets::paramMarksAreIndependent_data()
{
    QTest::addColumn<int>("id");
    for (quint16 id : PARAM_IDS)
        QTest::addRow("%d", int(id)) << int(id);
}

void tst_DirtySets::paramMarksAreIndependent()
{
    QFETCH(int, id);

    tcParamDirtySet set;
    for (quint16 other : PARAM_IDS)
        QVERIFY(!set.test(other));
    set.mark(quint16(id));
    for (quint16 other : PARAM_IDS)
        QCOMPARE(set.test(other), other == id);
    set.mark(quint16(id));
    set.clear(quint16(id));
    for (quint16 other : PARAM_IDS)
        QVERIFY(!set.test(other));
}

void tst_DirtySets::globalMarksAreIndependent_data()
{
    QTest::addColumn<int>("id");
    for (quint16 id : GLOBAL_IDS)
        QTest::addRow("%d", int(id)) << int(id);
}

void tst_DirtySets::globalMarksAreIndependent()
{
    QFETCH(int, id);

    tcGlobalDirtySet set;
    for (quint16 other : GLOBAL_IDS)
        QVERIFY(!set.test(other));
    set.mark(quint16(id));
    for (quint16 other : GLOBAL_IDS)
        QCOMPARE(set.test(other), other == id);
    set.clear(quint16(id));
    for (quint16 other : GLOBAL_IDS)
        QVERIFY(!set.test(other));
}

void tst_DirtySets::unknownIdsAreIgnored()
{
    tcParamDirtySet params;
    tcGlobalDirtySet globals;
    for (quint16 id : {quint16(0), quint16(1003), quint16(7000), quint16(0xFFFF)}) {
        params.mark(id);
        globals.mark(id);
        QVERIFY(!params.test(id));
        QVERIFY(!globals.test(id));
    }
    params.mark(1000); // a global ID is not a parameter
    globals.mark(2100); // and the other way round
    QVERIFY(!params.test(1000));
    QVERIFY(!globals.test(2100));
    for (quint16 id : PARAM_IDS)
        QVERIFY(!params.test(id));
    for (quint16 id : GLOBAL_IDS)
        QVERIFY(!globals.test(id));
    params.clear(7000); // clearing an unknown ID is harmless
}

void tst_DirtySets::takeClearsAndReportsTheMark()
{
    tcParamDirtySet params;
    params.mark(6105);
    QVERIFY(params.take(6105));
    QVERIFY(!params.test(6105));
    QVERIFY(!params.take(6105));
    QVERIFY(!params.take(7000));
    tcGlobalDirtySet globals;
    globals.mark(1011);
    QVERIFY(globals.take(1011));
    QVERIFY(!globals.take(1011));
}

QTEST_MAIN(tst_DirtySets)
#include "tst_dirty_sets.moc"
