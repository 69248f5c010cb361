#include "gqgui/gui_image.h"
#include "gqgui/gui_listbox.h"
#include "tests/gqgui/recorder.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
std::vector<tcGuiListbox::Item> rows(int count, std::initializer_list<int> selected = {})
{
    std::vector<tcGuiListbox::Item> items;
    for (int i = 0; i < count; ++i)
        items.push_back({QStringLiteral("Row %1").arg(i), false});
    for (int row : selected)
        items[size_t(row)].selected = true;
    return items;
}
} // namespace

// A loaded, visible list box at (0, 0) of 60 x 50 with rows 10 high (5 visible), an
// 8 x 10 scroll-bar bitmap (text width 52), object ID 9002.
struct ListFixture
{
    QTemporaryDir dir;
    tcRecorder rec;
    tcTestBench bench;
    tcSkinFont font{QStringLiteral("LIST")};
    tcGuiListbox* list;

    explicit ListFixture(int type = tcGuiListbox::TYPE_SINGLE, int count = 8)
    {
        auto* image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("BAR"), &bench, 1));
        image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("bar.png"), 1, 8, 10));
        list = bench.add(std::make_unique<tcGuiListbox>(QStringLiteral("PRESETS_LIST"), &bench, 2));
        list->setBitmap(image);
        list->setWidth(60);
        list->setHeight(50);
        list->setType(type);
        list->setListFont(&font);
        list->setParameterId(9002);
        list->setContext(&rec);
        list->setCallbacks(recordInt, recordRows);
        list->finishLoading();
        list->setItems(rows(count));
        list->show(true);
    }

    QImage shown() { return renderBench(bench, QSize(70, 60)); }
};

class tst_GuiListbox : public QObject
{
    Q_OBJECT

private slots:
    void measuresItsRowsFromTheListFont()
    {
        ListFixture f;
        QCOMPARE(f.list->rowHeight(), 10);
        QCOMPARE(f.list->visibleRows(), 5);
        QCOMPARE(f.list->textWidth(), 52);
        QVERIFY(f.list->scrollNeeded());
        QCOMPARE(f.list->captionX(), 0);
        QCOMPARE(f.list->captionY(), -12);
        f.list->setItems(rows(5));
        QVERIFY(!f.list->scrollNeeded());
    }

    void singleSelectionByDoubleClick()
    {
        ListFixture f;
        QVERIFY(f.bench.doubleClick(10, 25));   // row 2
        QCOMPARE(f.list->current(), 2);
        QVERIFY(f.bench.doubleClick(10, 22));   // the current row again: no second change
        QVERIFY(f.bench.doubleClick(10, 35));   // row 3
        QCOMPARE(f.list->current(), 3);
        QVERIFY(!f.list->isSelected(2));
        QCOMPARE(f.rec.calls, QStringList({"int 9002 2 @0", "int 9002 3 @0"}));
    }

    void multiSelectionTogglesRows()
    {
        ListFixture f(tcGuiListbox::TYPE_MULTI);
        f.bench.doubleClick(10, 5);
        f.bench.doubleClick(10, 15);
        f.bench.doubleClick(10, 5);
        QVERIFY(!f.list->isSelected(0));
        QVERIFY(f.list->isSelected(1));
        QCOMPARE(f.rec.calls, QStringList({"row 9002 0 1 @0", "row 9002 1 1 @0", "row 9002 0 0 @0"}));
    }

    void selectFromTheController()
    {
        ListFixture f;
        f.list->select(4, true, false);
        QCOMPARE(f.list->current(), 4);
        f.list->select(2, false, true);          // not the current row: nothing
        QCOMPARE(f.list->current(), 4);
        f.list->select(4, false, true);
        QCOMPARE(f.list->current(), -1);
        f.list->select(99, true, true);
        f.list->select(-1, true, true);
        QCOMPARE(f.list->current(), -1);
        QCOMPARE(f.rec.calls, QStringList({"int 9002 -1 @0"}));
    }

    void setItemsTakesTheLastSelectedRowAsCurrent()
    {
        ListFixture f;
        f.list->setTopRow(2);
        f.list->setItems(rows(8, {1, 5}));
        QCOMPARE(f.list->current(), 5);
        QCOMPARE(f.list->topRow(), 0);
        f.list->setItems(rows(3));
        QCOMPARE(f.list->current(), -1);
        QVERIFY(f.rec.calls.isEmpty());
    }

