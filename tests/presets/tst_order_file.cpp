#include "presets/order_file.h"

#include "preset_fixture.h"

#include <QTemporaryDir>
#include <QTest>

// The order file of a library folder and its five operations.
class tst_OrderFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void missingFileIsEmptyAndFirstWriteCreatesIt();
    void readsSkippingEmptyLines();
    void operations_data();
    void operations();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_OrderFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_OrderFile::missingFileIsEmptyAndFirstWriteCreatesIt()
{
    tcOrderFile order(m_dir->path());
    QCOMPARE(order.names(), QStringList());
    QCOMPARE(order.path(), m_dir->filePath("k7_pset_idx.txt"));
    QVERIFY(!QFile::exists(order.path()));
    order.add("Voice One.k7");
    QCOMPARE(fixture::readFile(m_dir->filePath("k7_pset_idx.txt")), QByteArray("Voice One.k7\r\n"));
}

void tst_OrderFile::readsSkippingEmptyLines()
{
    QVERIFY(fixture::writeFile(m_dir->filePath("k7_pset_idx.txt"), "a.k7\r\n\r\n\nb.k7\nc.k7"));
    QCOMPARE(tcOrderFile(m_dir->path()).names(), QStringList({"a.k7", "b.k7", "c.k7"}));
}

void tst_OrderFile::operations_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("after");

    const QByteArray abc = "a.k7\r\nb.k7\r\nc.k7\r\n";
    QTest::newRow("add appends") << abc << "add" << QStringList{"d.k7"} << QByteArray("a.k7\r\nb.k7\r\nc.k7\r\nd.k7\r\n");
    QTest::newRow("add present") << abc << "add" << QStringList{"b.k7"} << abc;
    QTest::newRow("add is case-sensitive") << abc << "add" << QStringList{"B.k7"}
                                           << QByteArray("a.k7\r\nb.k7\r\nc.k7\r\nB.k7\r\n");
    QTest::newRow("remove every line") << QByteArray("a.k7\r\nb.k7\r\na.k7\r\n") << "remove" << QStringList{"a.k7"}
                                       << QByteArray("b.k7\r\n");
    QTest::newRow("remove absent") << abc << "remove" << QStringList{"x.k7"} << abc;
    QTest::newRow("rename first only") << QByteArray("a.k7\r\nb.k7\r\na.k7\r\n") << "rename" << QStringList{"a.k7", "z.k7"}
                                       << QByteArray("z.k7\r\nb.k7\r\na.k7\r\n");
    QTest::newRow("rename absent") << abc << "rename" << QStringList{"x.k7", "z.k7"} << abc;
    QTest::newRow("move up") << abc << "up" << QStringList{"b.k7"} << QByteArray("b.k7\r\na.k7\r\nc.k7\r\n");
    QTest::newRow("move up first") << abc << "up" << QStringList{"a.k7"} << abc;
    QTest::newRow("move up absent") << abc << "up" << QStringList{"x.k7"} << abc;
    QTest::newRow("move down") << abc << "down" << QStringList{"b.k7"} << QByteArray("a.k7\r\nc.k7\r\nb.k7\r\n");
    QTest::newRow("move down last") << abc << "down" << QStringList{"c.k7"} << abc;
    QTest::newRow("move down absent") << abc << "down" << QStringList{"x.k7"} << abc;
    QTest::newRow("LF file rewritten with CR LF") << QByteArray("a.k7\nb.k7\n") << "down" << QStringList{"a.k7"}
                                                  << QByteArray("b.k7\r\na.k7\r\n");
}

void tst_OrderFile::operations()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, operation);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, after);

    const QString path = m_dir->filePath("k7_pset_idx.txt");
    QVERIFY(fixture::writeFile(path, before));
    tcOrderFile order(m_dir->path());
    if (operation == "add")
        order.add(arguments[0]);
    else if (operation == "remove")
        order.remove(arguments[0]);
    else if (operation == "rename")
        order.rename(arguments[0], arguments[1]);
    else if (operation == "up")
        order.moveUp(arguments[0]);
    else
        order.moveDown(arguments[0]);
    QCOMPARE(fixture::readFile(path), after);
}

QTEST_MAIN(tst_OrderFile)
#include "tst_order_file.moc"
