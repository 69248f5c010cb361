#include "link/messages.h"

#include <QTest>

#include <vector>

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {

Bytes bytes(std::initializer_list<int> values)
{
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

PRESET_HEADER sampleHeader()
{
    PRESET_HEADER header = PRESET_HEADER::fresh();
    header.setName("Voice One");
    header.flags = 0x5A;
    header.checksum = {0x11223344u, 0xAABBCCDDu, 0, 0};
    header.count = {30, 9, 0, 0};
    return header;
}

} // namespace

class tst_Messages : public QObject
{
    Q_OBJECT

private slots:
    void shortMessagesByteForByte_data()
    {
        QTest::addColumn<Bytes>("built");
        QTest::addColumn<Bytes>("expected");
        QTest::newRow("version request") << buildVersionRequest()
                                         << bytes({0xA5, 0xA5, 0x06, 0x00, 0x01, 0x00});
        QTest::newRow("header query") << buildHeaderQuery()
                                      << bytes({0xA5, 0xA5, 0x06, 0x00, 0x15, 0x00});
        QTest::newRow("meter start") << buildMeterStart(60002, 7)
                                     << bytes({0xA5, 0xA5, 0x0A, 0x00, 0x0B, 0x00, 0x62, 0xEA, 0x07, 0x00});
        QTest::newRow("login") << buildLogin(0xCBF43926u)
                               << bytes({0xA5, 0xA5, 0x0C, 0x00, 0x14, 0x00, 0x00, 0x00, 0x26, 0x39, 0xF4, 0xCB});
        QTest::newRow("login without record") << buildLogin(0xFFFFFFFFu)
                               << bytes({0xA5, 0xA5, 0x0C, 0x00, 0x14, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
    }
    void shortMessagesByteForByte()
    {
        QFETCH(Bytes, built);
        QFETCH(Bytes, expected);
        QCOMPARE(built, expected);
    }

    void presetHeaderByteForByte()
    {
        const Bytes frame = buildPresetHeader(sampleHeader());
        Bytes expected(164, 0);
        const Bytes head = bytes({0xA5, 0xA5, 0xA4, 0x00, 0x16, 0x00});
        std::copy(head.begin(), head.end(), expected.begin());
        const char name[] = "Voice One";
        std::copy(name, name + 9, expected.begin() + 9);
        expected[49] = 0x01;
        expected[50] = 0x5A;
        const Bytes sums = bytes({0x44, 0x33, 0x22, 0x11, 0xDD, 0xCC, 0xBB, 0xAA});
        std::copy(sums.begin(), sums.end(), expected.begin() + 52);
        expected[68] = 30;
        expected[70] = 9;
        std::fill(expected.begin() + 84, expected.end(), 0xFF); // zero reserved bytes, inverted
        QCOMPARE(frame, expected);
    }

    void presetHeaderRoundTripsWithReservedBytes()
    {
        PRESET_HEADER header = sampleHeader();
        header.setName(QByteArray(40, 'N')); // a name filling all 40 bytes, unterminated
        for (size_t i = 0; i < PRESET_HEADER::RESERVED1_SIZE; ++i)
            header.reserved1[i] = static_cast<uint8_t>(i * 7 + 1);
        const Bytes frame = buildPresetHeader(header);
        QCOMPARE(frame[84], uint8_t(~header.reserved1[8]));
        QCOMPARE(frame[163], uint8_t(~header.reserved1[87]));
        const PRESET_HEADER back = decodePresetHeaderFrame(std::span<const uint8_t, 164>(frame.data(), 164));
        QCOMPARE(back.nameString(), QByteArray(40, 'N'));
        QVERIFY(back.sameAs(header));
        QVERIFY(back.reserved1 == header.reserved1);
    }

    void flashDataByteForByte()
    {
        const Bytes data = bytes({1, 2, 3});
        const Bytes frame = buildFlashData(3, 10, data);
        Bytes expected(1036, 0);
        const Bytes head = bytes({0xA5, 0xA5, 0x0C, 0x04, 0x17, 0x00, 0x03, 0x00, 0x0A, 0x00, 0x03, 0x00, 1, 2, 3});
        std::copy(head.begin(), head.end(), expected.begin());
        QCOMPARE(frame, expected);
    }

    void flashDataSizeLimits_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("built");
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("one") << 1 << true;
        QTest::newRow("1024") << 1024 << true;
        QTest::newRow("1025") << 1025 << false;
    }
    void flashDataSizeLimits()
    {
        QFETCH(int, size);
        QFETCH(bool, built);
        const Bytes data(static_cast<size_t>(size), 0xEE);
        const Bytes frame = buildFlashData(1, 1, data);
        QCOMPARE(!frame.empty(), built);
        if (built)
            QCOMPARE(frame[12 + static_cast<size_t>(size) - 1], uint8_t(0xEE));
    }

    void headerEquality()
    {
        const PRESET_HEADER a = sampleHeader();
        PRESET_HEADER b = a;
        b.reserved1[3] = 9; // reserved bytes do not count
        QVERIFY(a.sameAs(b));
        b.name[20] = 'x'; // after the first zero byte: does not count
        QVERIFY(a.sameAs(b));
        b = a;
        b.count[3] = 1;
        QVERIFY(!a.sameAs(b));
        b = a;
        b.flags = 0;
        QVERIFY(!a.sameAs(b));
        PRESET_HEADER copy;
        b = a;
        b.reserved2[0] = 1;
        copy.copyFrom(b);
        QVERIFY(copy.sameAs(a));
        QCOMPARE(copy.reserved2[0], uint8_t(0));
    }
};

QTEST_MAIN(tst_Messages)
#include "tst_messages.moc"
