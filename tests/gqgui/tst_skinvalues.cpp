#include "gqgui/skin_values.h"

#include <QTest>

class tst_SkinValues : public QObject
{
    Q_OBJECT

private slots:
    void integerExpressions_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArrayList>("undefined");
        // The offset table holds X = 10, Y_2 = -4 and LONG.NAME = 100.
        QTest::newRow("X+5") << QByteArray("X+5") << 15 << QByteArrayList();
        QTest::newRow("X - 3") << QByteArray("X - 3") << 7 << QByteArrayList();
        QTest::newRow("-5") << QByteArray("-5") << -5 << QByteArrayList();
        QTest::newRow("10 20") << QByteArray("10 20") << 30 << QByteArrayList();
        QTest::newRow("1.5") << QByteArray("1.5") << 6 << QByteArrayList();
        QTest::newRow("empty") << QByteArray("") << 0 << QByteArrayList();
        QTest::newRow("plain number") << QByteArray("1234") << 1234 << QByteArrayList();
        QTest::newRow("name with digits and underscore") << QByteArray("Y_2+1") << -3 << QByteArrayList();
        QTest::newRow("name runs through a point") << QByteArray("LONG.NAME-1") << 99 << QByteArrayList();
        QTest::newRow("minus before a name") << QByteArray("-X") << -10 << QByteArrayList();
        QTest::newRow("blank after a name keeps the sign") << QByteArray("5-X 2") << -7 << QByteArrayList();
        QTest::newRow("sign after a name") << QByteArray("X-Y_2") << 14 << QByteArrayList();
        QTest::newRow("comma separates") << QByteArray("3,4") << 7 << QByteArrayList();
        QTest::newRow("undefined counts 0") << QByteArray("Z+2") << 2 << QByteArrayList{"Z"};
        QTest::newRow("two undefined") << QByteArray("A+X+B") << 10 << QByteArrayList{"A", "B"};
        QTest::newRow("wraps at 32 bits") << QByteArray("4294967296") << 0 << QByteArrayList();
        QTest::newRow("wraps past the top") << QByteArray("2147483647+1") << int(-2147483647 - 1) << QByteArrayList();
    }

    void integerExpressions()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QFETCH(QByteArrayList, undefined);
        tcSkinTable<int> offsets(10);
        offsets.at(offsets.findOrAdd(tcSkinName(QStringLiteral("X")), 0)) = 10;
        offsets.at(offsets.findOrAdd(tcSkinName(QStringLiteral("Y_2")), 0)) = -4;
        offsets.at(offsets.findOrAdd(tcSkinName(QStringLiteral("LONG.NAME")), 0)) = 100;
        QByteArrayList missing;
        QCOMPARE(skinInt(text.constData(), offsets, &missing), value);
        QCOMPARE(missing, undefined);
    }

    void colours_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<uint>("value");
        // The colour table holds RED = 0xFFFF0000 and the odd name 00FF00 = 0xFF123456.
        QTest::newRow("hex FF0000") << QByteArray("FF0000") << 0xFFFF0000u;
        QTest::newRow("hex with 0x") << QByteArray("0x00ff00") << 0xFF00FF00u;
        QTest::newRow("empty is opaque black") << QByteArray("") << 0xFF000000u;
        QTest::newRow("a named colour") << QByteArray("RED") << 0xFFFF0000u;
        QTest::newRow("a name wins over hex") << QByteArray("00FF00") << 0xFF123456u;
        QTest::newRow("alpha is always opaque") << QByteArray("12345678") << 0xFF345678u;
        QTest::newRow("# is no number") << QByteArray("#FF0000") << 0xFF000000u;
        QTest::newRow("unknown word") << QByteArray("TRANSPARENT") << 0xFF000000u;
        QTest::newRow("names are case-sensitive") << QByteArray("red") << 0xFF000000u;
    }

    void colours()
    {
        QFETCH(QByteArray, text);
        QFETCH(uint, value);
        tcSkinTable<QRgb> colors(4);
        colors.at(colors.findOrAdd(tcSkinName(QStringLiteral("RED")), 0)) = 0xFFFF0000;
        colors.at(colors.findOrAdd(tcSkinName(QStringLiteral("00FF00")), 0)) = 0xFF123456;
        QCOMPARE(skinColor(text.constData(), colors), QRgb(value));
    }

    void alignmentCodes_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("alignment");
        QTest::newRow("none: top left") << QByteArray("") << int(Qt::AlignTop | Qt::AlignLeft);
        QTest::newRow("t") << QByteArray("t") << int(Qt::AlignTop | Qt::AlignLeft);
        QTest::newRow("tl") << QByteArray("tl") << int(Qt::AlignTop | Qt::AlignLeft);
        QTest::newRow("cc") << QByteArray("cc") << int(Qt::AlignVCenter | Qt::AlignHCenter);
        QTest::newRow("br") << QByteArray("br") << int(Qt::AlignBottom | Qt::AlignRight);
        QTest::newRow("c: centre, left") << QByteArray("c") << int(Qt::AlignVCenter | Qt::AlignLeft);
        QTest::newRow("other letters: top, left") << QByteArray("xq") << int(Qt::AlignTop | Qt::AlignLeft);
        QTest::newRow("tc") << QByteArray("tc") << int(Qt::AlignTop | Qt::AlignHCenter);
    }

    void alignmentCodes()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, alignment);
        QCOMPARE(skinAlign(text.constData()), alignment);
    }

    void flagsAndNumbers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("flag0");
        QTest::addColumn<bool>("flagN");
        QTest::addColumn<int>("decimal");
        QTest::newRow("0") << QByteArray("0") << false << false << 0;
        QTest::newRow("1") << QByteArray("1") << true << true << 1;
        QTest::newRow("00") << QByteArray("00") << true << false << 0;
        QTest::newRow("empty") << QByteArray("") << true << false << 0;
        QTest::newRow("word") << QByteArray("yes") << true << false << 0;
        QTest::newRow("-2") << QByteArray("-2") << true << true << -2;
        QTest::newRow("huge is held in range") << QByteArray("99999999999") << true << true << 2147483647;
    }

    void flagsAndNumbers()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, flag0);
        QFETCH(bool, flagN);
        QFETCH(int, decimal);
        QCOMPARE(skinFlag0(text.constData()), flag0);
        QCOMPARE(skinFlagN(text.constData()), flagN);
        QCOMPARE(skinDecimal(text.constData()), decimal);
    }
};

QTEST_MAIN(tst_SkinValues)
#include "tst_skinvalues.moc"
