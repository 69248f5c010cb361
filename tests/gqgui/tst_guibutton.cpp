#include "gqgui/gui_button.h"
#include "gqgui/gui_image.h"
#include "tests/gqgui/recorder.h"
#include "tests/gqgui/test_bench.h"

#include <QTemporaryDir>
#include <QTest>

// A loaded, visible button at (10, 10) with a 12-section 30 x 14 bitmap, object ID 1040.
struct ButtonFixture
{
    QTemporaryDir dir;
    tcRecorder rec;
    tcTestBench bench;
    tcGuiImage* image;
    tcGuiButton* button;

    explicit ButtonFixture(bool autoRepeat = false)
    {
        image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("BTN_IMG"), &bench, 10001));
        image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("button.png"), 12, 30, 14));
        image->setSections(12);
        button = bench.add(std::make_unique<tcGuiButton>(QStringLiteral("TAKE"), &bench, 10002));
        button->setBitmap(image);
        button->setX(10);
        button->setY(10);
        button->setAutoRepeat(autoRepeat);
        button->setParameterId(1040);
        button->setContext(&rec);
        button->setCallbacks(recordClick, recordEvent);
        button->finishLoading();
        button->show(true);
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            ++rec.tick;
            bench.tick();
        }
    }

    int shownSection()
    {
        const QImage image = renderBench(bench, QSize(60, 40));
        return sectionAt(image, 11, 11);
    }
};

class tst_GuiButton : public QObject
{
    Q_OBJECT

private slots:
    void takesItsSizeFromTheBitmapAndCentresTheCaption()
    {
        ButtonFixture f;
        QCOMPARE(f.button->width(), 30);
        QCOMPARE(f.button->height(), 14);
        QCOMPARE(f.button->bounds(), QRect(10, 10, 30, 14));
        QCOMPARE(f.button->captionX(), 14);
        QCOMPARE(f.button->captionY(), 6);
        QCOMPARE(f.button->captionAlign(), 132);

        tcTestBench bench;
        tcGuiButton given(QStringLiteral("B"), &bench, 1);
        given.setCaptionX(3);
        given.setCaptionY(-4);
        given.finishLoading();
        QCOMPARE(given.captionX(), 3);
        QCOMPARE(given.captionY(), -4);
        QCOMPARE(given.bounds(), QRect(0, 0, 50, 20));
    }

    void clickOnReleaseInside()
    {
        ButtonFixture f;
        QCOMPARE(f.bench.leftPress(20, 15), tcBench::PRESS_TAKEN);
        QVERIFY(f.button->isPressed());
        QVERIFY(f.bench.leftRelease(21, 16));
        QVERIFY(!f.button->isPressed());
        QCOMPARE(f.rec.calls, QStringList({"event 1040 0 @0", "event 1040 1 @0", "click 1040 @0"}));
    }

    void autoRepeatClicksOnEveryOddTickAfterTen()
    {
        ButtonFixture f(true);
        QCOMPARE(f.bench.leftPress(20, 15), tcBench::PRESS_TAKEN);
        f.ticks(25);
        f.bench.leftRelease(20, 15);
        QCOMPARE(f.rec.calls, QStringList({"event 1040 0 @0", "click 1040 @11", "click 1040 @13", "click 1040 @15",
                                           "click 1040 @17", "click 1040 @19", "click 1040 @21", "click 1040 @23",
                                           "click 1040 @25", "event 1040 1 @25"}));
    }

    void autoRepeatReleasedEarlyClicksOnceOnRelease_data()
    {
        QTest::addColumn<int>("held");
        QTest::newRow("5 ticks") << 5;
        QTest::newRow("10 ticks") << 10;
    }

    void autoRepeatReleasedEarlyClicksOnceOnRelease()
    {
        QFETCH(int, held);
        ButtonFixture f(true);
        f.bench.leftPress(20, 15);
        f.ticks(held);
        f.bench.leftRelease(20, 15);
        QCOMPARE(f.rec.calls.filter(QStringLiteral("click")), QStringList({QStringLiteral("click 1040 @%1").arg(held)}));
    }

    void withoutAutoRepeatTicksDoNothing()
    {
        ButtonFixture f;
        f.bench.leftPress(20, 15);
        f.ticks(30);
        QCOMPARE(f.rec.calls, QStringList({"event 1040 0 @0"}));
    }

