#include "sim/sim_flash.h"

#include "frame_bytes.h"

#include <QTest>

#include <optional>

namespace {

Bytes flashBlock(uint16_t block, uint16_t total, uint16_t count = 1024)
{
    Bytes frame = frameOf(1036, 23);
    put16(frame, 6, block);
    put16(frame, 8, total);
    put16(frame, 10, count);
    return frame;
}

// What an acknowledgement says: block, total, status and text.
struct tcAck
{
    int block;
    int total;
    int status;
    QByteArray text;
    bool operator==(const tcAck&) const = default;
};

tcAck readAck(const Bytes& frame)
{
    const auto word = [&frame](size_t at) { return int(frame[at] | frame[at + 1] << 8); };
    QByteArray text;
    for (size_t i = 14; i < frame.size() && frame[i] != 0; ++i)
        text += char(frame[i]);
    return {word(6), word(8), word(12), text};
}

std::vector<tcAck> acks(const tcFrames& frames)
{
    std::vector<tcAck> out;
    for (const tcFrame& frame : frames) {
        if (frame.size() < 14 || frame[4] != 24)
            return {};
        out.push_back(readAck(frame));
    }
    return out;
}

// Sends blocks 1 to total and collects every acknowledgement.
std::vector<tcAck> sendAll(tcSimFlash& flash, uint16_t total)
{
    std::vector<tcAck> out;
    for (uint16_t block = 1; block <= total; ++block) {
        for (const tcAck& ack : acks(flash.onBlock(flashBlock(block, total), 0)))
            out.push_back(ack);
    }
    return out;
}

// Runs the flash phase's clock for the given time, in steps of 50 ms.
std::vector<tcAck> runFor(tcSimFlash& flash, int64_t ms)
{
    std::vector<tcAck> out;
    for (int64_t now = 0; now <= ms; now += 50) {
        for (const tcAck& ack : acks(flash.tick(now)))
            out.push_back(ack);
    }
    return out;
}

const std::vector<tcAck> PROGRESS = {
    {3, 3, 2, "Erasing flash..."},     {25, 100, 4, "Writing flash... 25%"},
    {50, 100, 4, "Writing flash... 50%"}, {75, 100, 4, "Writing flash... 75%"},
    {100, 100, 4, "Writing flash... 100%"}, {3, 3, 2, "Verifying image..."},
};

} // namespace

Q_DECLARE_METATYPE(std::vector<tcAck>)

class tst_SimFlash : public QObject
{
    Q_OBJECT

private slots:
    void everyBlockIsAcknowledgedThenTheFlashIsReported()
    {
        tcSimFlash flash({});
        QCOMPARE(sendAll(flash, 3), (std::vector<tcAck>{{1, 3, 0, ""}, {2, 3, 0, ""}, {3, 3, 0, ""}}));
        QVERIFY(flash.nextDueMs());
        std::vector<tcAck> expected = PROGRESS;
        expected.push_back({3, 3, 1, ""});
        QCOMPARE(runFor(flash, 5000), expected);
        QVERIFY(!flash.nextDueMs());
    }

    void reportsArePacedWellInsideTheApplicationsTimeouts()
    {
        tcSimFlash flash({});
        sendAll(flash, 1);
        QCOMPARE(*flash.nextDueMs(), int64_t(250));
        QVERIFY(acks(flash.tick(249)).empty());
        QCOMPARE(acks(flash.tick(250)).size(), size_t(1));
        // All seven reports within two seconds: far below the 30 seconds of silence allowed.
        QCOMPARE(runFor(flash, 2000).size(), size_t(6));
    }

    void failModeEndsWithAnErrorText()
    {
        tcSimFlash flash({true, std::nullopt});
        sendAll(flash, 2);
        std::vector<tcAck> expected = PROGRESS;
        for (tcAck& ack : expected) {
            if (ack.status == 2)
                ack.block = ack.total = 2;
        }
        expected.push_back({2, 2, 3, "Image verification failed."});
        QCOMPARE(runFor(flash, 5000), expected);
    }

