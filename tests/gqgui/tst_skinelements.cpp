#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_display.h"
#include "gqgui/gui_dyngraph.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_label.h"
#include "gqgui/gui_listbox.h"
#include "gqgui/gui_meter.h"
#include "gqgui/gui_radio.h"
#include "gqgui/gui_radio_item.h"
#include "gqgui/gui_slider.h"
#include "tests/gqgui/skin_fixture.h"

#include <QTest>

// What each object element and its children set on the object.
class tst_SkinElements : public QObject
{
    Q_OBJECT

private slots:
    void knobWithCaption()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<offset id=\"COL\" value=\"100\"/>\n"
                              "<knob id=\"K\" type=\"RING_BAR\"><position x=\"COL+10\" y=\"20\"/>"
                              "<text value=\"Gain\" x=\"3\" y=\"-12\" color=\"FF0000\" font=\"GQGUI_MONOFONT\" "
                              "align=\"bc\"/><bitmap image=\"KIMG\"/></knob>\n"
                              "<knob id=\"K2\" type=\"RING_X\"><text font=\"NOFONT\"/></knob>")));
        QVERIFY(f.messages().isEmpty());
        auto* knob = f.object<tcGuiKnob>("K");
        QCOMPARE(knob->style(), int(tcGuiKnob::RING_BAR));
        QCOMPARE(knob->x(), 110);
        QCOMPARE(knob->y(), 20);
        QCOMPARE(knob->caption(), QStringLiteral("Gain"));
        QCOMPARE(knob->captionX(), 3);
        QCOMPARE(knob->captionY(), -12);
        QCOMPARE(knob->captionColor(), QRgb(0xFFFF0000));
        QCOMPARE(knob->captionFont(), f.tables.font(QStringLiteral("GQGUI_MONOFONT")));
        QCOMPARE(knob->captionAlign(), int(Qt::AlignBottom | Qt::AlignHCenter));
        QCOMPARE(f.object<tcGuiObject>("KIMG")->kind(), GUI_KIND_IMAGE);
        // Unknown words and names leave the defaults.
        auto* plain = f.object<tcGuiKnob>("K2");
        QCOMPARE(plain->style(), int(tcGuiKnob::SIMPLE));
        QVERIFY(!plain->captionFont());
    }

    void buttonAutoRepeat_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<bool>("repeat");
        QTest::newRow("0") << QByteArray("<mode autorepeat=\"0\"/>") << false;
        QTest::newRow("1") << QByteArray("<mode autorepeat=\"1\"/>") << true;
        QTest::newRow("empty") << QByteArray("<mode autorepeat=\"\"/>") << true;
        QTest::newRow("absent") << QByteArray("<mode/>") << false;
    }

    void buttonAutoRepeat()
    {
        QFETCH(QByteArray, mode);
        QFETCH(bool, repeat);
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<button id=\"B\">" + mode + "</button>")));
        QCOMPARE(f.object<tcGuiButton>("B")->autoRepeat(), repeat);
    }

    void sliderDirection_data()
    {
        QTest::addColumn<QByteArray>("direction");
        QTest::addColumn<int>("expected");
        QTest::newRow("horz") << QByteArray("horz") << int(tcGuiSlider::HORIZONTAL);
        QTest::newRow("vert") << QByteArray("vert") << int(tcGuiSlider::VERTICAL);
        QTest::newRow("other text keeps the default") << QByteArray("Horz") << int(tcGuiSlider::VERTICAL);
    }

    void sliderDirection()
    {
        QFETCH(QByteArray, direction);
        QFETCH(int, expected);
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<slider id=\"S\"><position x=\"1\" y=\"2\" direction=\"" + direction +
                              "\"/><bitmap rail=\"RAIL\" thumb=\"THUMB\"/></slider>")));
        QCOMPARE(f.object<tcGuiSlider>("S")->direction(), expected);
        QVERIFY(f.object<tcGuiImage>("RAIL"));
        QVERIFY(f.object<tcGuiImage>("THUMB"));
    }

    void comboModeAndColours()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<combo id=\"C\" type=\"ROLL\"><position x=\"1\" y=\"2\" w=\"80\" h=\"99\"/>"
                              "<text value=\"Mode\" dfont=\"GQGUI_MONOFONT\"/><color fg=\"111111\" bg_rail=\"222222\"/>"
                              "<drop rows=\"6\"/><mode reverse=\"1\" autoroll=\"1\" units=\"Hz\" "
                              "dlgregexp=\"\\d+\" dclickable=\"1\"/><bitmap image=\"ARROWS\"/></combo>")));
        auto* combo = f.object<tcGuiCombo>("C");
        QCOMPARE(combo->type(), int(tcGuiCombo::TYPE_ROLL));
        QCOMPARE(combo->width(), 80);
        // A combo's position has no height: it keeps its own.
        QCOMPARE(combo->height(), 20);
        QCOMPARE(combo->caption(), QStringLiteral("Mode"));
        QCOMPARE(combo->listFont(), f.tables.font(QStringLiteral("GQGUI_MONOFONT")));
        QCOMPARE(combo->colors().fg, QRgb(0xFF111111));
        QCOMPARE(combo->colors().bgRail, QRgb(0xFF222222));
        QCOMPARE(combo->colors().fgList, tcListColors().fgList);
        QCOMPARE(combo->dropRows(), 6);
        QVERIFY(combo->reverse());
        QVERIFY(combo->autoRepeat());
        QCOMPARE(combo->entry().units(), QStringLiteral("Hz"));
        QCOMPARE(combo->entry().regExp(), QStringLiteral("\\d+"));
        QVERIFY(combo->entry().doubleClickable());
        QVERIFY(!combo->entry().editable());
        QCOMPARE(combo->bitmap(), f.object<tcGuiImage>("ARROWS"));
    }

    void listboxTypeFromElementThenMode()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<listbox id=\"LB\" type=\"MULTI\"><position w=\"100\" h=\"50\"/></listbox>\n"
                              "<listbox id=\"LB2\" type=\"MULTI\"><mode type=\"SINGLE\"/>"
                              "<color bg_select=\"0A0B0C\"/></listbox>")));
        QCOMPARE(f.object<tcGuiListbox>("LB")->type(), int(tcGuiListbox::TYPE_MULTI));
        QCOMPARE(f.object<tcGuiListbox>("LB")->height(), 50);
        QCOMPARE(f.object<tcGuiListbox>("LB2")->type(), int(tcGuiListbox::TYPE_SINGLE));
        QCOMPARE(f.object<tcGuiListbox>("LB2")->colors().bgSelect, QRgb(0xFF0A0B0C));
    }

    void editableAndDoubleClickable_data()
    {
        QTest::addColumn<QByteArray>("element");
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<bool>("dclickable");
        for (const QByteArray& element : {QByteArray("display"), QByteArray("combo")}) {
            const char* name = element.constData();
            QTest::addRow("%s editable=\"0\" is editable", name) << element << QByteArray("editable=\"0\"") << true
                                                                 << false;
            QTest::addRow("%s without either", name) << element << QByteArray() << false << false;
            QTest::addRow("%s dclickable=\"0\" is not", name) << element << QByteArray("dclickable=\"0\"") << false
                                                              << false;
            QTest::addRow("%s dclickable=\"1\"", name) << element << QByteArray("dclickable=\"1\"") << false << true;
            QTest::addRow("%s dclickable=\"no\"", name) << element << QByteArray("dclickable=\"no\"") << false << true;
        }
    }

    void editableAndDoubleClickable()
    {
        QFETCH(QByteArray, element);
        QFETCH(QByteArray, mode);
        QFETCH(bool, editable);
        QFETCH(bool, dclickable);
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<" + element + " id=\"E\"><mode " + mode + "/></" + element + ">")));
        const tcValueEntry& entry = element == "display" ? f.object<tcGuiDisplay>("E")->entry()
                                                         : f.object<tcGuiCombo>("E")->entry();
        QCOMPARE(entry.editable(), editable);
        QCOMPARE(entry.doubleClickable(), dclickable);
    }

    void displayColoursAndTransparency()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<display id=\"D\"><position x=\"2\" y=\"2\" w=\"20\" h=\"10\"/>"
                              "<text value=\"ignored\" font=\"GQGUI_MONOFONT\"/>"
                              "<color fg=\"00FF00\" bg=\"TRANSPARENT\" bg_error=\"000080\"/>"
                              "<mode marquee=\"1\" units=\"dB\"/></display>\n"
                              "<display id=\"OPAQUE\"><position x=\"30\" y=\"2\" w=\"20\" h=\"10\"/>"
                              "<color bg=\"800000\"/></display>")));
        auto* display = f.object<tcGuiDisplay>("D");
        QCOMPARE(display->foreground(), QRgb(0xFF00FF00));
        QCOMPARE(display->background(), QRgb(0xFF000000));
        QCOMPARE(display->caption(), QString());
        QCOMPARE(display->captionFont(), f.tables.font(QStringLiteral("GQGUI_MONOFONT")));
        QVERIFY(display->autoRepeat());
        QCOMPARE(display->entry().units(), QStringLiteral("dB"));
        // A transparent background leaves what lies below; an opaque one is filled.
        for (const auto& object : f.bench.objects()) {
            object->finishLoading();
            object->show(true);
        }
        const QImage image = renderBench(f.bench, QSize(60, 20), QRect(), 0xFF445566);
        QCOMPARE(image.pixel(3, 3), qRgb(0x44, 0x55, 0x66));
        QCOMPARE(image.pixel(31, 3), qRgb(0x80, 0, 0));
        // The error state has its own background.
        display->setState(tcGuiDisplay::STATE_ERROR);
        QCOMPARE(renderBench(f.bench, QSize(60, 20), QRect(), 0xFF445566).pixel(3, 3), qRgb(0, 0, 0x80));
    }

    void radioGroupWithItems()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<radiogroup id=\"G\"><position x=\"10\" y=\"10\"/>"
                              "<text value=\"Choice\" align=\"cc\"/>"
                              "<bitmap image=\"GIMG\" item=\"IIMG\" w=\"100\" h=\"60\"/>"
                              "<radioitem id=\"R1\" value=\"One\" x=\"5\" y=\"6\" tx=\"20\" ty=\"1\" color=\"00FF00\"/>"
                              "<radioitem id=\"R2\" value=\"Two\" image=\"OWN\"/><radioitem value=\"none\"/>"
                              "</radiogroup>")));
        QCOMPARE(f.messages(), QStringList{QStringLiteral(
                                   "ERROR: Object \"radioitem\" with no id attribute on line 3 of the skin file.")});
        auto* group = f.object<tcGuiRadioGroup>("G");
        QCOMPARE(group->caption(), QStringLiteral("Choice"));
        QCOMPARE(group->captionAlign(), GUI_ALIGN_TOP_LEFT);
        QCOMPARE(group->width(), 100);
        QCOMPARE(group->height(), 60);
        QCOMPARE(group->itemBitmap(), f.object<tcGuiImage>("IIMG"));
        auto* one = f.object<tcGuiRadioItem>("R1");
        auto* two = f.object<tcGuiRadioItem>("R2");
        QCOMPARE(group->items(), (std::vector<tcGuiRadioItem*>{one, two}));
        QCOMPARE(one->group(), group);
        QVERIFY(one->itemXGiven() && one->itemYGiven());
        QCOMPARE(one->itemX(), 5);
        QCOMPARE(one->captionX(), 20);
        QCOMPARE(one->captionColor(), QRgb(0xFF00FF00));
        QCOMPARE(two->caption(), QStringLiteral("Two"));
        QVERIFY(!two->itemXGiven());
        // Serial numbers from 10001, images by reference and radio items included.
        QStringList order;
        for (const auto& object : f.bench.objects())
            order.append(QStringLiteral("%1 %2").arg(object->id()).arg(object->serial()));
        QCOMPARE(order, QStringList({"G 10001", "GIMG 10002", "IIMG 10003", "R1 10004", "R2 10005", "OWN 10006"}));
    }

    void meterTypeAndCaption_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("clip");
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("GR20, clip, one channel, horizontal")
            << QByteArray("style=\"GR20\" clip=\"1\" channels=\"1\" vertical=\"0\"") << int(METER_GR20) << true << 1
            << false;
        QTest::newRow("unknown style keeps VU30") << QByteArray("style=\"VU99\"") << int(METER_VU30) << false << 2
                                                  << true;
        QTest::newRow("channels 0 gives two") << QByteArray("channels=\"0\" clip=\"0\"") << int(METER_VU30) << false
                                              << 2 << true;
        QTest::newRow("channels 3 gives two") << QByteArray("style=\"VUFS60\" channels=\"3\"") << int(METER_VUFS60)
                                              << false << 2 << true;
    }

    void meterTypeAndCaption()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, style);
        QFETCH(bool, clip);
        QFETCH(int, channels);
        QFETCH(bool, vertical);
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<meter id=\"M\"><text x=\"20\" y=\"5\" color=\"FFFFFF\"/>"
                              "<bitmap bg=\"MBG\" bar=\"MBAR\" ovr=\"MOVR\"/><type " + type + "/></meter>\n"
                              "<meter id=\"PLAIN\"><text color=\"FFFFFF\"/></meter>")));
        auto* meter = f.object<tcGuiMeter>("M");
        QCOMPARE(meter->style(), style);
        QCOMPARE(meter->clip(), clip);
        QCOMPARE(meter->channels(), channels);
        QCOMPARE(meter->vertical(), vertical);
        QVERIFY(meter->hasCaption());
        QCOMPARE(meter->captionColor(), QRgb(0xFFFFFFFF));
        QVERIFY(!f.object<tcGuiMeter>("PLAIN")->hasCaption());
        QCOMPARE(f.bench.objects().size(), size_t(5));
    }

    void graphPanelsAndColours()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<ap_graph id=\"GRAPH\"><position2 x=\"300\" y=\"20\" w=\"200\" h=\"100\"/>"
                              "<position9 y=\"7\"/><position x=\"1\"/>"
                              "<color plot_bg=\"010203\" audio=\"00FF00\" axis_minor=\"333333\"/></ap_graph>\n"
                              "<dyngraph id=\"EXP_GRAPH\"><position x=\"5\" y=\"6\" w=\"200\" h=\"150\"/>"
                              "<color curve_1=\"123456\" curve_5=\"654321\" gutter_fg=\"FFFF00\" audio=\"1\"/>"
                              "</dyngraph>")));
        auto* graph = f.object<tcGuiApGraph>("GRAPH");
        graph->finishLoading();
        QCOMPARE(graph->panelRect(0), QRect(0, 0, 560, 250));
        QCOMPARE(graph->panelRect(1), QRect(300, 20, 200, 100));
        QCOMPARE(graph->panelRect(8), QRect(0, 7, 560, 250));
        QCOMPARE(graph->colors().plotBg, QRgb(0xFF010203));
        QCOMPARE(graph->colors().axisMinor, QRgb(0xFF333333));
        QCOMPARE(graph->colors().gutterFg, tcGraphColors().gutterFg);
        QCOMPARE(graph->audioColor(), QRgb(0xFF00FF00));
        auto* dyn = f.object<tcGuiDynGraph>("EXP_GRAPH");
        QCOMPARE(dyn->x(), 5);
        QCOMPARE(dyn->height(), 150);
        QCOMPARE(dyn->curveColor(0), QRgb(0xFF123456));
        QCOMPARE(dyn->curveColor(1), QRgb(0xFFFF8020));
        QCOMPARE(dyn->curveColor(4), QRgb(0xFF654321));
        QCOMPARE(dyn->colors().gutterFg, QRgb(0xFFFFFF00));
    }

    void labelAndImagePositions()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<label id=\"LBL\"><position x=\"4\" y=\"5\"/><text value=\"Input\"/>"
                              "<bitmap image=\"LIMG\" w=\"40\" h=\"20\"/></label>\n"
                              "<image id=\"BKGRND\" file=\"bg.png\"><position x=\"3\" y=\"4\"/></image>")));
        auto* label = f.object<tcGuiLabel>("LBL");
        QCOMPARE(label->width(), 40);
        QCOMPARE(label->height(), 20);
        QCOMPARE(label->caption(), QStringLiteral("Input"));
        auto* image = f.object<tcGuiImage>("BKGRND");
        QCOMPARE(image->x(), 3);
        QCOMPARE(image->y(), 4);
    }
};

QTEST_MAIN(tst_SkinElements)
#include "tst_skinelements.moc"
