#include "gqgui/combo_popup.h"
#include "gqgui/display_edit_dlg.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_image.h"
#include "tests/gqgui/recorder.h"
#include "tests/gqgui/test_bench.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
constexpr QRgb PAPER = 0xFF000000;
constexpr QPoint UP(85, 12);     // upper half of the arrow zone (78..90, 10..30)
constexpr QPoint DOWN(85, 28);   // lower half
constexpr QPoint TEXT(30, 20);   // text area

QStringList numbered(int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items.append(QStringLiteral("Item %1").arg(i));
    return items;
}

void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint pos)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, type == QEvent::MouseMove ? Qt::NoButton : button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}
} // namespace

// A loaded, visible combo at (10, 10), 80 wide, with a 5-section 12 x 20 arrow bitmap,
// object ID 6030, on a host widget that parents its drop-down.
struct ComboFixture
{
    QTemporaryDir dir;
    tcRecorder rec;
    QWidget host;
    tcTestBench bench;
    tcGuiCombo* combo;

    ComboFixture(int type, int items, bool autoRoll = false)
    {
        host.resize(300, 300);
        auto* image = bench.add(std::make_unique<tcGuiImage>(QStringLiteral("ARROWS"), &bench, 1));
        image->setFile(writeStrip(QDir(dir.path()), QStringLiteral("arrows.png"), 5, 12, 20));
        image->setSections(5);
        combo = bench.add(std::make_unique<tcGuiCombo>(QStringLiteral("MODE"), &bench, 2));
        combo->setBitmap(image);
        combo->setX(10);
        combo->setY(10);
        combo->setWidth(80);
        combo->setType(type);
        combo->setAutoRepeat(autoRoll);
        combo->setItems(numbered(items));
        combo->setParameterId(6030);
        combo->setContext(&rec);
        combo->setParentWidget(&host);
        combo->setCallbacks(recordInt, recordText, recordId);
        combo->finishLoading();
        combo->show(true);
    }

    void click(QPoint at)
    {
        bench.leftPress(at.x(), at.y());
        bench.leftRelease(at.x(), at.y());
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            ++rec.tick;
            bench.tick();
        }
    }

    int arrowSection() { return sectionAt(renderBench(bench, QSize(100, 40), QRect(), PAPER), 79, 11); }
};