    void silentAfterBlockN_data()
    {
        QTest::addColumn<int>("silentAfter");
        QTest::addColumn<std::vector<tcAck>>("expected");
        QTest::newRow("silent from the first block") << 0 << std::vector<tcAck>{};
        QTest::newRow("silent after block 2") << 2 << std::vector<tcAck>{{1, 4, 0, ""}, {2, 4, 0, ""}};
        QTest::newRow("silent in the flash phase")
            << 4 << std::vector<tcAck>{{1, 4, 0, ""}, {2, 4, 0, ""}, {3, 4, 0, ""}, {4, 4, 0, ""}};
    }
    void silentAfterBlockN()
    {
        QFETCH(int, silentAfter);
        QFETCH(std::vector<tcAck>, expected);
        tcSimFlash flash({false, silentAfter});
        QCOMPARE(sendAll(flash, 4), expected);
        QVERIFY(runFor(flash, 60000).empty());
        Bytes cut = flashBlock(3, 4);
        cut.resize(9); // even a malformed block gets no word
        QVERIFY(flash.onBlock(cut, 0).empty());
        QVERIFY(!flash.nextDueMs());
    }

    void blockOneStartsANewDownload()
    {
        tcSimFlash flash({false, 1});
        QCOMPARE(sendAll(flash, 2).size(), size_t(1));
        // A new download is acknowledged again up to block 1.
        QCOMPARE(acks(flash.onBlock(flashBlock(1, 5), 0)), (std::vector<tcAck>{{1, 5, 0, ""}}));
    }

    void badOrUnexpectedBlocksGetAnErrorText_data()
    {
        QTest::addColumn<Bytes>("second");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("skipped block") << flashBlock(3, 4) << QByteArray("Unexpected flash block 3 of 4.");
        QTest::newRow("another total") << flashBlock(2, 5) << QByteArray("Unexpected flash block 2 of 5.");
        QTest::newRow("no data") << flashBlock(2, 4, 0) << QByteArray("Bad flash block: 0 data bytes.");
        QTest::newRow("more than 1024 bytes") << flashBlock(2, 4, 1025) << QByteArray("Bad flash block: 1025 data bytes.");
        QTest::newRow("block past the total") << flashBlock(5, 4) << QByteArray("Bad flash block number 5 of 4.");
        Bytes cut = flashBlock(2, 4, 100);
        cut.resize(12 + 99);
        QTest::newRow("count past the frame") << cut << QByteArray("Bad flash block: 100 data bytes.");
        Bytes tiny = flashBlock(2, 4);
        tiny.resize(11);
        QTest::newRow("frame of 11 bytes") << tiny << QByteArray("Bad flash block: frame of 11 bytes.");
    }
    void badOrUnexpectedBlocksGetAnErrorText()
    {
        QFETCH(Bytes, second);
        QFETCH(QByteArray, text);
        tcSimFlash flash({});
        QCOMPARE(acks(flash.onBlock(flashBlock(1, 4), 0)).size(), size_t(1));
        const std::vector<tcAck> answer = acks(flash.onBlock(second, 0));
        QCOMPARE(answer.size(), size_t(1));
        QCOMPARE(answer.front().status, 3);
        QCOMPARE(answer.front().text, text);
        QVERIFY(!flash.nextDueMs());
    }

    void resetForgetsTheDownload()
    {
        tcSimFlash flash({});
        sendAll(flash, 1);
        flash.reset();
        QVERIFY(!flash.nextDueMs());
        QVERIFY(runFor(flash, 5000).empty());
        QCOMPARE(acks(flash.onBlock(flashBlock(2, 2), 0)).front().status, 3);
    }
};

QTEST_MAIN(tst_SimFlash)
#include "tst_simflash.moc"
