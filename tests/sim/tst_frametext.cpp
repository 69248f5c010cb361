#include "sim/frame_text.h"

#include "frame_bytes.h"

#include <QTest>

#include <cstring>

class tst_FrameText : public QObject
{
    Q_OBJECT

private slots:
    void framesAreNamedWithTheirFields_data()
    {
        QTest::addColumn<Bytes>("frame");
        QTest::addColumn<bool>("toUnit");
        QTest::addColumn<QString>("text");

        Bytes login = frameOf(12, 20);
        put32(login, 8, 0xCBF43926);
        QTest::newRow("login key") << login << true << "MSG_LOGIN key 0xCBF43926 (12 bytes)";
        Bytes result = frameOf(12, 20);
        result[6] = 3;
        QTest::newRow("login result") << result << false << "MSG_LOGIN result 3 (rejected) (12 bytes)";
        QTest::newRow("parameters")
            << paramsBlock({{2100, floatBits(30.0f)}, {8100, 1}, {7777, 5}}) << true
            << "MSG_PARAMS target 255, 3 entries: 2100=30 8100=1 7777=?0x00000005 (1204 bytes)";
        QTest::newRow("globals") << globalsBlock({{1014, 1}, {1002, 0xFFFFFFFF}}) << false
                                 << "MSG_GLOBALS, 2 entries: 1014=1 1002=0xFFFFFFFF (1200 bytes)";
        Bytes start = frameOf(10, 11);
        put16(start, 6, 60002);
        start[8] = 7;
        QTest::newRow("meter start") << start << true << "MSG_METER_START port 60002 stream 7 (10 bytes)";
        Bytes ack = frameOf(18, 24);
        put16(ack, 6, 2);
        put16(ack, 8, 9);
        ack[12] = 3;
        std::memcpy(ack.data() + 14, "Bad", 3);
        QTest::newRow("flash ack") << ack << false << "MSG_FLASH_ACK block 2/9 status 3 \"Bad\" (18 bytes)";
        QTest::newRow("unknown code") << frameOf(6, 99) << true << "code 99 (6 bytes)";
    }
    void framesAreNamedWithTheirFields()
    {
        QFETCH(Bytes, frame);
        QFETCH(bool, toUnit);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(describeFrame(frame, toUnit)), text);
    }

    // Cut frames of every code are described from what they hold, never read past.
    void cutFramesAreDescribedSafely()
    {
        for (const uint16_t code : {1, 2, 4, 11, 15, 20, 21, 22, 23, 24}) {
            for (size_t length = 0; length <= 16; ++length) {
                Bytes frame = frameOf(16, code);
                std::fill(frame.begin() + 6, frame.end(), 0x7F); // counts and fields at their largest
                frame.resize(length);
                QVERIFY(!describeFrame(frame, true).empty());
            }
        }
        Bytes block = paramsBlock({{2100, floatBits(30.0f)}});
        put16(block, 10, 500); // more entries than a block holds
        block.resize(28);
        QCOMPARE(QString::fromStdString(describeFrame(block, true)),
                 QString("MSG_PARAMS target 255, 2 entries: 2100=30 0=?0x00000000 (28 bytes)"));
    }
};

QTEST_MAIN(tst_FrameText)
#include "tst_frametext.moc"
