#include "link/dirty_flush.h"
#include "link/entry_blocks.h"
#include "model/device_globals.h"
#include "model/global_dirty_set.h"
#include "model/model_globals.h"
#include "model/param_dirty_set.h"
#include "model/param_map.h"

#include <QTest>

#include <bit>
#include <vector>

namespace {

std::vector<std::vector<uint8_t>> g_sent;

void collect(std::span<uint8_t> frame)
{
    g_sent.emplace_back(frame.begin(), frame.end());
}

uint16_t u16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | (b[at + 1] << 8)); }
uint32_t u32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

} // namespace

class tst_DirtyFlush : public QObject
{
    Q_OBJECT

    tcParamMap m_map;
    tcDeviceGlobals m_globals;
    tcParamDirtySet m_paramMarks;
    tcGlobalDirtySet m_globalMarks;

private slots:
    void init()
    {
        g_sent.clear();
        setLiveMap(&m_map);
        setDeviceGlobals(&m_globals);
        setMapSettingsDirty(&m_paramMarks);
        setMapGlobalsDirty(&m_globalMarks);
    }
    void cleanup()
    {
        setLiveMap(nullptr);
        setDeviceGlobals(nullptr);
        setMapSettingsDirty(nullptr);
        setMapGlobalsDirty(nullptr);
    }

    void marksAreSentInDirectoryOrder()
    {
        m_map.setFloat(9004, -6.0f, TO_UNIT);
        m_map.setBool(3100, true, TO_UNIT);
        for (quint16 id : {9004, 6102, 3100, 2100})
            m_paramMarks.mark(id);
        QCOMPARE(flushMapSettings(collect), 1);
        QCOMPARE(g_sent.size(), size_t(1));
        const std::vector<uint8_t>& b = g_sent[0];
        QCOMPARE(b.size(), size_t(1204));
        const std::vector<uint8_t> head = {0xA5, 0xA5, 0xB4, 0x04, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x01, 0x04, 0x00};
        QVERIFY(std::equal(head.begin(), head.end(), b.begin()));
        // 2100, 3100, 6102, 9004: the directory puts 6102 after 3100 and before 9004.
        QCOMPARE(u16(b, 12), uint16_t(2100));
        QCOMPARE(u32(b, 16), std::bit_cast<uint32_t>(20.0f));
        QCOMPARE(u16(b, 20), uint16_t(3100));
        QCOMPARE(u32(b, 24), 1u);
        QCOMPARE(u16(b, 28), uint16_t(6102));
        QCOMPARE(u32(b, 32), std::bit_cast<uint32_t>(800.0f));
        QCOMPARE(u16(b, 36), uint16_t(9004));
        QCOMPARE(u32(b, 40), std::bit_cast<uint32_t>(-6.0f));
        QVERIFY(std::all_of(b.begin() + 44, b.end(), [](uint8_t x) { return x == 0; }));
        for (quint16 id : {9004, 6102, 3100, 2100})
            QVERIFY(!m_paramMarks.test(id));
        QCOMPARE(flushMapSettings(collect), 0);
        QCOMPARE(g_sent.size(), size_t(1));
    }

    void nothingMarkedSendsNothing()
    {
        QCOMPARE(flushMapSettings(collect), 0);
        QCOMPARE(flushMapGlobals(collect), 0);
        QVERIFY(g_sent.empty());
    }

    void globalsFlush()
    {
        m_globals.setInt(1000, 0x0102, TO_UNIT);
        m_globals.setBool(1011, false, TO_UNIT);
        m_globalMarks.mark(1011);
        m_globalMarks.mark(1000);
        QCOMPARE(flushMapGlobals(collect), 1);
        const std::vector<uint8_t>& b = g_sent[0];
        QCOMPARE(b.size(), size_t(1200));
        const std::vector<uint8_t> head = {0xA5, 0xA5, 0xB0, 0x04, 0x0F, 0x00, 0x02, 0x00};
        QVERIFY(std::equal(head.begin(), head.end(), b.begin()));
        QCOMPARE(u16(b, 8), uint16_t(1000));
        QCOMPARE(u32(b, 12), 0x0102u);
        QCOMPARE(u16(b, 16), uint16_t(1011));
        QCOMPARE(u32(b, 20), 0u);
        QVERIFY(!m_globalMarks.test(1000));
    }

    void blocksSplitAt149Entries_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("countOffset");
        QTest::newRow("parameters") << int(MSG_PARAMS) << 1204 << 10;
        QTest::newRow("globals") << int(MSG_GLOBALS) << 1200 << 6;
    }
    void blocksSplitAt149Entries()
    {
        QFETCH(int, code);
        QFETCH(int, length);
        QFETCH(int, countOffset);
        tcEntryBlocks blocks(static_cast<tMsgCode>(code));
        for (int i = 0; i < 150; ++i)
            blocks.appendInt(uint16_t(1000 + i), uint32_t(i));
        const auto out = blocks.take();
        QCOMPARE(out.size(), size_t(2));
        QCOMPARE(out[0].size(), size_t(length));
        QCOMPARE(out[1].size(), size_t(length));
        QCOMPARE(u16(out[0], size_t(countOffset)), uint16_t(149));
        QCOMPARE(u16(out[1], size_t(countOffset)), uint16_t(1));
        const size_t entries = size_t(countOffset) + 2;
        QCOMPARE(u16(out[0], entries + 148 * 8), uint16_t(1148));
        QCOMPARE(u16(out[1], entries), uint16_t(1149));
        QCOMPARE(u32(out[1], entries + 4), 149u);
        QVERIFY(blocks.take().empty());
    }
};

QTEST_MAIN(tst_DirtyFlush)
#include "tst_dirty_flush.moc"
