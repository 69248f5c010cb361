#include "gqgui/gui_image.h"
#include "gqgui/gui_radio.h"
#include "gqgui/gui_radio_item.h"
#include "tests/gqgui/recorder.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

// A radio group "SRC" (object ID 1034) at (100, 50) with three items A, B, C standing for
// the values 10, 20, 30. With an item bitmap (6 sections of 12 x 10) or without.
struct RadioFixture
{
    QTemporaryDir dir;
    tcRecorder rec;
    tcTestBench bench;
    tcGuiRadioGroup* group;
    tcGuiRadioItem* items[3];

    explicit RadioFixture(bool itemBitmap = true)
    {
        group = bench.add(std::make_unique<tcGuiRadioGroup>(QStringLiteral("SRC"), &bench, 1));
        group->setX(100);
        group->setY(50);
        group->setParameterId(1034);
        group->setContext(&rec);
        group->setCallback(recordInt);
        if (itemBitmap) {
            auto* image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("R_IMG"), &bench, 2));
            image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("radio.png"), 6, 12, 10));
            image->setSections(6);
            group->setItemBitmap(image);
        }
        const char* ids[] = {"A", "B", "C"};
        for (int i = 0; i < 3; ++i) {
            items[i] = bench.add(std::make_unique<tcGuiRadioItem>(QString::fromLatin1(ids[i]), &bench, 3 + i));
            items[i]->setParameterId(10 * (i + 1));
            group->addItem(items[i]);
        }
    }

    void load()
    {
        for (const auto& object : bench.objects())
            object->finishLoading();
        group->show(true);
    }

    int sectionOf(int item)
    {
        const QImage image = renderBench(bench, QSize(200, 200));
        return sectionAt(image, items[item]->x() + 1, items[item]->y() + 1);
    }
};

class tst_GuiRadio : public QObject
{
    Q_OBJECT

private slots:
    void placesItemsBelowEachOther_data()
    {
        QTest::addColumn<bool>("itemBitmap");
        QTest::addColumn<QPoint>("a");
        QTest::addColumn<QPoint>("b");
        QTest::addColumn<QPoint>("c");
        // Origin = group corner + item size (12 x 10); the running y grows by 15 per item.
        // B gives its own x = 5.
        QTest::newRow("item bitmap 12 x 10") << true << QPoint(112, 60) << QPoint(105, 75) << QPoint(112, 90);
        // Origin = group corner + 14; the running y grows by 21 per item.
        QTest::newRow("no item bitmap") << false << QPoint(114, 64) << QPoint(105, 85) << QPoint(114, 106);
    }

    void placesItemsBelowEachOther()
    {
        QFETCH(bool, itemBitmap);
        QFETCH(QPoint, a);
        QFETCH(QPoint, b);
        QFETCH(QPoint, c);
        RadioFixture f(itemBitmap);
        f.items[1]->setItemX(5);
        f.load();
        QCOMPARE(QPoint(f.items[0]->x(), f.items[0]->y()), a);
        QCOMPARE(QPoint(f.items[1]->x(), f.items[1]->y()), b);
        QCOMPARE(QPoint(f.items[2]->x(), f.items[2]->y()), c);
    }

    void givenPositionsAndCaptionsAreKept()
    {
        RadioFixture f;
        f.items[2]->setItemX(40);
        f.items[2]->setItemY(-5);
        f.items[2]->setItemCaptionX(2);
        f.items[2]->setItemCaptionY(3);
        f.load();
        QCOMPARE(QPoint(f.items[2]->x(), f.items[2]->y()), QPoint(140, 45));
        QCOMPARE(f.items[2]->captionX(), 2);
        QCOMPARE(f.items[2]->captionY(), 3);
        // Default caption: width + width / 2 to the right, on the item's top.
        QCOMPARE(f.items[0]->captionX(), 18);
        QCOMPARE(f.items[0]->captionY(), 0);
        QCOMPARE(f.items[0]->bounds(), QRect(112, 60, 12, 10));
    }

    void firstItemIsSelectedOnLoadingWithoutCallback()
    {
        RadioFixture f;
        f.group->select(QStringLiteral("nothing like it"));
        f.load();
        QCOMPARE(f.group->current(), f.items[0]);
        QVERIFY(f.items[0]->isSelected());
        QVERIFY(!f.items[1]->isSelected());
        QVERIFY(f.rec.calls.isEmpty());
    }

    void storedIdIsSelectedOnLoading()
    {
        RadioFixture f;
        f.group->select(QStringLiteral("B"));
        f.load();
        QCOMPARE(f.group->current(), f.items[1]);
        QVERIFY(!f.items[0]->isSelected());
        QVERIFY(f.rec.calls.isEmpty());
    }

