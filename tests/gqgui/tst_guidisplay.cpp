#include "gqgui/display_edit_dlg.h"
#include "gqgui/gui_display.h"
#include "tests/gqgui/recorder.h"
#include "tests/gqgui/test_bench.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
constexpr QRgb FG = 0xFFFFFF00;
constexpr QRgb BG = 0xFF204060;
constexpr QRgb PAPER = 0xFF000000;

// Once the modal edit dialog is up: records where it stands, types the text and presses
// Ok (or Cancel).
void answerDialog(const QString& text, bool ok, QPoint* where)
{
    QTimer::singleShot(0, qApp, [text, ok, where] {
        auto* dialog = qobject_cast<tcDisplayEditDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        *where = dialog->pos();
        QTest::keyClicks(dialog->edit(), text);
        QTest::mouseClick(ok ? dialog->okButton() : dialog->cancelButton(), Qt::LeftButton);
    });
}
} // namespace

// A loaded, visible display "COMP_THR_DSPY" at (10, 20) of 80 x 16, object ID 7004.
struct DisplayFixture
{
    tcRecorder rec;
    QWidget host;
    tcTestBench bench;
    tcGuiDisplay* display;

    DisplayFixture()
    {
        host.move(300, 200);
        display = bench.add(std::make_unique<tcGuiDisplay>(QStringLiteral("COMP_THR_DSPY"), &bench, 1));
        display->setX(10);
        display->setY(20);
        display->setWidth(80);
        display->setHeight(16);
        display->setParameterId(7004);
        display->setContext(&rec);
        display->setParentWidget(&host);
        display->setCallbacks(recordText, recordId);
        display->setForeground(FG);
        display->setBackground(BG);
        display->finishLoading();
        display->show(true);
    }

    QImage shown() { return renderBench(bench, QSize(100, 50), QRect(), PAPER); }
};

