#include "link/frame_rx.h"

#include <QList>
#include <QTest>

// The dispatcher hook is a plain function: the frames it sees are kept here.
namespace {

struct tcDispatched
{
    QByteArray frame;
    uint16_t word0;
    uint16_t word1;
};

QList<tcDispatched> g_dispatched;

void record(std::span<const uint8_t> frame, uint16_t word0, uint16_t word1)
{
    g_dispatched.append({QByteArray(reinterpret_cast<const char*>(frame.data()),
                                    static_cast<qsizetype>(frame.size())),
                         word0, word1});
}

void feed(const QByteArray& bytes)
{
    frame_receive(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                           static_cast<size_t>(bytes.size())));
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A frame of the given total length: header, code 0x0102, then the bytes 0x10 to 0x8F
// over and over (never 0xA5, so that nothing in the body looks like a start byte).
QByteArray frameOf(int length)
{
    QByteArray frame = hex("a5a5");
    frame.append(char(length & 0xFF));
    frame.append(char(length >> 8));
    frame.append(hex("0201"));
    for (int i = frame.size(); i < length; ++i)
        frame.append(char(0x10 + (i - 6) % 0x80));
    return frame;
}

QList<QByteArray> dispatchedFrames()
{
    QList<QByteArray> frames;
    for (const tcDispatched& d : g_dispatched)
        frames.append(d.frame);
    return frames;
}

} // namespace

