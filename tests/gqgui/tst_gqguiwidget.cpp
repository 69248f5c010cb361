#include "gqgui/gqgui_widget.h"
#include "tests/gqgui/test_bench.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

namespace {
constexpr QRgb RED = 0xFFFF0000;

// A host that records context-menu requests and the rectangles it is asked to paint,
// with a clock the test moves by hand.
class tcTestHost : public tcGQGuiWidget
{
public:
    tcTestHost()
    {
        setClock([this] { return now; });
        resize(200, 150);
    }
    void contextMenu(const QPoint& globalPos) override { menus.append(globalPos); }

    qint64 now = 1000;
    QList<QPoint> menus;
    QList<QRect> painted;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        painted.append(event->rect());
        tcGQGuiWidget::paintEvent(event);
    }
};

void sendMove(QWidget* widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void sendWheel(QWidget* widget, QPoint pos, int delta, Qt::MouseButtons buttons = Qt::NoButton)
{
    QWheelEvent event(pos, widget->mapToGlobal(pos), QPoint(), QPoint(0, delta), buttons, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}
} // namespace

// The host widget's wiring: real mouse, wheel, paint and close events reach the bench.
class tst_GQGuiWidget : public QObject
{
    Q_OBJECT

private:
    // A host with a bench holding one probe at (50, 60) 40 x 30.
    struct Fixture
    {
        QStringList journal;   // outlives the host, whose probe writes into it
        tcTestHost host;
        tcTestBench* bench;
        tcProbe* probe;
        Fixture()
        {
            auto owned = std::make_unique<tcTestBench>(&host);
            bench = owned.get();
            probe = bench->add(std::make_unique<tcProbe>(QStringLiteral("probe"), bench, QRect(50, 60, 40, 30), RED, &journal));
            host.setBench(std::move(owned));
        }
    };

private slots:
    void startsWithMouseTrackingAndOpaquePaintingAndNoBench()
    {
        tcGQGuiWidget widget;
        QVERIFY(widget.hasMouseTracking());
        QVERIFY(widget.testAttribute(Qt::WA_OpaquePaintEvent));
        QVERIFY(!widget.bench());
        QVERIFY(widget.windowDragAllowed());
    }

    void pressAndReleaseReachTheObject()
    {
        Fixture f;
        QTest::mousePress(&f.host, Qt::LeftButton, {}, QPoint(60, 70));
        QCOMPARE(f.bench->leftCapture(), f.probe);
        QTest::mouseRelease(&f.host, Qt::LeftButton, {}, QPoint(61, 71));
        QCOMPARE(f.journal, QStringList({QStringLiteral("probe press 60,70"), QStringLiteral("probe release 61,71")}));
        QVERIFY(!f.bench->leftCapture());
    }

    void doubleClickReachesTheObject()
    {
        Fixture f;
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(55, 65), f.host.mapToGlobal(QPointF(55, 65)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f.host, &event);
        QCOMPARE(f.journal, QStringList({QStringLiteral("probe dclick 55,65")}));
    }

    void movesAreThrottledToOneIn100ms()
    {
        Fixture f;
        sendMove(&f.host, QPoint(1, 1));
        f.host.now += 50;
        sendMove(&f.host, QPoint(2, 2));   // 50 ms after the first: dropped
        f.host.now += 70;
        sendMove(&f.host, QPoint(3, 3));   // 120 ms after the first: handled
        f.host.now += 99;
        sendMove(&f.host, QPoint(4, 4));   // 99 ms after the last handled: dropped
        f.host.now += 1;
        sendMove(&f.host, QPoint(5, 5));   // 100 ms: handled
        QCOMPARE(f.journal, QStringList({QStringLiteral("probe hover 1,1"), QStringLiteral("probe hover 3,3"),
                                         QStringLiteral("probe hover 5,5")}));
    }

    void wheelIsReducedToItsSign_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<QString>("call");
        QTest::newRow("-240") << -240 << "probe wheel -1,0";
        QTest::newRow("+120") << 120 << "probe wheel 1,0";
        QTest::newRow("+15, a fine step") << 15 << "probe wheel 1,0";
        QTest::newRow("sideways only") << 0 << "";
    }

    void wheelIsReducedToItsSign()
    {
        QFETCH(int, delta);
        QFETCH(QString, call);
        Fixture f;
        sendWheel(&f.host, QPoint(60, 70), delta);
        QCOMPARE(f.journal, call.isEmpty() ? QStringList() : QStringList({call}));
    }

    void wheelIsIgnoredWhileTheLeftButtonIsDown()
    {
        Fixture f;
        QTest::mousePress(&f.host, Qt::LeftButton, {}, QPoint(60, 70));
        sendWheel(&f.host, QPoint(60, 70), -120, Qt::LeftButton);
        QTest::mouseRelease(&f.host, Qt::LeftButton, {}, QPoint(60, 70));
        sendWheel(&f.host, QPoint(60, 70), -120);
        QCOMPARE(f.journal.filter(QStringLiteral("wheel")), QStringList({QStringLiteral("probe wheel -1,0")}));
    }

    void pressInTheTopBandOnNoObjectDragsTheWindow_data()
    {
        QTest::addColumn<int>("pressY");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<bool>("moves");
        QTest::newRow("y 0") << 0 << true << true;
        QTest::newRow("y 29") << 29 << true << true;
        QTest::newRow("y 30") << 30 << true << false;
        QTest::newRow("y 10, dragging not allowed") << 10 << false << false;
    }

    void pressInTheTopBandOnNoObjectDragsTheWindow()
    {
        QFETCH(int, pressY);
        QFETCH(bool, allowed);
        QFETCH(bool, moves);
        Fixture f;
        f.host.setWindowDragAllowed(allowed);
        f.host.move(100, 100);
        const QPoint start = f.host.pos();
        QTest::mousePress(&f.host, Qt::LeftButton, {}, QPoint(10, pressY));
        f.host.now += 200;
        sendMove(&f.host, QPoint(25, pressY + 7), Qt::LeftButton);
        QCOMPARE(f.host.pos(), moves ? start + QPoint(15, 7) : start);
        QCOMPARE(f.host.size(), QSize(200, 150));
        QTest::mouseRelease(&f.host, Qt::LeftButton, {}, QPoint(25, pressY + 7));
        f.host.now += 200;
        const QPoint after = f.host.pos();
        sendMove(&f.host, QPoint(40, pressY + 20));
        QCOMPARE(f.host.pos(), after);
    }

    void pressOnAnObjectInTheTopBandDoesNotDragTheWindow()
    {
        Fixture f;
        f.probe->setY(0);
        auto* top = f.bench->add(std::make_unique<tcProbe>(QStringLiteral("top"), f.bench, QRect(0, 0, 20, 20), RED));
        top->takesPress = false;
        f.host.move(100, 100);
        const QPoint start = f.host.pos();
        QTest::mousePress(&f.host, Qt::LeftButton, {}, QPoint(10, 10));   // refused by "top"
        f.host.now += 200;
        sendMove(&f.host, QPoint(30, 20), Qt::LeftButton);
        QCOMPARE(f.host.pos(), start);
    }

    void rightPressOnNothingOpensTheContextMenu()
    {
        Fixture f;
        QTest::mousePress(&f.host, Qt::RightButton, {}, QPoint(5, 100));
        QCOMPARE(f.host.menus, QList<QPoint>({f.host.mapToGlobal(QPoint(5, 100))}));
        QTest::mouseRelease(&f.host, Qt::RightButton, {}, QPoint(5, 100));

        QTest::mousePress(&f.host, Qt::RightButton, {}, QPoint(60, 70));   // taken by the probe
        QTest::mouseRelease(&f.host, Qt::RightButton, {}, QPoint(60, 70));
        QCOMPARE(f.host.menus.size(), 1);
        QCOMPARE(f.journal, QStringList({QStringLiteral("probe rpress 60,70"), QStringLiteral("probe release 60,70")}));

        f.probe->takesPress = false;   // refused: no menu either
        QTest::mousePress(&f.host, Qt::RightButton, {}, QPoint(60, 70));
        QCOMPARE(f.host.menus.size(), 1);
    }

    void paintEventPaintsTheBenchAndInvalidationReachesIt()
    {
        Fixture f;
        const QImage image = f.host.grab().toImage();
        QCOMPARE(image.pixel(70, 75), RED);

        f.host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.host));
        f.bench->setScaling(true, 2.0f, 2.0f);
        QTRY_VERIFY(!f.host.painted.isEmpty());
        f.host.painted.clear();
        f.probe->update();   // skin (50, 60) 40 x 30 is host (100, 120) 80 x 60
        QTRY_VERIFY(!f.host.painted.isEmpty());
        QVERIFY(f.host.painted.last().contains(QRect(100, 120, 80, 30)));
    }

    void twoSeparateUpdatesRepaintOnlyTheObjectsUnderThem_data()
    {
        QTest::addColumn<float>("scale");
        QTest::newRow("unscaled") << 1.0f;
        QTest::newRow("scaled 2x") << 2.0f;
    }

    // Updates at opposite corners arrive as one paint event whose bounding rectangle
    // covers the fixture's probe between them: it must not be drawn again.
    void twoSeparateUpdatesRepaintOnlyTheObjectsUnderThem()
    {
        QFETCH(float, scale);
        Fixture f;
        auto corner = [&f](const char* id, QRect rect) {
            return f.bench->add(std::make_unique<tcProbe>(QLatin1String(id), f.bench, rect, RED, &f.journal));
        };
        tcProbe* left = corner("left", QRect(0, 0, 10, 10));
        tcProbe* right = corner("right", QRect(90, 65, 10, 10));
        f.bench->setScaling(scale != 1.0f, scale, scale);
        f.host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.host));
        QTRY_VERIFY(f.journal.contains(QStringLiteral("probe paint")));
        QTest::qWait(50);   // let the first paints settle
        f.journal.clear();
        f.host.painted.clear();

        left->update();
        right->update();
        QTRY_VERIFY(!f.host.painted.isEmpty());
        QCOMPARE(f.journal.count(QStringLiteral("left paint")), 1);
        QCOMPARE(f.journal.count(QStringLiteral("right paint")), 1);
        QVERIFY(!f.journal.contains(QStringLiteral("probe paint")));
    }

    void closingDeletesTheBench()
    {
        Fixture f;
        f.host.show();
        QVERIFY(f.host.close());
        QVERIFY(!f.host.bench());
        QCOMPARE(f.journal, QStringList({QStringLiteral("probe destroyed")}));
    }

    void replacingTheBenchDeletesTheOldOne()
    {
        Fixture f;
        f.host.setBench(std::make_unique<tcTestBench>(&f.host));
        QCOMPARE(f.journal, QStringList({QStringLiteral("probe destroyed")}));
        QVERIFY(f.host.bench());
    }

    void centreOnScreenPutsTheCentreOnTheScreensCentre()
    {
        tcGQGuiWidget widget;
        widget.resize(201, 101);
        widget.centreOnScreen();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(widget.pos(), QPoint(screen.x() + screen.width() / 2 - 100, screen.y() + screen.height() / 2 - 50));
    }
};

QTEST_MAIN(tst_GQGuiWidget)
#include "tst_gqguiwidget.moc"