    void draggedOffAndReleasedOutsideDoesNotClick()
    {
        ButtonFixture f;
        f.bench.leftPress(20, 15);
        f.bench.move(100, 100, 0);
        QVERIFY(!f.button->isPressed());
        f.bench.leftRelease(100, 100);
        QCOMPARE(f.rec.calls, QStringList({"event 1040 0 @0", "event 1040 2 @0"}));
    }

    void releasedOutsideWithoutAnySeenMoveDoesNotClick()
    {
        ButtonFixture f;
        f.bench.leftPress(20, 15);
        f.bench.leftRelease(100, 100);
        QCOMPARE(f.rec.calls, QStringList({"event 1040 0 @0", "event 1040 2 @0"}));
    }

    void draggedBackInRestartsTheRepeatAndClicks()
    {
        ButtonFixture f(true);
        f.bench.leftPress(20, 15);
        f.ticks(8);
        f.bench.move(0, 0, 0);
        f.ticks(3);   // not pressed: no counting
        f.bench.move(25, 20, 0);
        QCOMPARE(f.button->repeatCount(), 0);
        f.ticks(11);
        f.bench.leftRelease(25, 20);
        QCOMPARE(f.rec.calls, QStringList({"event 1040 0 @0", "event 1040 2 @8", "event 1040 3 @11",
                                           "click 1040 @22", "event 1040 1 @22"}));
    }

    void refusedWhenLockedOrDisabled()
    {
        ButtonFixture f;
        f.bench.locked.insert(1040);
        QCOMPARE(f.bench.leftPress(20, 15), tcBench::PRESS_REFUSED);
        QCOMPARE(f.bench.lockQueries, QList<int>({1040}));
        f.bench.locked.clear();
        f.button->setInputFlags(1);
        QCOMPARE(f.bench.leftPress(20, 15), tcBench::PRESS_REFUSED);
        QVERIFY(f.rec.calls.isEmpty());
    }

    void paintsTheSectionOfStyleAndState_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("section");
        QTest::newRow("style 0 normal") << 0 << "normal" << 0;
        QTest::newRow("style 0 hover") << 0 << "hover" << 1;
        QTest::newRow("style 0 pressed") << 0 << "pressed" << 2;
        QTest::newRow("style 2 hover") << 2 << "hover" << 7;
        QTest::newRow("style 3 pressed") << 3 << "pressed" << 11;
        QTest::newRow("style 5 is refused") << 5 << "normal" << 0;
    }

    void paintsTheSectionOfStyleAndState()
    {
        QFETCH(int, style);
        QFETCH(QString, state);
        QFETCH(int, section);
        ButtonFixture f;
        f.button->setStyle(style);
        if (state == QLatin1String("hover"))
            f.bench.move(20, 15, 0);
        else if (state == QLatin1String("pressed"))
            f.bench.leftPress(20, 15);
        QCOMPARE(f.shownSection(), section);
    }

    void hoverEndsWhenTheMouseLeaves()
    {
        ButtonFixture f;
        f.bench.move(20, 15, 0);
        QVERIFY(f.button->hover());
        f.bench.invalidated.clear();
        f.bench.move(200, 15, 0);
        QVERIFY(!f.button->hover());
        QCOMPARE(f.bench.invalidated.size(), 1);
    }

    void setStyleRepaintsOnlyOnChange()
    {
        ButtonFixture f;
        f.bench.invalidated.clear();
        f.button->setStyle(0);
        QVERIFY(f.bench.invalidated.isEmpty());
        f.button->setStyle(1);
        QCOMPARE(f.bench.invalidated.size(), 1);
        QCOMPARE(f.button->style(), 1);
    }

    void repaintOfAPressCoversTheShiftedCaption()
    {
        ButtonFixture f;
        f.button->setCaptionColor(0xFFFFFFFF);
        f.button->setText(QStringLiteral("TAKE"));
        f.bench.leftPress(20, 15);
        const QRect repainted = f.bench.takeInvalidated();
        QImage image(80, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(0xFF000000);
        QPainter painter(&image);
        f.button->drawCaption(painter, f.button->captionAlign(), 2);
        painter.end();
        const QRect ink = inkBox(image, 0xFF000000);
        QVERIFY(!ink.isEmpty());
        QVERIFY(repainted.contains(ink));
    }
};

QTEST_MAIN(tst_GuiButton)
#include "tst_guibutton.moc"
