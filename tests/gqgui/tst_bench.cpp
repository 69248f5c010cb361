#include "gqgui/bench.h"
#include "tests/gqgui/test_bench.h"

#include <QTest>

namespace {
constexpr QRgb RED = 0xFFFF0000;
constexpr QRgb BLUE = 0xFF0000FF;
}

// Routing of presses, releases, moves, wheel turns, double clicks, ticks and paints
// through the bench to its objects.
class tst_Bench : public QObject
{
    Q_OBJECT

private:
    // Two overlapping probes: "lower" first in the list at (10, 10) 40 x 40, "upper"
    // second at (30, 30) 40 x 40.
    struct Pair
    {
        QStringList journal;   // outlives the bench, whose probes write into it
        tcTestBench bench;
        tcProbe* lower;
        tcProbe* upper;
        Pair()
        {
            lower = bench.add(std::make_unique<tcProbe>(QStringLiteral("lower"), &bench, QRect(10, 10, 40, 40), RED, &journal));
            upper = bench.add(std::make_unique<tcProbe>(QStringLiteral("upper"), &bench, QRect(30, 30, 40, 40), BLUE, &journal));
        }
    };

private slots:
    void pressOnNothingReturnsNothingHitAndLeavesNoCapture()
    {
        Pair pair;
        QCOMPARE(pair.bench.leftPress(5, 5), tcBench::PRESS_NOTHING_HIT);
        QCOMPARE(int(tcBench::PRESS_NOTHING_HIT), 2);
        QVERIFY(!pair.bench.leftCapture());
        QVERIFY(!pair.bench.leftRelease(5, 5));
        QVERIFY(pair.journal.isEmpty());
    }

