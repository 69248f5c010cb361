#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_image.h"
#include "tests/gqgui/recorder.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

// A loaded, visible check box at (0, 0) with a 6-section 12 x 12 bitmap, object ID 1043.
struct CheckFixture
{
    QTemporaryDir dir;
    tcRecorder rec;
    tcTestBench bench;
    tcGuiCheckBox* box;

    CheckFixture()
    {
        auto* image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("CB_IMG"), &bench, 10001));
        image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("check.png"), 6, 12, 12));
        image->setSections(6);
        box = bench.add(std::make_unique<tcGuiCheckBox>(QStringLiteral("ONLINE"), &bench, 10002));
        box->setBitmap(image);
        box->setParameterId(1043);
        box->setContext(&rec);
        box->setCallback(recordBool);
        box->finishLoading();
        box->show(true);
    }

    int shownSection() { return sectionAt(renderBench(bench, QSize(20, 20)), 1, 1); }
};

class tst_GuiCheckBox : public QObject
{
    Q_OBJECT

private slots:
    void releaseInsideTogglesAndReports()
    {
        CheckFixture f;
        QCOMPARE(f.box->bounds(), QRect(0, 0, 12, 12));
        QCOMPARE(f.bench.leftPress(5, 5), tcBench::PRESS_TAKEN);
        f.bench.leftRelease(6, 6);
        QVERIFY(f.box->isChecked());
        f.bench.leftPress(5, 5);
        f.bench.leftRelease(5, 5);
        QVERIFY(!f.box->isChecked());
        QCOMPARE(f.rec.calls, QStringList({"bool 1043 1 @0", "bool 1043 0 @0"}));
    }

    void releaseOutsideDoesNotToggle_data()
    {
        QTest::addColumn<bool>("dragSeen");
        QTest::newRow("after a drag off") << true;
        QTest::newRow("no move seen before the release") << false;
    }

    void releaseOutsideDoesNotToggle()
    {
        QFETCH(bool, dragSeen);
        CheckFixture f;
        f.bench.leftPress(5, 5);
        if (dragSeen) {
            f.bench.move(40, 40, 0);
            QVERIFY(!f.box->isPressed());
        }
        f.bench.leftRelease(40, 40);
        QVERIFY(!f.box->isChecked());
        QVERIFY(f.rec.calls.isEmpty());
    }

    void draggedBackInStillToggles()
    {
        CheckFixture f;
        f.bench.leftPress(5, 5);
        f.bench.move(40, 40, 0);
        f.bench.move(3, 3, 0);
        QVERIFY(f.box->isPressed());
        f.bench.leftRelease(3, 3);
        QCOMPARE(f.rec.calls, QStringList({"bool 1043 1 @0"}));
    }

    void setCheckedDoesNotCallBack()
    {
        CheckFixture f;
        f.bench.invalidated.clear();
        f.box->setChecked(true);
        f.box->setChecked(true);
        QVERIFY(f.box->isChecked());
        QCOMPARE(f.bench.invalidated.size(), 1);
        QVERIFY(f.rec.calls.isEmpty());
    }

    void refusedWhenLocked()
    {
        CheckFixture f;
        f.bench.locked.insert(1043);
        QCOMPARE(f.bench.leftPress(5, 5), tcBench::PRESS_REFUSED);
        QVERIFY(!f.box->isChecked());
    }

    void paintsTheSectionOfItsState_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("section");
        QTest::newRow("off") << false << "normal" << 0 << 0;
        QTest::newRow("off hover") << false << "hover" << 0 << 1;
        QTest::newRow("off pressed") << false << "pressed" << 0 << 2;
        QTest::newRow("on") << true << "normal" << 0 << 3;
        QTest::newRow("on hover") << true << "hover" << 0 << 4;
        QTest::newRow("on pressed") << true << "pressed" << 0 << 5;
        QTest::newRow("disabled on") << true << "normal" << 2 << 0;
        QTest::newRow("disabled on hover") << true << "hover" << 2 << 1;
    }

    void paintsTheSectionOfItsState()
    {
        QFETCH(bool, checked);
        QFETCH(QString, state);
        QFETCH(int, flags);
        QFETCH(int, section);
        CheckFixture f;
        f.box->setChecked(checked);
        if (state == QLatin1String("hover"))
            f.bench.move(5, 5, 0);
        else if (state == QLatin1String("pressed"))
            f.bench.leftPress(5, 5);
        f.box->setInputFlags(flags);
        QCOMPARE(f.shownSection(), section);
    }
};

QTEST_MAIN(tst_GuiCheckBox)
#include "tst_guicheckbox.moc"