class tst_GuiCombo : public QObject
{
    Q_OBJECT

private slots:
    void arrowZoneAndTextArea()
    {
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 10);
        QCOMPARE(f.combo->arrowWidth(), 12);
        QCOMPARE(f.combo->bounds(), QRect(10, 10, 80, 20));
        QCOMPARE(f.bench.leftPress(TEXT.x(), TEXT.y()), tcBench::PRESS_REFUSED);
        QCOMPARE(f.bench.leftPress(77, 12), tcBench::PRESS_REFUSED);   // just left of the arrows
        QCOMPARE(f.bench.leftPress(78, 12), tcBench::PRESS_TAKEN);
        QCOMPARE(f.bench.leftPress(90, 30), tcBench::PRESS_TAKEN);     // bottom-right edge
    }

    void rollClicksStepTheIndex_data()
    {
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("start");
        QTest::addColumn<QPoint>("arrow");
        QTest::addColumn<int>("index");
        QTest::newRow("down") << false << 3 << DOWN << 4;
        QTest::newRow("up") << false << 3 << UP << 2;
        QTest::newRow("down, reversed") << true << 3 << DOWN << 2;
        QTest::newRow("up at the first item") << false << 0 << UP << 0;
        QTest::newRow("down at the last item") << false << 9 << DOWN << 9;
    }

    void rollClicksStepTheIndex()
    {
        QFETCH(bool, reverse);
        QFETCH(int, start);
        QFETCH(QPoint, arrow);
        QFETCH(int, index);
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 10);
        f.combo->setReverse(reverse);
        f.combo->setIndex(start, false);
        f.click(arrow);
        QCOMPARE(f.combo->index(), index);
        QCOMPARE(f.rec.calls, index == start ? QStringList() : QStringList({QStringLiteral("int 6030 %1 @0").arg(index)}));
    }

    void heldRollArrowFollowsTheAutoRollSchedule()
    {
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 200, true);
        f.bench.leftPress(DOWN.x(), DOWN.y());
        f.ticks(26);
        f.bench.leftRelease(DOWN.x(), DOWN.y());
        QStringList expected;
        int index = 0;
        for (int tick = 5; tick <= 26; ++tick) {
            index += tick < 15 ? 1 : (tick < 25 ? 5 : 10);
            expected.append(QStringLiteral("int 6030 %1 @%2").arg(index).arg(tick));
        }
        QCOMPARE(f.rec.calls, expected);
        QCOMPARE(f.combo->index(), 80);
    }

    void shortHoldStillStepsOnRelease_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("index");
        QTest::newRow("4 ticks: only the release step") << 4 << 1;
        QTest::newRow("5 ticks: one roll step and the release step") << 5 << 2;
        QTest::newRow("6 ticks: no release step") << 6 << 2;
    }

    void shortHoldStillStepsOnRelease()
    {
        QFETCH(int, held);
        QFETCH(int, index);
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 20, true);
        f.bench.leftPress(DOWN.x(), DOWN.y());
        f.ticks(held);
        f.bench.leftRelease(DOWN.x(), DOWN.y());
        QCOMPARE(f.combo->index(), index);
    }

    void userComboReportsSteps()
    {
        ComboFixture f(tcGuiCombo::TYPE_USER, 0, true);
        f.combo->setUserText(QStringLiteral("-3.5 dB"));
        QCOMPARE(f.combo->userText(), QStringLiteral("-3.5 dB"));
        f.click(DOWN);
        f.bench.leftPress(UP.x(), UP.y());
        f.ticks(16);
        f.bench.leftRelease(UP.x(), UP.y());
        QStringList expected{QStringLiteral("int 6030 1 @0")};
        for (int tick = 5; tick <= 16; ++tick)
            expected.append(QStringLiteral("int 6030 %1 @%2").arg(tick < 15 ? -1 : -5).arg(tick));
        QCOMPARE(f.rec.calls, expected);
    }

    void draggingOffTheArrowsStopsTheRoll()
    {
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 100, true);
        f.bench.leftPress(DOWN.x(), DOWN.y());
        f.ticks(6);                       // index 2
        f.bench.move(TEXT.x(), TEXT.y(), 0);
        QVERIFY(!f.combo->arrowActive());
        f.ticks(10);
        QCOMPARE(f.combo->index(), 2);
        f.bench.move(DOWN.x(), DOWN.y(), 0);
        QCOMPARE(f.combo->repeatCount(), 0);
        f.ticks(5);
        QCOMPARE(f.combo->index(), 3);
    }

    void setIndexClampsAndNotifiesOnlyWhenAsked()
    {
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 5);
        f.combo->setIndex(99, false);
        QCOMPARE(f.combo->index(), 4);
        f.combo->setIndex(-1, true);
        QCOMPARE(f.combo->index(), 0);
        f.combo->setIndex(0, true);
        QCOMPARE(f.rec.calls, QStringList({"int 6030 0 @0"}));
        f.combo->setIndex(3, false);
        f.combo->setItems(numbered(2));
        QCOMPARE(f.combo->index(), 1);
        QCOMPARE(f.rec.calls.size(), 1);
    }

    void userTextIsKeptForUserCombosOnly()
    {
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 3);
        f.combo->setUserText(QStringLiteral("x"));
        QVERIFY(f.combo->userText().isEmpty());
    }

    void paintsTheArrowSectionOfItsState()
    {
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 3);
        QCOMPARE(f.arrowSection(), 0);
        f.bench.move(UP.x(), UP.y(), 0);
        QCOMPARE(f.arrowSection(), 1);
        f.bench.move(DOWN.x(), DOWN.y(), 0);
        QCOMPARE(f.arrowSection(), 2);
        f.bench.leftPress(UP.x(), UP.y());
        QCOMPARE(f.arrowSection(), 3);
        f.bench.leftRelease(UP.x(), UP.y());
        f.bench.leftPress(DOWN.x(), DOWN.y());
        QCOMPARE(f.arrowSection(), 4);
        f.bench.leftRelease(DOWN.x(), DOWN.y());
        QCOMPARE(f.arrowSection(), 0);
    }

    void captionStandsAboveUnlessGiven()
    {
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 3);
        QCOMPARE(f.combo->captionX(), 0);
        QCOMPARE(f.combo->captionY(), -12);
        f.combo->setCaptionColor(0xFFFFFFFF);
        f.combo->setText(QStringLiteral("Mode"));
        QImage image(120, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(PAPER);
        QPainter painter(&image);
        f.combo->drawCaption(painter, f.combo->captionAlign(), 0);
        painter.end();
        const QRect ink = inkBox(image, PAPER);
        QVERIFY(ink.bottom() < 10 + 2);
        QVERIFY(f.combo->captionBox().contains(ink));

        tcTestBench bench;
        tcGuiCombo given(QStringLiteral("G"), &bench, 1);
        given.setCaptionX(4);
        given.setCaptionY(30);
        given.finishLoading();
        QCOMPARE(given.captionX(), 4);
        QCOMPARE(given.captionY(), 30);
    }

    void lockedComboRefusesTheArrows()
    {
        ComboFixture f(tcGuiCombo::TYPE_ROLL, 3);
        f.bench.locked.insert(6030);
        QCOMPARE(f.bench.leftPress(DOWN.x(), DOWN.y()), tcBench::PRESS_REFUSED);
        QCOMPARE(f.combo->index(), 0);
    }

    void dropComboOpensAListWithAScrollBar()
    {
        ComboFixture f(tcGuiCombo::TYPE_DROP, 10);
        f.combo->setDropRows(2);
        f.combo->setIndex(1, false);
        f.click(DOWN);
        tcComboPopup* popup = f.combo->popup();
        QVERIFY(popup);
        QCOMPARE(popup->parentWidget(), &f.host);
        QCOMPARE(popup->rows(), 3);
        QVERIFY(popup->hasScrollBar());
        QCOMPARE(popup->geometry(), QRect(10, 30, 80, 60));
        QCOMPARE(popup->firstItem(), 1);
        QVERIFY(f.rec.calls.isEmpty());

        const tcListColors colors;
        const QImage image = popup->grab().toImage();
        QCOMPARE(image.pixel(0, 0), colors.bgSelect);          // current item heads the list
        QCOMPARE(image.pixel(0, 25), colors.bgList);
        QCOMPARE(image.pixel(75, 55), colors.bgRail);           // rail below the thumb
        QCOMPARE(sectionAt(image, 70, 5), 0);                   // thumb from the bitmap

        sendMouse(popup, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(20, 45));   // third row
        QCOMPARE(f.combo->index(), 3);
        QCOMPARE(f.rec.calls, QStringList({"int 6030 3 @0"}));
        QVERIFY(popup->isHidden());
    }

    void dropDownThumbScrollsTheList()
    {
        ComboFixture f(tcGuiCombo::TYPE_DROP, 10);
        f.combo->setDropRows(2);
        f.click(DOWN);
        tcComboPopup* popup = f.combo->popup();
        QVERIFY(popup);
        QCOMPARE(popup->thumbPosition(), 0);
        sendMouse(popup, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(74, 5));
        sendMouse(popup, QEvent::MouseMove, Qt::NoButton, QPoint(74, 25));
        QCOMPARE(popup->thumbPosition(), 20);
        QCOMPARE(popup->firstItem(), 3);        // 7 hidden items * 20 / 40
        sendMouse(popup, QEvent::MouseMove, Qt::NoButton, QPoint(74, 95));
        QCOMPARE(popup->thumbPosition(), 40);
        QCOMPARE(popup->firstItem(), 7);
        sendMouse(popup, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(74, 95));
        sendMouse(popup, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(20, 5));
        QCOMPARE(f.combo->index(), 7);
    }

    void dropDownClosesOnARightReleaseOrWithTheCombo()
    {
        ComboFixture f(tcGuiCombo::TYPE_DROP, 3);
        f.click(DOWN);
        QPointer<tcComboPopup> popup = f.combo->popup();
        QVERIFY(popup);
        QCOMPARE(popup->rows(), 3);             // everything fits: no scroll bar
        QVERIFY(!popup->hasScrollBar());
        sendMouse(popup, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(5, 5));
        QVERIFY(popup->isHidden());
        QTRY_VERIFY(!popup);
        QVERIFY(!f.combo->popup());

        f.click(DOWN);
        popup = f.combo->popup();
        f.combo->hide();
        QVERIFY(!f.combo->popup());
        QTRY_VERIFY(!popup);
        QCOMPARE(f.combo->index(), 0);
    }

    void dropDownOutlivingItsComboDoesNoHarm()
    {
        auto f = std::make_unique<ComboFixture>(tcGuiCombo::TYPE_DROP, 3);
        QWidget* host = &f->host;
        f->click(DOWN);
        QPointer<tcComboPopup> popup = f->combo->popup();
        f->bench.clear();
        QVERIFY(popup);
        popup->grab();
        sendMouse(popup, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));
        QVERIFY(host);
    }

    void noDropDownWithoutADialogParent()
    {
        ComboFixture f(tcGuiCombo::TYPE_DROP, 3);
        f.combo->setParentWidget(nullptr);
        f.click(DOWN);
        QVERIFY(!f.combo->popup());
    }

    void doubleClickOnTheTextAreaEdits()
    {
        ComboFixture f(tcGuiCombo::TYPE_USER, 0);
        f.combo->setEditable(true);
        f.combo->setUnits(QStringLiteral("Hz"));
        QTimer::singleShot(0, qApp, [] {
            auto* dialog = qobject_cast<tcDisplayEditDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::keyClicks(dialog->edit(), QStringLiteral("1.5"));
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        QVERIFY(f.bench.doubleClick(TEXT.x(), TEXT.y()));
        QCOMPARE(f.rec.calls, QStringList({"text 6030 1.5 @0"}));
        f.bench.doubleClick(DOWN.x(), DOWN.y());   // on an arrow: nothing
        QCOMPARE(f.rec.calls.size(), 1);
    }

    void typesByName()
    {
        QCOMPARE(tcGuiCombo::typeFromName(QStringLiteral("DROP")), 0);
        QCOMPARE(tcGuiCombo::typeFromName(QStringLiteral("ROLL")), 1);
        QCOMPARE(tcGuiCombo::typeFromName(QStringLiteral("USER")), 2);
        QCOMPARE(tcGuiCombo::typeFromName(QStringLiteral("drop")), -1);
        tcGuiCombo combo(QStringLiteral("C"), nullptr, 1);
        QCOMPARE(combo.type(), 2);
    }
};

QTEST_MAIN(tst_GuiCombo)
#include "tst_guicombo.moc"