    void clickingAnItemSelectsItAndReportsItsValue()
    {
        RadioFixture f;
        f.load();
        QCOMPARE(f.bench.leftPress(112 + 3, 90 + 3), tcBench::PRESS_TAKEN);   // C
        QVERIFY(f.items[2]->isPressed());
        f.bench.leftRelease(112 + 4, 90 + 4);
        QCOMPARE(f.group->current(), f.items[2]);
        QVERIFY(!f.items[0]->isSelected());
        QCOMPARE(f.rec.calls, QStringList({"int 1034 30 @0"}));
        // Clicking the current item again reports nothing.
        f.bench.leftPress(115, 93);
        f.bench.leftRelease(115, 93);
        QCOMPARE(f.rec.calls.size(), 1);
    }

    void releaseOutsideTheItemSelectsNothing()
    {
        RadioFixture f;
        f.load();
        f.bench.leftPress(115, 78);   // B
        f.bench.leftRelease(180, 180);
        QCOMPARE(f.group->current(), f.items[0]);
        QVERIFY(!f.items[1]->isPressed());
        QVERIFY(f.rec.calls.isEmpty());
    }

    void selectingBeforeLoadingOrNoneReportsNothing()
    {
        RadioFixture f;
        f.group->select(f.items[1]);
        QVERIFY(!f.items[1]->isSelected());
        f.load();
        f.group->select(f.items[1]);
        QCOMPARE(f.rec.calls, QStringList({"int 1034 20 @0"}));
        f.group->select(nullptr);
        QVERIFY(!f.group->current());
        QVERIFY(f.group->currentId().isEmpty());
        QVERIFY(!f.items[1]->isSelected());
        QCOMPARE(f.rec.calls.size(), 1);
    }

    void itemsAskTheLockForTheirGroupsBinding()
    {
        RadioFixture f;
        f.load();
        f.bench.locked.insert(1034);
        QCOMPARE(f.bench.leftPress(115, 93), tcBench::PRESS_REFUSED);
        QCOMPARE(f.bench.lockQueries, QList<int>({1034}));
    }

    void groupShowsAndHidesItsItemsAndIsNeverHit()
    {
        RadioFixture f;
        f.load();
        QVERIFY(f.items[0]->isVisible() && f.items[2]->isVisible());
        QVERIFY(!f.group->hitTest(100, 50));
        f.group->hide();
        QVERIFY(!f.items[0]->isVisible() && !f.items[2]->isVisible());
        f.group->show(true);
        QVERIFY(f.items[1]->isVisible());

        tcGuiRadioItem lone(QStringLiteral("lone"), &f.bench, 9);
        lone.show(true);
        QVERIFY(!lone.isVisible());
        QCOMPARE(f.items[0]->parent(), f.group);
        QCOMPARE(f.items[0]->parentKind(), 11);
        QCOMPARE(f.items[0]->groupId(), QStringLiteral("SRC"));
    }

    void itemsPaintTheSectionOfTheirState()
    {
        RadioFixture f;
        f.load();
        QCOMPARE(f.sectionOf(0), 3);   // selected
        QCOMPARE(f.sectionOf(1), 0);
        f.bench.move(115, 78, 0);      // hover B
        QCOMPARE(f.sectionOf(1), 1);
        f.bench.leftPress(115, 78);
        QCOMPARE(f.sectionOf(1), 2);
        f.items[0]->setInputFlags(GUI_INPUT_DISABLED);
        QCOMPARE(f.sectionOf(0), 0);
    }

    void ownBitmapWinsOverTheGroupsItemBitmap()
    {
        RadioFixture f;
        auto* own = f.bench.add(std::make_unique<tcGuiImage>(QStringLiteral("OWN"), &f.bench, 20));
        own->setFile(writeStrip(QDir(f.dir.path()), QStringLiteral("own.png"), 6, 8, 8));
        own->setSections(6);
        f.items[1]->setBitmap(own);
        f.load();
        QCOMPARE(f.items[1]->width(), 8);
        QCOMPARE(f.items[0]->width(), 12);
    }

    void groupTakesTheSizeOfItsBitmapWhenGivenNone()
    {
        RadioFixture f;
        auto* frame = f.bench.add(std::make_unique<tcGuiImage>(QStringLiteral("FRAME"), &f.bench, 20));
        frame->setFile(writeStrip(QDir(f.dir.path()), QStringLiteral("frame.png"), 1, 60, 70));
        f.group->setBitmap(frame);
        f.load();
        QCOMPARE(f.group->bounds(), QRect(100, 50, 60, 70));
        QCOMPARE(sectionAt(renderBench(f.bench, QSize(200, 200)), 101, 51), 0);
    }
};

QTEST_MAIN(tst_GuiRadio)
#include "tst_guiradio.moc"