class tst_FrameRx : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        frame_set_dispatcher(record);
        frame_rx_reset();
        g_dispatched.clear();
    }

    void cleanupTestCase()
    {
        frame_set_dispatcher(nullptr);
    }

    // The stream is fed in reads of the given sizes (the rest in a last read); after each
    // read the number of frames dispatched so far must be as listed.
    void reassemblesFrames_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QList<int>>("reads");
        QTest::addColumn<QList<int>>("dispatchedAfterRead");
        QTest::addColumn<QList<QByteArray>>("frames");

        const QByteArray six = hex("a5a5 0600 3412");
        const QByteArray seven = hex("a5a5 0700 0900 7f");
        const QByteArray ten = hex("a5a5 0a00 0100 a5a5 a5a5");

        QTest::newRow("one frame, one read") << seven << QList<int>{7} << QList<int>{1}
                                             << QList<QByteArray>{seven};
        QTest::newRow("two frames in one read")
            << seven + six << QList<int>{13} << QList<int>{2} << QList<QByteArray>{seven, six};
        QTest::newRow("three reads, cut inside the length field")
            << seven << QList<int>{3, 2, 2} << QList<int>{0, 0, 1} << QList<QByteArray>{seven};
        QTest::newRow("cut after the first start byte")
            << seven << QList<int>{1, 6} << QList<int>{0, 1} << QList<QByteArray>{seven};
        QTest::newRow("one byte per read")
            << ten << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1} << QList<QByteArray>{ten};
        QTest::newRow("frame end and next frame start in one read")
            << seven + ten + six << QList<int>{5, 10, 8} << QList<int>{0, 1, 3}
            << QList<QByteArray>{seven, ten, six};
        QTest::newRow("start bytes inside a body are data")
            << ten + six << QList<int>{16} << QList<int>{2} << QList<QByteArray>{ten, six};
        QTest::newRow("garbage before the first frame")
            << hex("00 11 ff 5a a4 a6") + six << QList<int>{3, 9} << QList<int>{0, 1}
            << QList<QByteArray>{six};
        QTest::newRow("0xA5 followed by another byte is skipped")
            << hex("a5 00 a5 5a") + six << QList<int>{10} << QList<int>{1}
            << QList<QByteArray>{six};
        QTest::newRow("length 4 drops the candidate")
            << hex("a5a5 0400") + six << QList<int>{10} << QList<int>{1}
            << QList<QByteArray>{six};
        QTest::newRow("length 2049 drops the candidate")
            << hex("a5a5 0108 0201 3344") + six << QList<int>{14} << QList<int>{1}
            << QList<QByteArray>{six};
        QTest::newRow("length 0 drops the candidate")
            << hex("a5a5 0000") + seven << QList<int>{4, 7} << QList<int>{0, 1}
            << QList<QByteArray>{seven};
        // A 5-byte frame has only half a message code: it is consumed whole and dropped,
        // so its last byte (0xA5 here) cannot start a false frame with what follows.
        QTest::newRow("length 5 is consumed and dropped")
            << hex("a5a5 0500 a5") + six << QList<int>{11} << QList<int>{1}
            << QList<QByteArray>{six};
        QTest::newRow("length 5 split over reads")
            << hex("a5a5 0500 a5") + six << QList<int>{4, 1, 6} << QList<int>{0, 0, 1}
            << QList<QByteArray>{six};
        QTest::newRow("length 6, the shortest frame dispatched")
            << six << QList<int>{6} << QList<int>{1} << QList<QByteArray>{six};

        const QByteArray largest = frameOf(2048);
        QCOMPARE(largest.size(), 2048);
        QCOMPARE(largest.left(4), hex("a5a5 0008"));
        QTest::newRow("length 2048 dispatched with its last byte")
            << largest + six << QList<int>{1000, 1047, 1, 6} << QList<int>{0, 0, 1, 2}
            << QList<QByteArray>{largest, six};
        QTest::newRow("length 2048 in one read")
            << largest << QList<int>{2048} << QList<int>{1} << QList<QByteArray>{largest};
    }

    void reassemblesFrames()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QList<int>, reads);
        QFETCH(QList<int>, dispatchedAfterRead);
        QFETCH(QList<QByteArray>, frames);

        QCOMPARE(reads.size(), dispatchedAfterRead.size());
        qsizetype at = 0;
        for (qsizetype i = 0; i < reads.size(); ++i) {
            feed(stream.mid(at, reads[i]));
            at += reads[i];
            QCOMPARE(g_dispatched.size(), dispatchedAfterRead[i]);
        }
        QCOMPARE(at, stream.size());
        QCOMPARE(dispatchedFrames(), frames);
    }

    // A reset in any state forgets the partial frame: the next connection's frame arrives
    // whole instead of completing the old one.
    void resetForgetsPartialFrame_data()
    {
        QTest::addColumn<QByteArray>("partial");
        QTest::newRow("after the first start byte") << hex("a5");
        QTest::newRow("after the start word") << hex("a5a5");
        QTest::newRow("after the length's low byte") << hex("a5a5 0a");
        QTest::newRow("inside the body") << hex("a5a5 0a00 0100 01");
    }

    void resetForgetsPartialFrame()
    {
        QFETCH(QByteArray, partial);
        feed(partial);
        frame_rx_reset();
        feed(hex("a5a5 0600 0800"));
        QCOMPARE(dispatchedFrames(), QList<QByteArray>{hex("a5a5 0600 0800")});
    }

    void withoutResetTheOldFrameContinues()
    {
        feed(hex("a5a5 0a00 0100 01"));
        feed(hex("a5a5 0600 0800"));
        QCOMPARE(dispatchedFrames(), QList<QByteArray>{hex("a5a5 0a00 0100 01a5 a506")});
    }

    void passThroughWordsReachTheDispatcher()
    {
        frame_set_dispatcher(record, 0x1234, 0xBEEF);
        feed(hex("a5a5 0600 3412"));
        frame_rx_reset();
        feed(hex("a5a5 0700 0900 7f"));
        QCOMPARE(g_dispatched.size(), 2);
        for (const tcDispatched& d : g_dispatched) {
            QCOMPARE(d.word0, uint16_t(0x1234));
            QCOMPARE(d.word1, uint16_t(0xBEEF));
        }
    }

    // Without a dispatcher frames are dropped but reassembly goes on, so a frame begun
    // then is delivered whole once a dispatcher is installed.
    void withoutDispatcherFramesAreDropped()
    {
        frame_set_dispatcher(nullptr);
        feed(hex("a5a5 0600 3412 a5a5 0700"));
        frame_set_dispatcher(record);
        feed(hex("0900 7f"));
        QCOMPARE(dispatchedFrames(), QList<QByteArray>{hex("a5a5 0700 0900 7f")});
    }
};

QTEST_MAIN(tst_FrameRx)
#include "tst_frame_rx.moc"
