#include "model/param_list.h"

#include <QList>
#include <QTest>

// The directory of processing parameters: order, types, iteration.
class tst_ParamList : public QObject {
    Q_OBJECT

private slots:
    void directoryOrder();
    void types_data();
    void types();
    void nextAfterUnknownOrLast_data();
    void nextAfterUnknownOrLast();
    void endRecord();
};

void tst_ParamList::directoryOrder()
{
    const QList<quint16> expected = {2100, 2101, 3100, 3101, 3102, 4100, 4101, 4102, 4103, 5100, 5101,
                                     5102, 5103, 6100, 6101, 6108, 6110, 6102, 6106, 6104, 6103, 6105,
                                     6107, 6109, 6111, 8100, 8101, 8102, 8103, 8104, 9004};
    QList<quint16> walked;
    for (quint16 id = firstParamId(); id != 0xFFFF && walked.size() <= 40; id = nextParamId(id))
        walked.append(id);
    QCOMPARE(walked, expected);
    QCOMPARE(paramCount(), 31);
    QCOMPARE(firstParamId(), quint16(2100));
}

void tst_ParamList::types_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("type");

    for (int id : {2101, 3100, 4100, 5100, 6100, 6101, 8100})
        QTest::addRow("bool %d", id) << id << 3;
    for (int id : {2100, 3101, 3102, 4101, 4102, 4103, 5101, 5102, 5103, 6102, 6103, 6104, 6105, 6106,
                   6107, 6108, 6109, 6110, 6111, 8101, 8102, 8103, 8104, 9004})
        QTest::addRow("float %d", id) << id << 1;
    for (int id : {0, 1000, 2099, 6112, 7000, 9003, 9005, 0xFFFF})
        QTest::addRow("unknown %d", id) << id << 255;
}

void tst_ParamList::types()
{
    QFETCH(int, id);
    QFETCH(int, type);

    QCOMPARE(int(paramType(quint16(id))), type);
}

void tst_ParamList::nextAfterUnknownOrLast_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("next");

    QTest::newRow("last") << 9004 << 0xFFFF;
    QTest::newRow("end marker") << 0xFFFF << 0xFFFF;
    QTest::newRow("unknown") << 7000 << 0xFFFF;
    QTest::newRow("zero") << 0 << 0xFFFF;
    QTest::newRow("EQ block 6101") << 6101 << 6108;
    QTest::newRow("EQ block 6111") << 6111 << 8100;
}

void tst_ParamList::nextAfterUnknownOrLast()
{
    QFETCH(int, id);
    QFETCH(int, next);

    QCOMPARE(int(nextParamId(quint16(id))), next);
}

void tst_ParamList::endRecord()
{
    QCOMPARE(PARAM_LIST.size(), std::size_t(32));
    QCOMPARE(PARAM_LIST[31].id, quint16(0xFFFF));
    QCOMPARE(int(PARAM_LIST[31].type), 255);
}

QTEST_MAIN(tst_ParamList)
#include "tst_param_list.moc"
