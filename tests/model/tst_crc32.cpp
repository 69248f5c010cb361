#include "model/crc32.h"

#include <QTest>

// CRC-32 of IEEE 802.3 against its published check values.
class tst_Crc32 : public QObject {
    Q_OBJECT

private slots:
    void checkValues_data();
    void checkValues();
};

void tst_Crc32::checkValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint32>("crc");

    QTest::newRow("empty") << QByteArray() << 0x00000000u;
    QTest::newRow("123456789") << QByteArray("123456789") << 0xCBF43926u;
    QTest::newRow("a") << QByteArray("a") << 0xE8B7BE43u;
    QTest::newRow("fox") << QByteArray("The quick brown fox jumps over the lazy dog") << 0x414FA339u;
    QTest::newRow("zero byte") << QByteArray(1, '\0') << 0xD202EF8Du;
}

void tst_Crc32::checkValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(quint32, crc);

    QCOMPARE(crc32Of(bytes), crc);
}

QTEST_MAIN(tst_Crc32)
#include "tst_crc32.moc"