class tst_GuiDisplay : public QObject
{
    Q_OBJECT

private slots:
    void showsTheTextCutOrPaddedToTheFieldWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("-12.5 in 8") << 8 << "-12.5" << "-12.5   ";
        QTest::newRow("cut to 8") << 8 << "123456789" << "12345678";
        QTest::newRow("empty") << 8 << "" << "        ";
        QTest::newRow("-12.5 in 4") << 4 << "-12.5" << "-12.";
        QTest::newRow("width 0") << 0 << "abc" << "";
    }

    void showsTheTextCutOrPaddedToTheFieldWidth()
    {
        QFETCH(int, width);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        DisplayFixture f;
        QCOMPARE(f.display->shownText(), QStringLiteral("        "));
        f.display->setFieldWidth(uint8_t(width));
        f.display->setText(text);
        QCOMPARE(f.display->shownText(), shown);
    }

    void repaintsOnlyWhenTheShownTextChanges()
    {
        DisplayFixture f;
        f.bench.invalidated.clear();
        f.display->setText(QStringLiteral("12345678A"));
        QCOMPARE(f.bench.invalidated.size(), 1);
        QCOMPARE(f.bench.invalidated.first(), QRect(10, 20, 80, 16));
        f.display->setText(QStringLiteral("12345678B"));   // same eight characters shown
        QCOMPARE(f.bench.invalidated.size(), 1);
        QCOMPARE(f.display->caption(), QStringLiteral("12345678B"));
    }

    void marqueeScrollsOneCharacterEverySecondTick()
    {
        DisplayFixture f;
        f.display->setAutoRepeat(true);
        f.display->setText(QStringLiteral("ABCDEFGHIJKL"));
        QStringList shown{f.display->shownText()};
        for (int tick = 1; tick <= 38; ++tick) {
            f.bench.tick();
            shown.append(f.display->shownText());
        }
        QCOMPARE(shown[0], QStringLiteral("ABCDEFGH"));
        QCOMPARE(shown[1], QStringLiteral("BCDEFGHI"));
        QCOMPARE(shown[2], QStringLiteral("BCDEFGHI"));
        QCOMPARE(shown[3], QStringLiteral("CDEFGHIJ"));
        QCOMPARE(shown[9], QStringLiteral("FGHIJKL "));
        QCOMPARE(shown[21], QStringLiteral("L  ...  "));
        QCOMPARE(shown[23], QStringLiteral("  ...  A"));
        QCOMPARE(shown[35], QStringLiteral(" ABCDEFG"));
        QCOMPARE(shown[37], QStringLiteral("ABCDEFGH"));   // cycle of 12 + 7 positions
        QCOMPARE(shown[38], QStringLiteral("ABCDEFGH"));
    }

    void marqueeStandsStillWhenOffOrWhenTheTextFits()
    {
        DisplayFixture f;
        f.display->setText(QStringLiteral("ABCDEFGHIJKL"));
        f.bench.tick();
        QCOMPARE(f.display->shownText(), QStringLiteral("ABCDEFGH"));
        f.display->setAutoRepeat(true);
        f.display->setText(QStringLiteral("-12.5"));
        f.bench.tick();
        QCOMPARE(f.display->shownText(), QStringLiteral("-12.5   "));
    }

    void newFieldWidthRestartsTheMarquee()
    {
        DisplayFixture f;
        f.display->setAutoRepeat(true);
        f.display->setText(QStringLiteral("ABCDEFGHIJKL"));
        f.bench.tick();
        f.display->setFieldWidth(4);
        QCOMPARE(f.display->shownText(), QStringLiteral("ABCD"));
    }

    void paintsInTheColoursOfItsState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<QRgb>("fill");
        QTest::newRow("normal") << 0 << false << BG;
        QTest::newRow("error") << 1 << false << QRgb(0xFF101010);
        QTest::newRow("warning") << 2 << false << QRgb(0xFF202020);
        QTest::newRow("warning, transparent") << 2 << true << PAPER;
    }

    void paintsInTheColoursOfItsState()
    {
        QFETCH(int, state);
        QFETCH(bool, transparent);
        QFETCH(QRgb, fill);
        DisplayFixture f;
        f.display->setStateColor(1, true, 0xFF101010);
        f.display->setStateColor(1, false, 0xFF00FF00);
        f.display->setStateColor(2, true, 0xFF202020);
        f.display->setStateColor(2, false, 0xFF0000FF);
        f.display->setStateTransparent(state, transparent);
        f.display->setState(state);
        f.display->setText(QStringLiteral("8888"));
        const QImage image = f.shown();
        QCOMPARE(image.pixel(10, 20), fill);
        QCOMPARE(image.pixel(89, 35), fill);
        QCOMPARE(image.pixel(9, 20), PAPER);
        const QRgb text = state == 0 ? FG : (state == 1 ? 0xFF00FF00 : 0xFF0000FF);
        bool inked = false;
        for (int x = 10; x < 90 && !inked; ++x) {
            for (int y = 20; y < 36 && !inked; ++y)
                inked = image.pixel(x, y) == text;
        }
        QVERIFY(inked);
    }

    void disabledLookDrawsNoText()
    {
        DisplayFixture f;
        f.display->setText(QStringLiteral("8888"));
        f.display->setInputFlags(GUI_INPUT_DISABLED);
        const QImage image = f.shown();
        QCOMPARE(inkBox(image.copy(10, 20, 80, 16), BG), QRect());
    }

    void setStateRepaintsOnChangeAndIgnoresUnknownStates()
    {
        DisplayFixture f;
        f.bench.invalidated.clear();
        f.display->setState(1);
        f.display->setState(1);
        f.display->setState(3);
        QCOMPARE(f.display->state(), 1);
        QCOMPARE(f.bench.invalidated.size(), 1);
    }

    void takesNoPressesAndHasNoCaptionBoxOfItsOwn()
    {
        DisplayFixture f;
        QCOMPARE(f.bench.leftPress(20, 25), tcBench::PRESS_NOTHING_HIT);
        QCOMPARE(f.display->captionBox(), f.display->bounds());
        QVERIFY(!f.display->acceptsDoubleClick());
        QCOMPARE(f.display->captionFont(), f.bench.fontByName(QStringLiteral("GQGUI_MONOFONT")));
        QCOMPARE(f.display->entry().regExp(), QStringLiteral("-?\\d*\\.\\d+"));
    }

    void editableDisplayHandsTheTypedTextOn()
    {
        DisplayFixture f;
        f.display->setEditable(true);
        f.display->setUnits(QStringLiteral("dB"));
        QPoint where;
        answerDialog(QStringLiteral("12.5"), true, &where);
        QVERIFY(f.bench.doubleClick(20, 25));
        QCOMPARE(f.rec.calls, QStringList({"text 7004 12.5 @0"}));
        QCOMPARE(where, f.host.mapToGlobal(QPoint(10, 36)));
    }

    void cancelledOrEmptyEditCallsNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Cancel") << "12.5" << false;
        QTest::newRow("Ok on nothing") << "" << true;
    }

    void cancelledOrEmptyEditCallsNothing()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        DisplayFixture f;
        f.display->setEditable(true);
        QPoint where;
        answerDialog(typed, ok, &where);
        f.bench.doubleClick(20, 25);
        QVERIFY(f.rec.calls.isEmpty());
    }

    void doubleClickableDisplayReportsAfterTheDialog()
    {
        DisplayFixture f;
        f.display->setEditable(true);
        f.display->setDClickable(true);
        QPoint where;
        answerDialog(QStringLiteral("3.0"), true, &where);
        f.bench.doubleClick(20, 25);
        QCOMPARE(f.rec.calls, QStringList({"text 7004 3.0 @0", "id 7004 @0"}));
    }

    void lockedOrParentlessDisplayOpensNoDialog()
    {
        DisplayFixture f;
        f.display->setEditable(true);
        f.display->setDClickable(true);
        f.bench.locked.insert(7004);
        f.bench.doubleClick(20, 25);
        QVERIFY(f.rec.calls.isEmpty());
        f.bench.locked.clear();
        f.display->setParentWidget(nullptr);
        f.bench.doubleClick(20, 25);   // no dialog without a parent; the plain report remains
        QCOMPARE(f.rec.calls, QStringList({"id 7004 @0"}));
    }
};

QTEST_MAIN(tst_GuiDisplay)
#include "tst_guidisplay.moc"
