#include "gqgui/gui_object.h"
#include "gqgui/gui_object_list.h"
#include "gqgui/skin_font.h"
#include "tests/gqgui/test_bench.h"

#include <QTest>

namespace {
constexpr QRgb INK = 0xFFFFFFFF;
constexpr QRgb PAPER = 0xFF000000;

// A visible plain object at (x, y) of w x h with its bounds set.
std::unique_ptr<tcGuiObject> makeObject(tcBench* bench, const QString& id, QRect rect, int kind = GUI_KIND_BUTTON)
{
    auto object = std::make_unique<tcGuiObject>(id, bench, 10001, kind);
    object->setX(rect.x());
    object->setY(rect.y());
    object->setWidth(rect.width());
    object->setHeight(rect.height());
    return object;
}

// Paints only the caption of the object into a 300 x 300 image.
QImage renderCaption(tcGuiObject& object, int alignment, int offset = 0)
{
    QImage image(300, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(PAPER);
    QPainter painter(&image);
    object.drawCaption(painter, alignment, offset);
    return image;
}
} // namespace

class tst_GuiObject : public QObject
{
    Q_OBJECT

private slots:
    void startsHiddenWithTheDocumentedDefaults()
    {
        tcGuiObject object(QStringLiteral("K1"), nullptr, 10007, GUI_KIND_KNOB);
        QVERIFY(!object.isVisible());
        QVERIFY(!object.isLoaded());
        QCOMPARE(object.kind(), 7);
        QCOMPARE(object.serial(), 10007);
        QCOMPARE(object.id(), QStringLiteral("K1"));
        QCOMPARE(object.bounds(), QRect(QPoint(0, 0), QPoint(49, 99)));
        QCOMPARE(object.captionBox(), object.bounds());
        QCOMPARE(object.background(), QRgb(0xFFC0C0C0));
        QCOMPARE(object.foreground(), QRgb(0xFF000000));
        QCOMPARE(object.captionX(), 10);
        QCOMPARE(object.captionY(), 10);
        QCOMPARE(object.captionAlign(), 33);
        QCOMPARE(object.parameterId(), -1);
        QCOMPARE(object.parentKind(), 2);
        QVERIFY(!object.parent());
        QVERIFY(!object.clone(nullptr));
        QVERIFY(object.acceptsPress());
        QVERIFY(!object.acceptsRightPress() && !object.acceptsWheel() && !object.acceptsDoubleClick());
        QVERIFY(!object.wantsHover());
        QVERIFY(!object.hitTest(0, 0));
    }

    void hitTestIncludesTheRightAndBottomEdges_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("hit");
        // object at (10, 20), 30 x 40
        QTest::newRow("top-left corner") << QPoint(10, 20) << true;
        QTest::newRow("right edge x + width") << QPoint(40, 30) << true;
        QTest::newRow("bottom edge y + height") << QPoint(20, 60) << true;
        QTest::newRow("bottom-right corner") << QPoint(40, 60) << true;
        QTest::newRow("left of it") << QPoint(9, 30) << false;
        QTest::newRow("above it") << QPoint(20, 19) << false;
        QTest::newRow("past the right edge") << QPoint(41, 30) << false;
        QTest::newRow("below the bottom edge") << QPoint(20, 61) << false;
    }