    void edgePixelsHit_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("receiver");
        QTest::newRow("bottom-right corner of upper") << QPoint(70, 70) << "upper";
        QTest::newRow("right edge of lower") << QPoint(50, 12) << "lower";
        QTest::newRow("bottom edge of lower") << QPoint(12, 50) << "lower";
        QTest::newRow("just past upper") << QPoint(71, 70) << "";
    }

    void edgePixelsHit()
    {
        QFETCH(QPoint, point);
        QFETCH(QString, receiver);
        Pair pair;
        const auto result = pair.bench.leftPress(point.x(), point.y());
        if (receiver.isEmpty()) {
            QCOMPARE(result, tcBench::PRESS_NOTHING_HIT);
            return;
        }
        QCOMPARE(result, tcBench::PRESS_TAKEN);
        QCOMPARE(pair.bench.leftCapture()->id(), receiver);
        QCOMPARE(pair.journal.first(), QStringLiteral("%1 press %2,%3").arg(receiver).arg(point.x()).arg(point.y()));
    }

    void earlierObjectWinsThePressLaterOnePaintsOnTop()
    {
        Pair pair;
        QCOMPARE(pair.bench.leftPress(40, 40), tcBench::PRESS_TAKEN);
        QCOMPARE(pair.bench.leftCapture(), pair.lower);
        QVERIFY(pair.upper->calls.isEmpty());

        const QImage image = renderBench(pair.bench, QSize(100, 100));
        QCOMPARE(image.pixel(40, 40), BLUE);   // overlap: the later object
        QCOMPARE(image.pixel(15, 15), RED);
        QCOMPARE(pair.journal.filter(QStringLiteral("paint")),
                 QStringList({QStringLiteral("lower paint"), QStringLiteral("upper paint")}));
    }

    void refusedPressIsNotOfferedBelow()
    {
        Pair pair;
        pair.lower->takesPress = false;
        QCOMPARE(pair.bench.leftPress(40, 40), tcBench::PRESS_REFUSED);
        QVERIFY(!pair.bench.leftCapture());
        QVERIFY(pair.upper->calls.isEmpty());
        QVERIFY(!pair.bench.leftRelease(40, 40));
    }

    void objectsThatTakeNoPressesAreSkipped()
    {
        Pair pair;
        pair.lower->pressable = false;
        QCOMPARE(pair.bench.leftPress(40, 40), tcBench::PRESS_TAKEN);
        QCOMPARE(pair.bench.leftCapture(), pair.upper);
        QVERIFY(pair.lower->calls.isEmpty());
    }

    void hiddenObjectsAreNeverHitNorPainted()
    {
        Pair pair;
        pair.lower->hide();
        QCOMPARE(pair.bench.leftPress(15, 15), tcBench::PRESS_NOTHING_HIT);
        QVERIFY(!pair.bench.wheel(15, 15, 1, 0));
        QVERIFY(!pair.bench.doubleClick(15, 15));
        QCOMPARE(pair.bench.rightPress(15, 15), tcBench::PRESS_NOTHING_HIT);
        const QImage image = renderBench(pair.bench, QSize(100, 100));
        QCOMPARE(image.pixel(15, 15), QRgb(0xFF000000));
        QVERIFY(pair.lower->calls.filter(QStringLiteral("paint")).isEmpty());
        QVERIFY(pair.lower->calls.filter(QStringLiteral("press")).isEmpty());
    }

    void captureGetsDragsAndReleaseWhereverTheMouseGoes()
    {
        Pair pair;
        QCOMPARE(pair.bench.leftPress(40, 40), tcBench::PRESS_TAKEN);
        QVERIFY(pair.bench.move(90, 95, GUI_MOD_SHIFT));
        QVERIFY(pair.bench.leftRelease(91, 96));
        QVERIFY(!pair.bench.leftCapture());
        QCOMPARE(pair.journal, QStringList({QStringLiteral("lower press 40,40"), QStringLiteral("lower drag 90,95,1"),
                                            QStringLiteral("lower release 91,96")}));
        QVERIFY(!pair.bench.leftRelease(91, 96));
    }

    void moveWithoutCaptureHoversEveryObjectThatWantsIt()
    {
        Pair pair;
        auto* far = pair.bench.add(std::make_unique<tcProbe>(QStringLiteral("far"), &pair.bench, QRect(200, 200, 5, 5), RED, &pair.journal));
        pair.upper->hovering = false;
        QVERIFY(!pair.bench.move(15, 15, GUI_MOD_CTRL));
        QCOMPARE(pair.journal, QStringList({QStringLiteral("lower hover 15,15"), QStringLiteral("far hover 15,15")}));
        QVERIFY(pair.upper->calls.isEmpty());
        QCOMPARE(far->calls.size(), 1);
    }

    void rightPressCapturesAndReleasesThroughMouseRelease()
    {
        Pair pair;
        QCOMPARE(pair.bench.rightPress(60, 60), tcBench::PRESS_TAKEN);
        QCOMPARE(pair.bench.rightCapture(), pair.upper);
        QVERIFY(!pair.bench.leftCapture());
        QVERIFY(pair.bench.rightRelease(1, 2));
        QVERIFY(!pair.bench.rightCapture());
        QCOMPARE(pair.journal, QStringList({QStringLiteral("upper rpress 60,60"), QStringLiteral("upper release 1,2")}));
        QVERIFY(!pair.bench.rightRelease(1, 2));
    }

    void wheelAndDoubleClickGoToTheFirstHitOnly()
    {
        Pair pair;
        QVERIFY(pair.bench.wheel(40, 40, -1, GUI_MOD_SHIFT));
        QVERIFY(pair.bench.doubleClick(40, 40));
        QCOMPARE(pair.journal, QStringList({QStringLiteral("lower wheel -1,1"), QStringLiteral("lower dclick 40,40")}));
        pair.lower->pressable = false;
        QVERIFY(pair.bench.wheel(40, 40, 1, 0));
        QCOMPARE(pair.journal.last(), QStringLiteral("upper wheel 1,0"));
        QVERIFY(!pair.bench.wheel(5, 5, 1, 0));
        QVERIFY(!pair.bench.doubleClick(5, 5));
    }

    void tickReachesEveryObjectInListOrder()
    {
        Pair pair;
        pair.lower->hide();
        pair.bench.tick();
        QCOMPARE(pair.journal, QStringList({QStringLiteral("lower tick"), QStringLiteral("upper tick")}));
    }

    void paintsOnlyObjectsThatMeetTheRect()
    {
        Pair pair;
        const QImage image = renderBench(pair.bench, QSize(100, 100), QRect(60, 60, 5, 5));
        QCOMPARE(pair.journal, QStringList({QStringLiteral("upper paint")}));
        QCOMPARE(image.pixel(62, 62), BLUE);
    }

    void clearDestroysTheObjectsAndForgetsTheCaptures()
    {
        Pair pair;
        QCOMPARE(pair.bench.leftPress(40, 40), tcBench::PRESS_TAKEN);
        QCOMPARE(pair.bench.rightPress(40, 40), tcBench::PRESS_TAKEN);
        pair.bench.clear();
        QVERIFY(pair.bench.objects().isEmpty());
        QVERIFY(!pair.bench.leftCapture() && !pair.bench.rightCapture());
        QVERIFY(!pair.bench.leftRelease(40, 40));
        QCOMPARE(pair.journal.filter(QStringLiteral("destroyed")),
                 QStringList({QStringLiteral("lower destroyed"), QStringLiteral("upper destroyed")}));
    }

    void scalingMapsMouseAndPaintingBothWays()
    {
        Pair pair;
        pair.bench.setScaling(true, 2.0f, 2.0f);
        // Host (21, 21) is skin (10.5, 10.5), rounded to (11, 11): inside "lower".
        QCOMPARE(pair.bench.leftPress(21, 21), tcBench::PRESS_TAKEN);
        QCOMPARE(pair.journal.first(), QStringLiteral("lower press 11,11"));
        // Host (18, 18) is skin (9, 9): outside.
        QCOMPARE(pair.bench.leftPress(18, 18), tcBench::PRESS_NOTHING_HIT);

        const QImage image = renderBench(pair.bench, QSize(200, 200));
        QCOMPARE(image.pixel(21, 21), RED);
        QCOMPARE(image.pixel(139, 139), BLUE);
        QCOMPARE(image.pixel(141, 141), QRgb(0xFF000000));
        QCOMPARE(pair.bench.toHost(QPoint(30, 40)), QPoint(60, 80));

        pair.bench.setScaling(true, 0.0f, 2.0f);
        QVERIFY(!pair.bench.scaling());
        QCOMPARE(pair.bench.leftPress(15, 15), tcBench::PRESS_TAKEN);
    }

    void baseBenchAllowsEveryGestureAndTakesTheDefaultFonts()
    {
        struct Plain : tcBench
        {
            Plain() : tcBench(nullptr) {}
            void fitWindow() override {}
            void log(const char*, ...) override {}
        } plain;
        QVERIFY(!plain.interactionLocked(7003));
        QVERIFY(!plain.fontByName(QStringLiteral("GQGUI_HFONT")));

        tcTestBench bench;
        bench.takeDefaultFonts();
        QVERIFY(bench.headerFont());
        QCOMPARE(bench.headerFont()->name().text(), QStringLiteral("GQGUI_HFONT"));
        QCOMPARE(bench.monoFont()->name().text(), QStringLiteral("GQGUI_MONOFONT"));
    }
};

QTEST_MAIN(tst_Bench)
#include "tst_bench.moc"
