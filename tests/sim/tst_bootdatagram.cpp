#include "sim/boot_datagram.h"

#include "frame_bytes.h"

#include <QTest>

namespace {

const tcMacAddress MAC = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

Bytes tag()
{
    return bytes({'T', 'O', 'L', 'L', 'B', 'R', 'D', 'G', 'B', 'O', 'O', 'T', 'S', 'R', 'V', 'R'});
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// The records of a reply, each type, big-endian length and value.
const Bytes KIND_REPLY = bytes({0, 0, 1, 1});
const Bytes TYPE_8 = bytes({1, 0, 1, 8});
const Bytes MAC_RECORD = bytes({3, 0, 6, 0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E});
const Bytes ADDRESS = bytes({4, 0, 4, 192, 168, 1, 50});
const Bytes SUBNET = bytes({5, 0, 4, 255, 255, 255, 0});
const Bytes GATEWAY = bytes({24, 0, 4, 255, 255, 255, 255});
const Bytes TYPE_6 = bytes({6, 0, 2, 0, 0});
const Bytes NAME = bytes({2, 0, 8, 'N', 'o', 'N', 'a', 'm', 'e', 0, 0});

} // namespace

class tst_BootDatagram : public QObject
{
    Q_OBJECT

private slots:
    void requestByteForByte()
    {
        const Bytes expected = concat({tag(), bytes({0, 0, 1, 0}), bytes({1, 0, 1, 8}),
                                       bytes({3, 0, 6, 0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})});
        QCOMPARE(expected.size(), size_t(33));
        QCOMPARE(buildBootRequest(MAC), expected);
    }

    void aWholeReplyIsRead()
    {
        const Bytes reply = concat({tag(), KIND_REPLY, TYPE_8, MAC_RECORD, ADDRESS, SUBNET, GATEWAY, TYPE_6, NAME});
        QCOMPARE(reply.size(), size_t(70));
        const std::optional<tcBootReply> read = parseBootReply(reply);
        QVERIFY(read);
        QCOMPARE(read->mac, MAC);
        QCOMPARE(read->text(), std::string("boot reply for 00:1a:2b:3c:4d:5e: address 192.168.1.50 subnet "
                                           "255.255.255.0 gateway 255.255.255.255 name \"NoName\""));
    }

    void recordsInAnyOrderAndUnknownOnesAreTaken()
    {
        const Bytes reply = concat({tag(), NAME, bytes({99, 0, 3, 1, 2, 3}), MAC_RECORD, ADDRESS, KIND_REPLY});
        const std::optional<tcBootReply> read = parseBootReply(reply);
        QVERIFY(read);
        QCOMPARE(read->text(), std::string("boot reply for 00:1a:2b:3c:4d:5e: address 192.168.1.50 subnet - "
                                           "gateway - name \"NoName\""));
    }

    void otherDatagramsAreNoReply_data()
    {
        QTest::addColumn<Bytes>("datagram");
        QTest::newRow("a request") << buildBootRequest(MAC);
        QTest::newRow("without a MAC") << concat({tag(), KIND_REPLY, ADDRESS});
        QTest::newRow("without a kind") << concat({tag(), MAC_RECORD, ADDRESS});
        Bytes wrongTag = concat({tag(), KIND_REPLY, MAC_RECORD});
        wrongTag[0] = 't';
        QTest::newRow("wrong tag") << wrongTag;
        Bytes shortTag = tag();
        shortTag.pop_back();
        QTest::newRow("tag cut short") << shortTag;
        Bytes cutValue = concat({tag(), KIND_REPLY, MAC_RECORD});
        cutValue.pop_back();
        QTest::newRow("value past the end") << cutValue;
        QTest::newRow("record header past the end") << concat({tag(), KIND_REPLY, MAC_RECORD, bytes({4, 0})});
        QTest::newRow("huge length") << concat({tag(), KIND_REPLY, MAC_RECORD, bytes({2, 0xFF, 0xFF, 'x'})});
    }
    void otherDatagramsAreNoReply()
    {
        QFETCH(Bytes, datagram);
        QVERIFY(!parseBootReply(datagram));
    }
};

QTEST_MAIN(tst_BootDatagram)
#include "tst_bootdatagram.moc"