    void hitTestIncludesTheRightAndBottomEdges()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, hit);
        auto object = makeObject(nullptr, QStringLiteral("A"), QRect(10, 20, 30, 40));
        object->show(true);
        QCOMPARE(object->hitTest(point.x(), point.y()), hit);
        object->hide();
        QVERIFY(!object->hitTest(point.x(), point.y()));
    }

    void showAndHideRequestOneRepaintEach()
    {
        tcTestBench bench;
        auto* object = bench.add(makeObject(&bench, QStringLiteral("A"), QRect(0, 0, 50, 100)));
        object->show(true);
        object->show(true);
        QCOMPARE(bench.invalidated.size(), 1);
        QCOMPARE(bench.invalidated.first(), QRect(0, 0, 50, 100));
        object->show(false);
        object->hide();
        QCOMPARE(bench.invalidated.size(), 2);
        QVERIFY(!object->isVisible());
    }

    void needsPaintWhenTheRectMeetsTheBoundsOrTheCaptionBox()
    {
        tcTestBench bench;
        auto* object = bench.add(makeObject(&bench, QStringLiteral("A"), QRect(0, 0, 50, 100)));
        object->setCaptionFont(bench.fontByName(QStringLiteral("GQGUI_HFONT")));
        object->setCaptionX(200);
        object->setText(QStringLiteral("Gain"));
        const QRect caption = object->captionBox();
        QVERIFY(caption.left() >= 200);
        QVERIFY(!object->needsPaint(QRect(0, 0, 50, 100)));  // hidden
        object->show(true);
        QVERIFY(object->needsPaint(QRect(49, 99, 1, 1)));
        QVERIFY(object->needsPaint(QRect(caption.center(), QSize(1, 1))));
        QVERIFY(!object->needsPaint(QRect(50, 0, 100, 5)));
    }

    void setTextRepaintsOldAndNewCaptionOnlyWhenItChanges()
    {
        tcTestBench bench;
        auto* object = bench.add(makeObject(&bench, QStringLiteral("A"), QRect(0, 0, 20, 20)));
        object->setCaptionFont(bench.fontByName(QStringLiteral("GQGUI_HFONT")));
        object->show(true);
        bench.invalidated.clear();
        object->setText(QStringLiteral("Long caption text"));
        QCOMPARE(bench.invalidated.size(), 2);
        QVERIFY(bench.invalidated.last().contains(object->captionBox()));
        QVERIFY(object->captionBox().width() > 20);
        object->setText(QStringLiteral("Long caption text"));
        QCOMPARE(bench.invalidated.size(), 2);
    }

    void secondCaptionLineIsOneFontSpaceLower()
    {
        tcTestBench bench;
        tcSkinFont font(QStringLiteral("F"));
        font.setSpace(11);
        auto object = makeObject(&bench, QStringLiteral("A"), QRect(40, 40, 20, 20));
        object->setCaptionFont(&font);
        object->setCaptionColor(INK);
        object->setText(QStringLiteral("X"));
        const QRect first = inkBox(renderCaption(*object, GUI_ALIGN_TOP_LEFT), PAPER);
        object->setText(QStringLiteral("\nX"));
        const QRect second = inkBox(renderCaption(*object, GUI_ALIGN_TOP_LEFT), PAPER);
        QVERIFY(!first.isEmpty());
        QCOMPARE(second.top() - first.top(), 11);
        QCOMPARE(second.left(), first.left());
    }

    void pressOffsetMovesTheCaption()
    {
        tcTestBench bench;
        auto object = makeObject(&bench, QStringLiteral("A"), QRect(40, 40, 20, 20));
        object->setCaptionFont(bench.fontByName(QStringLiteral("GQGUI_HFONT")));
        object->setCaptionColor(INK);
        object->setText(QStringLiteral("Hi"));
        const QRect still = inkBox(renderCaption(*object, GUI_ALIGN_TOP_LEFT, 0), PAPER);
        const QRect pressed = inkBox(renderCaption(*object, GUI_ALIGN_TOP_LEFT, 2), PAPER);
        QCOMPARE(pressed.topLeft() - still.topLeft(), QPoint(2, 2));
    }

    void fontAngleIsReducedModuloNinety_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("reduced");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("90 kept") << 90 << 90;
        QTest::newRow("-90 kept") << -90 << -90;
        QTest::newRow("45") << 45 << 45;
        QTest::newRow("135") << 135 << 45;
        QTest::newRow("-135 keeps its sign") << -135 << -45;
        QTest::newRow("180") << 180 << 0;
        QTest::newRow("270") << 270 << 0;
    }

    void fontAngleIsReducedModuloNinety()
    {
        QFETCH(int, angle);
        QFETCH(int, reduced);
        QCOMPARE(tcGuiObject::reducedAngle(angle), reduced);
    }

    void angleFortyFiveTurnsTheCaptionUpwards()
    {
        // A font angle of 45 rotates by 315 degrees: the text climbs to the right.
        tcTestBench bench;
        tcSkinFont font(QStringLiteral("F"));
        font.setAngle(45);
        auto object = makeObject(&bench, QStringLiteral("A"), QRect(50, 150, 10, 10));
        object->setCaptionX(0);
        object->setCaptionY(0);
        object->setCaptionFont(&font);
        object->setCaptionColor(INK);
        object->setText(QStringLiteral("__________"));
        const QRect ink = inkBox(renderCaption(*object, GUI_ALIGN_TOP_LEFT), PAPER);
        QVERIFY(ink.width() > 30);
        QVERIFY2(ink.top() < 150 - 30, "the caption must rise to the right");
        QVERIFY(ink.left() >= 48);
    }

    void captionBoxCoversTheDrawnCaption_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("angle");
        QTest::newRow("top-left") << GUI_ALIGN_TOP_LEFT << 0;
        QTest::newRow("centred") << GUI_ALIGN_CENTRE << 0;
        QTest::newRow("right, bottom") << int(Qt::AlignRight | Qt::AlignBottom) << 0;
        QTest::newRow("top-left at 45") << GUI_ALIGN_TOP_LEFT << 45;
        QTest::newRow("centred at -90") << GUI_ALIGN_CENTRE << -90;
    }

    void captionBoxCoversTheDrawnCaption()
    {
        QFETCH(int, alignment);
        QFETCH(int, angle);
        tcTestBench bench;
        tcSkinFont font(QStringLiteral("F"));
        font.setAngle(angle);
        font.setSpace(11);
        auto object = makeObject(&bench, QStringLiteral("A"), QRect(100, 100, 40, 20));
        object->setCaptionFont(&font);
        object->setCaptionColor(INK);
        object->setCaptionAlign(alignment);
        object->setText(QStringLiteral("Threshold\nRatio"));
        const QRect ink = inkBox(renderCaption(*object, alignment), PAPER);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(object->captionBox().contains(ink),
                 qPrintable(QStringLiteral("box %1,%2 %3x%4 ink %5,%6 %7x%8")
                                .arg(object->captionBox().x()).arg(object->captionBox().y())
                                .arg(object->captionBox().width()).arg(object->captionBox().height())
                                .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    }

    void emptyCaptionDrawsNothingAndItsBoxIsTheBounds()
    {
        auto object = makeObject(nullptr, QStringLiteral("A"), QRect(10, 10, 20, 20));
        object->setCaptionColor(INK);
        QVERIFY(inkBox(renderCaption(*object, GUI_ALIGN_TOP_LEFT), PAPER).isEmpty());
        object->updateCaptionBounds(GUI_ALIGN_TOP_LEFT);
        QCOMPARE(object->captionBox(), object->bounds());
    }

    void listFindsTheFirstExactMatch()
    {
        tcGuiObjectList list;
        auto* first = list.append(makeObject(nullptr, QStringLiteral("KNOB"), QRect(), GUI_KIND_KNOB));
        list.append(makeObject(nullptr, QStringLiteral("KNOB"), QRect(), GUI_KIND_BUTTON));
        auto* ab = list.append(makeObject(nullptr, QStringLiteral("AB"), QRect(), GUI_KIND_LAMP));
        QCOMPARE(list.size(), size_t(3));
        QCOMPARE(list.find(QStringLiteral("KNOB")), first);
        QCOMPARE(list.find(QStringLiteral("KNOB"), GUI_KIND_KNOB), first);
        // The first match has another kind: none, even though a later one would fit.
        QVERIFY(!list.find(QStringLiteral("KNOB"), GUI_KIND_BUTTON));
        QCOMPARE(list.find(QStringLiteral("AB")), ab);
        // Same length and byte sum, other characters.
        QVERIFY(!list.find(QStringLiteral("BA")));
        QVERIFY(!list.find(QStringLiteral("knob")));
        QVERIFY(!list.find(QStringLiteral("KNO")));
        QVERIFY(!list.find(QString()));
    }

    void listDestroysItsObjectsInOrder()
    {
        QStringList journal;
        {
            tcGuiObjectList list;
            list.append(std::make_unique<tcProbe>(QStringLiteral("one"), nullptr, QRect(), 0, &journal));
            list.append(std::make_unique<tcProbe>(QStringLiteral("two"), nullptr, QRect(), 0, &journal));
            list.clear();
            QVERIFY(list.isEmpty());
        }
        QCOMPARE(journal, QStringList({QStringLiteral("one destroyed"), QStringLiteral("two destroyed")}));
    }

    void skinFontSizeIsNotAPixelSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("pixels");
        QTest::newRow("14 draws 11") << 14 << 11;
        QTest::newRow("8 draws 5") << 8 << 5;
        QTest::newRow("3 still draws 5") << 3 << 5;
        QTest::newRow("-4 still draws 5") << -4 << 5;
        QTest::newRow("30 draws 27") << 30 << 27;
    }

    void skinFontSizeIsNotAPixelSize()
    {
        QFETCH(int, size);
        QFETCH(int, pixels);
        tcSkinFont font(QStringLiteral("F"));
        font.setSize(size);
        QCOMPARE(font.font().pixelSize(), pixels);
    }

    void skinFontDefaultsAndPredefinedFonts()
    {
        tcSkinFont font(QStringLiteral("F"));
        QCOMPARE(font.face(), QStringLiteral("Arial"));
        QCOMPARE(font.font().pixelSize(), 11);
        QCOMPARE(font.space(), 10);
        QCOMPARE(font.angle(), 0);
        QVERIFY(!font.font().bold() && !font.font().italic());
        font.setBold(true);
        font.setItalic(true);
        QVERIFY(font.font().bold() && font.font().italic());

        const tcSkinFont header(PREDEFINED_SKIN_FONTS[0]);
        QCOMPARE(header.name().text(), QStringLiteral("GQGUI_HFONT"));
        QCOMPARE(header.face(), QStringLiteral("Arial"));
        QCOMPARE(header.font().pixelSize(), 11);
        QCOMPARE(header.space(), 11);
        const tcSkinFont mono(PREDEFINED_SKIN_FONTS[1]);
        QCOMPARE(mono.name().text(), QStringLiteral("GQGUI_MONOFONT"));
        QCOMPARE(mono.face(), QStringLiteral("Lucida Console"));
        QCOMPARE(mono.font().pixelSize(), 12);
        QCOMPARE(mono.space(), 11);
    }
};

QTEST_MAIN(tst_GuiObject)
#include "tst_guiobject.moc"