    void hoverFindsTheRowUnderTheMouse_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("row");
        QTest::newRow("first row") << 0 << QPoint(5, 0) << 0;
        QTest::newRow("fourth row") << 0 << QPoint(51, 39) << 3;
        QTest::newRow("scrolled by two") << 2 << QPoint(5, 12) << 3;
        QTest::newRow("on the scroll bar") << 0 << QPoint(55, 12) << -1;
        QTest::newRow("outside") << 0 << QPoint(5, 70) << -1;
    }

    void hoverFindsTheRowUnderTheMouse()
    {
        QFETCH(int, top);
        QFETCH(QPoint, point);
        QFETCH(int, row);
        ListFixture f;
        f.list->setTopRow(top);
        f.bench.move(point.x(), point.y(), 0);
        QCOMPARE(f.list->hoveredRow(), row);
    }

    void hoverPastTheLastRowIsNoRow()
    {
        ListFixture f(tcGuiListbox::TYPE_SINGLE, 2);
        f.bench.move(5, 35, 0);
        QCOMPARE(f.list->hoveredRow(), -1);
        QVERIFY(f.bench.doubleClick(5, 35));
        QCOMPARE(f.list->current(), -1);
    }

    void thumbDragScrollsTheRows()
    {
        ListFixture f;
        QCOMPARE(f.bench.leftPress(52, 2), tcBench::PRESS_REFUSED);   // on the bar's left edge
        QCOMPARE(f.bench.leftPress(53, 2), tcBench::PRESS_TAKEN);
        f.bench.move(53, 22, 0);
        QCOMPARE(f.list->thumbPosition(), 20);
        QCOMPARE(f.list->topRow(), 1);          // 3 hidden rows * 20 / 40
        f.bench.move(53, 42, 0);
        QCOMPARE(f.list->topRow(), 3);
        f.bench.move(53, 90, 0);
        QCOMPARE(f.list->thumbPosition(), 40);
        QCOMPARE(f.list->topRow(), 3);
        f.bench.leftRelease(53, 90);
        f.bench.move(53, 2, 0);
        QCOMPARE(f.list->topRow(), 3);
    }

    void setTopRowClampsAndPlacesTheThumb_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("thumb");
        QTest::newRow("middle") << 2 << 2 << 26;
        QTest::newRow("past the end") << 10 << 3 << 40;
        QTest::newRow("before the start") << -2 << 0 << 0;
    }

    void setTopRowClampsAndPlacesTheThumb()
    {
        QFETCH(int, row);
        QFETCH(int, top);
        QFETCH(int, thumb);
        ListFixture f;
        f.list->setTopRow(row);
        QCOMPARE(f.list->topRow(), top);
        QCOMPARE(f.list->thumbPosition(), thumb);
    }

    void onlyInputFlagsStopIt()
    {
        ListFixture f;
        f.bench.locked.insert(9002);
        QCOMPARE(f.bench.leftPress(55, 2), tcBench::PRESS_TAKEN);
        f.bench.leftRelease(55, 2);
        f.bench.doubleClick(10, 5);
        QCOMPARE(f.list->current(), 0);
        QVERIFY(f.bench.lockQueries.isEmpty());
        f.list->setInputFlags(1);
        QCOMPARE(f.bench.leftPress(55, 2), tcBench::PRESS_REFUSED);
        f.bench.doubleClick(10, 15);
        QCOMPARE(f.list->current(), 0);
    }

    void paintsRowsByTheirState()
    {
        ListFixture f;
        f.list->setColors([] {
            tcListColors c;
            c.bgList = 0xFF111111;
            c.bgSelect = 0xFF222222;
            c.bgHilite = 0xFF333333;
            c.bgRail = 0xFF444444;
            return c;
        }());
        f.list->select(1, true, false);
        f.bench.move(5, 25, 0);   // hover row 2
        const QImage image = f.shown();
        QCOMPARE(image.pixel(1, 1), QRgb(0xFF111111));
        QCOMPARE(image.pixel(1, 11), QRgb(0xFF222222));
        QCOMPARE(image.pixel(1, 21), QRgb(0xFF333333));
        QCOMPARE(image.pixel(1, 31), QRgb(0xFF111111));
        QCOMPARE(sectionAt(image, 55, 5), 0);          // thumb at the top
        QCOMPARE(image.pixel(55, 45), QRgb(0xFF444444));
        QCOMPARE(image.pixel(61, 5), QRgb(0xFF000000));
    }

    void typesByName()
    {
        QCOMPARE(tcGuiListbox::typeFromName(QStringLiteral("SINGLE")), 0);
        QCOMPARE(tcGuiListbox::typeFromName(QStringLiteral("MULTI")), 1);
        QCOMPARE(tcGuiListbox::typeFromName(QStringLiteral("BOTH")), -1);
    }
};

QTEST_MAIN(tst_GuiListbox)
#include "tst_guilistbox.moc"
