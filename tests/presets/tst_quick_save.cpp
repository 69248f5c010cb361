#include "link/preset_header.h"
#include "model/param_map.h"
#include "presets/preset_file.h"
#include "presets/quick_save.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

float fileValue(const QString& path, quint16 id, QByteArray* name = nullptr)
{
    tcParamMap set;
    PRESET_HEADER header;
    loadPreset(header, set, path);
    if (name)
        *name = header.nameString();
    return set.getFloat(id);
}

} // namespace

class tst_QuickSave : public QObject
{
    Q_OBJECT

private slots:
    void firstSwitchToBAppliesDefaultsAndKeepsTheUsersValuesInA()
    {
        QTemporaryDir dir;
        tcParamMap live;
        live.setFloat(9004, -6.0f, TO_UNIT);
        tcQuickSave store(QDir(dir.path()));
        QCOMPARE(store.currentSlot(), 0);
        store.selectSlot(1, live);
        QCOMPARE(store.currentSlot(), 1);
        QCOMPARE(live.getFloat(9004), 0.0f); // B's defaults
        QByteArray name;
        QCOMPARE(fileValue(dir.filePath("qsave_a.k7"), 9004, &name), -6.0f);
        QCOMPARE(name, QByteArray("QSAVE"));
        QVERIFY2(!QFile::exists(dir.filePath("qsave_b.k7")), "only the slot left is written");
    }

    void roundTripAToBToA()
    {
        QTemporaryDir dir;
        tcParamMap live;
        {
            tcQuickSave store(QDir(dir.path()));
            live.setFloat(9004, -6.0f, TO_UNIT);
            store.selectSlot(1, live);
            live.setFloat(9004, -3.0f, TO_UNIT);
            live.setBool(8100, true, TO_UNIT);
            store.selectSlot(0, live);
            QCOMPARE(live.getFloat(9004), -6.0f);
            QCOMPARE(live.getBool(8100), false);
            QCOMPARE(fileValue(dir.filePath("qsave_b.k7"), 9004), -3.0f);
        }
        // A new start reads both files back, beginning on A.
        tcQuickSave again(QDir(dir.path()));
        QCOMPARE(again.currentSlot(), 0);
        QCOMPARE(again.slotSet(0).getFloat(9004), -6.0f);
        QCOMPARE(again.slotSet(1).getFloat(9004), -3.0f);
        QCOMPARE(again.slotSet(1).getBool(8100), true);
    }

    void selectionsThatDoNothing_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("current slot") << 0;
        QTest::newRow("negative") << -1;
        QTest::newRow("two") << 2;
    }
    void selectionsThatDoNothing()
    {
        QFETCH(int, slot);
        QTemporaryDir dir;
        tcParamMap live;
        live.setFloat(9004, -6.0f, TO_UNIT);
        tcQuickSave store(QDir(dir.path()));
        store.selectSlot(slot, live);
        QCOMPARE(store.currentSlot(), 0);
        QCOMPARE(live.getFloat(9004), -6.0f);
        QVERIFY(!QFile::exists(dir.filePath("qsave_a.k7")));
        QVERIFY(!QFile::exists(dir.filePath("qsave_b.k7")));
    }

    void storeBothWritesBothSlots()
    {
        QTemporaryDir dir;
        tcParamMap live;
        live.setFloat(2100, 33.0f, TO_UNIT);
        tcQuickSave store(QDir(dir.path()));
        store.storeBoth(live);
        QCOMPARE(store.currentSlot(), 0);
        QCOMPARE(fileValue(dir.filePath("qsave_a.k7"), 2100), 33.0f);
        QCOMPARE(fileValue(dir.filePath("qsave_b.k7"), 2100), 33.0f);
        QCOMPARE(store.slotSet(1).getFloat(2100), 33.0f);
    }

    void unwritableFileStillFillsTheSlot()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("qsave_a.k7")); // a folder where the file should go
        tcParamMap live;
        live.setFloat(9004, -9.0f, TO_UNIT);
        tcQuickSave store(QDir(dir.path()));
        store.store(0, live);
        QCOMPARE(store.slotSet(0).getFloat(9004), -9.0f);
    }
};

QTEST_MAIN(tst_QuickSave)
#include "tst_quick_save.moc"
