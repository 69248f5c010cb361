#include "sim/unit_answers.h"

#include "frame_bytes.h"
#include "model/device_globals.h"
#include "model/param_map.h"

#include <QTest>

#include <cstring>

class tst_UnitAnswers : public QObject
{
    Q_OBJECT

private slots:
    void loginResultByteForByte_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<Bytes>("expected");
        QTest::newRow("accepted") << 2 << bytes({0xA5, 0xA5, 0x0C, 0x00, 0x14, 0x00, 0x02, 0x00, 0, 0, 0, 0});
        QTest::newRow("rejected") << 3 << bytes({0xA5, 0xA5, 0x0C, 0x00, 0x14, 0x00, 0x03, 0x00, 0, 0, 0, 0});
    }
    void loginResultByteForByte()
    {
        QFETCH(int, result);
        QFETCH(Bytes, expected);
        QCOMPARE(buildLoginResult(static_cast<uint16_t>(result)), expected);
    }

    void versionIs108BytesWithPaddedTexts()
    {
        const tcSimVersion version{0x0102, 3, 0xBEEF, "build text", "FPGA 7",
                                   "a DSP text longer than thirty-two bytes"};
        Bytes expected = frameOf(108, 2);
        const Bytes numbers = bytes({0x02, 0x01, 0x03, 0x00, 0xEF, 0xBE});
        std::copy(numbers.begin(), numbers.end(), expected.begin() + 6);
        std::memcpy(expected.data() + 12, "build text", 10);
        std::memcpy(expected.data() + 44, "FPGA 7", 6);
        std::memcpy(expected.data() + 76, "a DSP text longer than thirty-tw", 32); // cut at 32
        QCOMPARE(buildVersion(version), expected);
    }

    void presetHeaderOfAFreshUnit()
    {
        PRESET_HEADER header = PRESET_HEADER::fresh();
        header.setName("Unknown");
        Bytes expected = frameOf(164, 22);
        std::memcpy(expected.data() + 9, "Unknown", 7);
        expected[49] = 1; // valid
        std::fill(expected.begin() + 84, expected.end(), 0xFF); // zero reserved bytes, inverted
        QCOMPARE(buildPresetHeaderAnswer(header), expected);
    }

    void allParamsAreOneBlockInDirectoryOrder()
    {
        const tcParamMap map;
        const tcFrames blocks = buildAllParams(map);
        QCOMPARE(blocks.size(), size_t(1));
        const Bytes& block = blocks.front();
        QCOMPARE(block.size(), size_t(1204));
        QCOMPARE(Bytes(block.begin(), block.begin() + 12),
                 bytes({0xA5, 0xA5, 0xB4, 0x04, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x01, 31, 0x00}));
        const uint16_t order[] = {2100, 2101, 3100, 3101, 3102, 4100, 4101, 4102, 4103, 5100, 5101,
                                  5102, 5103, 6100, 6101, 6108, 6110, 6102, 6106, 6104, 6103, 6105,
                                  6107, 6109, 6111, 8100, 8101, 8102, 8103, 8104, 9004};
        for (size_t i = 0; i < 31; ++i)
            QCOMPARE(uint16_t(block[12 + 8 * i] | block[13 + 8 * i] << 8), order[i]);
        // Entries as (ID, 2 zero bytes, value): floats as IEEE bits, bools as one byte.
        QCOMPARE(Bytes(block.begin() + 12, block.begin() + 36),
                 bytes({0x34, 0x08, 0, 0, 0x00, 0x00, 0xA0, 0x41,    // 2100 In Gain 20.0
                        0x35, 0x08, 0, 0, 0x00, 0x00, 0x00, 0x00,    // 2101 Decorrelator 0
                        0x1C, 0x0C, 0, 0, 0x00, 0x00, 0x00, 0x00})); // 3100 Filter In 0
        QCOMPARE(Bytes(block.begin() + 12 + 8 * 13, block.begin() + 12 + 8 * 14),
                 bytes({0xD4, 0x17, 0, 0, 0x01, 0x00, 0x00, 0x00})); // 6100 EQ Pre DYN 1
        QCOMPARE(Bytes(block.begin() + 12 + 8 * 30, block.begin() + 12 + 8 * 31),
                 bytes({0x2C, 0x23, 0, 0, 0x00, 0x00, 0x00, 0x00})); // 9004 Out Gain 0.0
        QVERIFY(std::all_of(block.begin() + 12 + 8 * 31, block.end(), [](uint8_t b) { return b == 0; }));
    }

    void paramBlockCarriesTheStoredValueAndSkipsUnknownIds()
    {
        tcParamMap map;
        map.setFloat(3101, 1000.4f, TO_GUI); // the table holds 1000 Hz
        const uint16_t ids[] = {3101, 7777, 8100};
        const tcFrames blocks = buildParamBlocks(map, ids);
        QCOMPARE(blocks.size(), size_t(1));
        QCOMPARE(blocks.front(), paramsBlock({{3101, floatBits(1000.0f)}, {8100, 0}}));
    }

    void allGlobalsAreOneBlockInIterationOrder()
    {
        tcDeviceGlobals globals;
        globals.setInt(1008, 0xCBF43926u, TO_GUI);
        globals.setBool(1014, true, TO_GUI);
        const tcFrames blocks = buildAllGlobals(globals);
        QCOMPARE(blocks.size(), size_t(1));
        QCOMPARE(blocks.front(),
                 globalsBlock({{1000, 0}, {1001, 0}, {1002, 0}, {1006, 0}, {1007, 0}, {1008, 0xCBF43926u},
                               {1009, 0}, {1010, 0}, {1011, 1}, {1012, 0}, {1013, 0}, {1014, 1}, {1015, 0}}));
    }

    void flashAckByteForByte_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Bytes>("expected");
        QTest::newRow("accepted, no text")
            << 0 << QByteArray("ignored") << bytes({0xA5, 0xA5, 0x0E, 0x00, 0x18, 0x00, 0x02, 0x00, 0x05, 0x00, 0, 0, 0, 0});
        QTest::newRow("complete")
            << 1 << QByteArray() << bytes({0xA5, 0xA5, 0x0E, 0x00, 0x18, 0x00, 0x02, 0x00, 0x05, 0x00, 0, 0, 1, 0});
        QTest::newRow("status text")
            << 2 << QByteArray("Erase")
            << bytes({0xA5, 0xA5, 0x14, 0x00, 0x18, 0x00, 0x02, 0x00, 0x05, 0x00, 0, 0, 2, 0, 'E', 'r', 'a', 's', 'e', 0});
        QTest::newRow("error text")
            << 3 << QByteArray("Bad")
            << bytes({0xA5, 0xA5, 0x12, 0x00, 0x18, 0x00, 0x02, 0x00, 0x05, 0x00, 0, 0, 3, 0, 'B', 'a', 'd', 0});
        QTest::newRow("progress, empty text")
            << 4 << QByteArray() << bytes({0xA5, 0xA5, 0x0F, 0x00, 0x18, 0x00, 0x02, 0x00, 0x05, 0x00, 0, 0, 4, 0, 0});
    }
    void flashAckByteForByte()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, text);
        QFETCH(Bytes, expected);
        QCOMPARE(buildFlashAck(2, 5, static_cast<uint16_t>(status), std::string_view(text.constData(), size_t(text.size()))),
                 expected);
    }

    void flashAckTextNeverMakesAFrameTooLong()
    {
        const std::string text(5000, 'x');
        const tcFrame frame = buildFlashAck(1, 1, 3, text);
        QCOMPARE(frame.size(), size_t(2048));
        QCOMPARE(int(frame[2] | frame[3] << 8), 2048);
        QCOMPARE(frame.back(), uint8_t(0));
    }
};

QTEST_MAIN(tst_UnitAnswers)
#include "tst_unitanswers.moc"
