#include "link/frame.h"

#include "link/link_globals.h"

#include <QTest>

class tst_Frame : public QObject
{
    Q_OBJECT

private:
    static void send(QByteArray& frame)
    {
        frame_send(std::span<uint8_t>(reinterpret_cast<uint8_t*>(frame.data()),
                                      static_cast<size_t>(frame.size())));
    }

private slots:
    void init()
    {
        clearTcpClient();
    }

    // The start word and the total length are stamped little-endian into the caller's
    // buffer before it is handed on; without a client nothing else happens.
    void stampsHeaderWithoutClient_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("shortest frame, 6 bytes")
            << QByteArray::fromHex("0000 0000 3412")
            << QByteArray::fromHex("a5a5 0600 3412");
        QTest::newRow("old header is overwritten")
            << QByteArray::fromHex("1122 3344 0900 ff")
            << QByteArray::fromHex("a5a5 0700 0900 ff");
        QTest::newRow("513 bytes: low byte first")
            << QByteArray(513, '\x5a')
            << QByteArray::fromHex("a5a5 0102") + QByteArray(509, '\x5a');
        QTest::newRow("2048 bytes")
            << QByteArray(2048, '\x01')
            << QByteArray::fromHex("a5a5 0008") + QByteArray(2044, '\x01');
    }

    void stampsHeaderWithoutClient()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QVERIFY(tcpClient() == nullptr);
        send(frame);
        QCOMPARE(frame, expected);
    }

    // A frame the unit would drop at its length field is neither stamped nor sent.
    void leavesFramesOfBadLengthAlone_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only, 4 bytes") << QByteArray(4, '\x00');
        QTest::newRow("half a message code, 5 bytes") << QByteArray(5, '\x00');
        QTest::newRow("2049 bytes") << QByteArray(2049, '\x00');
    }

    void leavesFramesOfBadLengthAlone()
    {
        QFETCH(QByteArray, frame);
        const QByteArray before = frame;
        send(frame);
        QCOMPARE(frame, before);
    }
};

QTEST_MAIN(tst_Frame)
#include "tst_frame.moc"
