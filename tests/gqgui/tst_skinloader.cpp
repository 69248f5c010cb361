#include "gqgui/gui_button.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_meter.h"
#include "tests/gqgui/skin_fixture.h"

#include <QTest>

namespace {
// A main file that declares `part` as an included file and references it between two
// buttons.
const QByteArray WITH_PART = "<?xml version=\"1.0\"?>\n"
                             "<!DOCTYPE skin [\n"
                             "<!ENTITY part SYSTEM \"part.xml\">\n"
                             "]>\n"
                             "<skin>\n"
                             "<button id=\"BEFORE\"/>\n"
                             "&part;\n"
                             "<button id=\"AFTER\"/>\n"
                             "</skin>\n";

QByteArray repeated(const char* element, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray("<") + element + " id=\"N" + QByteArray::number(i) + "\"/>\n";
    return text;
}
}

class tst_SkinLoader : public QObject
{
    Q_OBJECT

private slots:
    void rootOtherThanSkinDefinesNothing()
    {
        tcSkinFixture f;
        QVERIFY(f.load("<panel>\n<color id=\"A\" rgb=\"FF0000\"/>\n<button id=\"B\"/>\n</panel>\n"));
        QVERIFY(f.bench.objects().isEmpty());
        QCOMPARE(f.tables.colors.size(), 0);
        QCOMPARE(f.tables.fontCount(), 2);
        const QByteArray file = QFile::encodeName(f.path());
        QCOMPARE(f.bench.logLines, QStringList({QStringLiteral("Entering file \"%1\"\n").arg(QString(file)),
                                                QStringLiteral("Leaving file \"%1\"\n").arg(QString(file))}));
    }

    void colourForms_data()
    {
        QTest::addColumn<QByteArray>("rgb");
        QTest::addColumn<uint>("value");
        QTest::newRow("FF0000") << QByteArray("FF0000") << 0xFFFF0000u;
        QTest::newRow("an earlier colour") << QByteArray("BASE") << 0xFF00FF00u;
        QTest::newRow("empty") << QByteArray("") << 0xFF000000u;
    }

    void colourForms()
    {
        QFETCH(QByteArray, rgb);
        QFETCH(uint, value);
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<color id=\"BASE\" rgb=\"00FF00\"/>\n<color id=\"C\" rgb=\"" + rgb + "\"/>")));
        QCOMPARE(f.color("C"), QRgb(value));
        QVERIFY(f.messages().isEmpty());
    }

    void redefiningSetsAnew()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<color id=\"C\" rgb=\"FF0000\"/>\n<color id=\"C\" rgb=\"0000FF\"/>\n"
                              "<offset id=\"X\" value=\"1\"/>\n<offset id=\"X\" value=\"X+1\"/>")));
        QCOMPARE(f.tables.colors.size(), 1);
        QCOMPARE(f.color("C"), QRgb(0xFF0000FF));
        QCOMPARE(f.offset("X"), 2);
    }

    void offsetExpressions_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("X+5") << QByteArray("X+5") << 15;
        QTest::newRow("X - 3") << QByteArray("X - 3") << 7;
        QTest::newRow("-5") << QByteArray("-5") << -5;
        QTest::newRow("10 20") << QByteArray("10 20") << 30;
        QTest::newRow("1.5") << QByteArray("1.5") << 6;
    }

    void offsetExpressions()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<offset id=\"X\" value=\"10\"/>\n<offset id=\"R\" value=\"" + value + "\"/>")));
        QCOMPARE(f.offset("R"), expected);
        QVERIFY(f.messages().isEmpty());
    }

    void undefinedOffsetReportedOnceWithItsLine()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<offset id=\"X\" value=\"10\"/>\n<offset id=\"R\" value=\"Y+2\"/>")));
        QCOMPARE(f.offset("R"), 2);
        QCOMPARE(f.messages(), QStringList{QStringLiteral(
                                   "ERROR: Could not find a definition for offset \"Y\" on line 4 of the skin file.")});
    }

    void tablesStopAtTheirCapacity_data()
    {
        QTest::addColumn<QByteArray>("element");
        QTest::addColumn<int>("fill");
        QTest::addColumn<QString>("message");
        QTest::newRow("256 colours") << QByteArray("color") << 256
                                     << QStringLiteral("ERROR: Maximimum number of COLOR objects exceeded");
        QTest::newRow("64 fonts, 62 after the predefined two")
            << QByteArray("font") << 62 << QStringLiteral("ERROR: Maximimum number of FONT objects exceeded");
        QTest::newRow("10000 offsets") << QByteArray("offset") << 10000
                                       << QStringLiteral("ERROR: Maximimum number of OFFSET objects exceeded");
        QTest::newRow("1024 regions") << QByteArray("region") << 1024
                                      << QStringLiteral("ERROR: Maximimum number of REGION objects exceeded");
    }

    void tablesStopAtTheirCapacity()
    {
        QFETCH(QByteArray, element);
        QFETCH(int, fill);
        QFETCH(QString, message);
        tcSkinFixture f;
        // One more than fits, then a redefinition of the first, which still works.
        const QByteArray extra = "<" + element + " id=\"EXTRA\"/>\n";
        QVERIFY(f.load(skinOf(repeated(element.constData(), fill) + extra + extra)));
        QCOMPARE(f.messages(), QStringList({message, message}));
        const QString name = QStringLiteral("EXTRA");
        if (element == "color") {
            QCOMPARE(f.tables.colors.size(), 256);
            QVERIFY(!f.tables.color(name));
        } else if (element == "font") {
            QCOMPARE(f.tables.fontCount(), 64);
            QVERIFY(!f.tables.font(name));
        } else if (element == "offset") {
            QCOMPARE(f.tables.offsets.size(), 10000);
            QCOMPARE(f.tables.offsets.find(tcSkinName(name)), -1);
        } else {
            QCOMPARE(f.tables.regions.size(), 1024);
            QCOMPARE(f.tables.regions.find(tcSkinName(name)), -1);
        }
    }

    void fullTableStillRedefines()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf(repeated("color", 256) + "<color id=\"N0\" rgb=\"123456\"/>")));
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.color("N0"), QRgb(0xFF123456));
    }

    void meterBaryWinsWhateverTheOrder_data()
    {
        QTest::addColumn<QByteArray>("position");
        QTest::newRow("bary last") << QByteArray("barly=\"5\" barry=\"6\" bary=\"9\" ovrly=\"1\" ovry=\"3\"");
        QTest::newRow("bary first") << QByteArray("bary=\"9\" ovry=\"3\" barly=\"5\" ovrly=\"1\" barry=\"6\"");
    }

    void meterBaryWinsWhateverTheOrder()
    {
        QFETCH(QByteArray, position);
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<meter id=\"M\"><position x=\"100\" y=\"50\" " + position + "/></meter>")));
        auto* meter = f.object<tcGuiMeter>("M");
        QVERIFY(meter);
        QCOMPARE(meter->barRect(0).topLeft(), QPoint(100, 59));
        QCOMPARE(meter->barRect(1).topLeft(), QPoint(110, 59));
        QCOMPARE(meter->lampRect(0).y(), 53);
        QCOMPARE(meter->lampRect(1).y(), 53);
    }

    void secondElementWithTheSameIdAddsToTheFirst()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<button id=\"B\"><position x=\"5\" y=\"6\"/></button>\n"
                              "<button id=\"B\"><text value=\"Go\"/></button>")));
        QCOMPARE(f.bench.objects().size(), size_t(1));
        auto* button = f.object<tcGuiButton>("B");
        QCOMPARE(button->x(), 5);
        QCOMPARE(button->y(), 6);
        QCOMPARE(button->caption(), QStringLiteral("Go"));
        QCOMPARE(button->serial(), 10001);
    }

    void imageReferencedBeforeItsElement()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<button id=\"B\"><bitmap image=\"IMG\"/></button>\n"
                              "<image id=\"IMG\" file=\"button.png\" sections=\"12\" trans=\"FF00FF\"/>\n"
                              "<lamp id=\"L\"/>")));
        QCOMPARE(f.bench.objects().size(), size_t(3));
        auto* image = f.object<tcGuiImage>("IMG");
        QCOMPARE(image->kind(), GUI_KIND_IMAGE);
        QCOMPARE(image->serial(), 10002);
        QCOMPARE(image->file(), f.path(QStringLiteral("button.png")));
        QCOMPARE(image->sections(), 12);
        QVERIFY(image->hasTransparentColor());
        QCOMPARE(image->transparentColor(), QRgb(0xFFFF00FF));
        QCOMPARE(f.object<tcGuiObject>("L")->serial(), 10003);
    }

    void nestingStopsAtDepthTen_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("loads");
        QTest::newRow("9 deep") << 9 << true;
        QTest::newRow("10 deep") << 10 << false;
    }

    void nestingStopsAtDepthTen()
    {
        QFETCH(int, depth);
        QFETCH(bool, loads);
        // One element a line: the element at depth n starts on line n.
        QByteArray text = "<skin>";
        for (int level = 2; level <= depth; ++level)
            text += "\n<a>";
        for (int level = 2; level <= depth; ++level)
            text += "</a>";
        text += "</skin>\n<!-- -->";
        tcSkinFixture f;
        QCOMPARE(f.load(text), loads);
        const QStringList expected = loads ? QStringList()
                                           : QStringList{QStringLiteral(
                                                 "XML nesting exceeded max depth at line 10 of the skin file.")};
        QCOMPARE(f.messages(), expected);
    }

    void missingIdIsReportedAndTheElementIgnored()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<knob>\n<position x=\"5\"/>\n</knob>\n<color rgb=\"1\"/>\n<button id=\"\"/>")));
        QCOMPARE(f.messages(),
                 QStringList({QStringLiteral("ERROR: Object \"knob\" with no id attribute on line 3 of the skin file."),
                              QStringLiteral("ERROR: Object \"color\" with no id attribute on line 6 of the skin file."),
                              QStringLiteral("ERROR: Object \"button\" with no id attribute on line 7 of the skin "
                                             "file.")}));
        QVERIFY(f.bench.objects().isEmpty());
        QCOMPARE(f.tables.colors.size(), 0);
    }

    void unknownAndMisplacedElementsAreIgnoredSilently()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<position x=\"1\"/>\n<frob id=\"F\"><button id=\"INNER\"/></frob>\n"
                              "<button id=\"B\" shape=\"round\"><radioitem id=\"R\"/><drop rows=\"3\"/>"
                              "<position x=\"7\" z=\"3\"/></button>\n<text value=\"x\"/>")));
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.bench.objects().size(), size_t(1));
        QCOMPARE(f.object<tcGuiObject>("B")->x(), 7);
    }

    void anIdOfAnotherKindIsRefused()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<button id=\"B\"/>\n<knob id=\"B\"><position x=\"9\"/></knob>")));
        QCOMPARE(f.bench.objects().size(), size_t(1));
        QCOMPARE(f.object<tcGuiObject>("B")->kind(), GUI_KIND_BUTTON);
        QCOMPARE(f.object<tcGuiObject>("B")->x(), 0);
        QCOMPARE(f.messages(), QStringList{QStringLiteral("ERROR: Object \"knob\" with id \"B\" on line 4 of the skin "
                                                          "file names an object of another kind.")});
    }

    void malformedMainFileFails()
    {
        tcSkinFixture f;
        QVERIFY(!f.load("<skin>\n<button id=\"B\">\n</skin>\n"));
        QCOMPARE(f.messages(), QStringList{QStringLiteral("Parse error at line 3:mismatched tag of the skin file.")});
    }

    void missingFileFailsWithOnlyTheFileLines()
    {
        tcSkinFixture f;
        tcSkinLoader loader(f.bench, f.tables);
        QVERIFY(!loader.load(f.path(QStringLiteral("none.xml"))));
        QCOMPARE(f.bench.logLines.size(), 2);
        QVERIFY(f.messages().isEmpty());
    }

    void includedFileReadInPlace()
    {
        tcSkinFixture f;
        f.write(QStringLiteral("part.xml"), "<color id=\"FROM_PART\" rgb=\"ABCDEF\"/>\n<button id=\"INSIDE\"/>\n");
        QVERIFY(f.load(WITH_PART));
        QStringList ids;
        for (const auto& object : f.bench.objects())
            ids.append(object->id());
        QCOMPARE(ids, QStringList({"BEFORE", "INSIDE", "AFTER"}));
        QCOMPARE(f.color("FROM_PART"), QRgb(0xFFABCDEF));
        const QString main = QString(QFile::encodeName(f.path()));
        const QString part = QString(QFile::encodeName(f.path(QStringLiteral("part.xml"))));
        QCOMPARE(f.bench.logLines, QStringList({QStringLiteral("Entering file \"%1\"\n").arg(main),
                                                QStringLiteral("Entering file \"%1\"\n").arg(part),
                                                QStringLiteral("Leaving file \"%1\"\n").arg(part),
                                                QStringLiteral("Leaving file \"%1\"\n").arg(main)}));
    }

    void includedFileWithItsOwnErrorDoesNotFailTheOuterParse()
    {
        tcSkinFixture f;
        f.write(QStringLiteral("part.xml"), "<button id=\"INSIDE\"/>\n<knob id=\"K\"><position x=\"1\"/></lamp>\n");
        QVERIFY(f.load(WITH_PART));
        QCOMPARE(f.messages(), QStringList{QStringLiteral("Parse error at line 2:mismatched tag of the skin file.")});
        // The knob left open by the broken file does not swallow what follows it.
        auto* after = f.object<tcGuiObject>("AFTER");
        QVERIFY(after);
        QCOMPARE(after->kind(), GUI_KIND_BUTTON);
        QVERIFY(f.object<tcGuiObject>("K"));
    }

    void includedFileMissingOrIncludingItself_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QByteArray>("part");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("including itself") << true << QByteArray("<button id=\"INSIDE\"/>\n&part;\n");
    }

    void includedFileMissingOrIncludingItself()
    {
        QFETCH(bool, write);
        QFETCH(QByteArray, part);
        tcSkinFixture f;
        if (write)
            f.write(QStringLiteral("part.xml"), part);
        QVERIFY(f.load(WITH_PART));
        QVERIFY(f.object<tcGuiObject>("AFTER"));
        QCOMPARE(f.messages().size(), write ? 1 : 0);
    }

    void includedFilesAreCounted()
    {
        tcSkinFixture f;
        f.write(QStringLiteral("part.xml"), "<button id=\"INSIDE\"/>\n");
        QByteArray references;
        for (int i = 0; i < 260; ++i)
            references += "&part;\n";
        QByteArray skin = WITH_PART;
        skin.replace("&part;\n", references);
        QVERIFY(f.load(skin));
        const QString part = QString(QFile::encodeName(f.path(QStringLiteral("part.xml"))));
        QCOMPARE(f.bench.logLines.count(QStringLiteral("Entering file \"%1\"\n").arg(part)), 256);
        QCOMPARE(f.messages().size(), 4);
        QCOMPARE(f.messages().front(),
                 QStringLiteral("ERROR: Too many included files at line 263 of the skin file."));
        QVERIFY(f.object<tcGuiObject>("AFTER"));
    }

    void onlyPlainFilesAreIncluded()
    {
        tcSkinFixture f;
        QByteArray skin = WITH_PART;
        skin.replace("part.xml", "/dev/zero");
        QVERIFY(f.load(skin));
        QCOMPARE(f.bench.logLines.size(), 4);
        QVERIFY(f.messages().isEmpty());
        QVERIFY(f.object<tcGuiObject>("AFTER"));
    }

    void objectNumbersAreHeldInBounds()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<offset id=\"BIG\" value=\"2000000000\"/>\n"
                              "<button id=\"B\"><position x=\"5000000\" y=\"-BIG\"/></button>")));
        QCOMPARE(f.offset("BIG"), 2000000000);
        QCOMPARE(f.object<tcGuiObject>("B")->x(), 1000000);
        QCOMPARE(f.object<tcGuiObject>("B")->y(), -1000000);
    }

    void nestingCountsAcrossIncludedFiles()
    {
        tcSkinFixture f;
        // The part's elements start at depth 2, as the reference does; nine nested reach 10.
        f.write(QStringLiteral("part.xml"), "<a><a><a><a><a><a><a><a><a/></a></a></a></a></a></a></a></a>");
        QVERIFY(!f.load(WITH_PART));
        QCOMPARE(f.messages(),
                 QStringList{QStringLiteral("XML nesting exceeded max depth at line 1 of the skin file.")});
        QVERIFY(!f.object<tcGuiObject>("AFTER"));
    }

    void fontsAreDefinedOrChanged()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<font id=\"TITLE\" face=\"Liberation Serif\" size=\"20\" bold=\"1\" italic=\"2\" "
                              "angle=\"90\" space=\"14\"/>\n<font id=\"GQGUI_HFONT\" size=\"10\" bold=\"0\"/>")));
        QCOMPARE(f.tables.fontCount(), 3);
        const tcSkinFont* title = f.tables.font(QStringLiteral("TITLE"));
        QVERIFY(title);
        QCOMPARE(title->face(), QStringLiteral("Liberation Serif"));
        QCOMPARE(title->font().pixelSize(), 17);
        QCOMPARE(title->font().weight(), QFont::Bold);
        QVERIFY(title->font().italic());
        QCOMPARE(title->angle(), 90);
        QCOMPARE(title->space(), 14);
        const tcSkinFont* header = f.tables.font(QStringLiteral("GQGUI_HFONT"));
        QCOMPARE(header->font().pixelSize(), 7);
        QCOMPARE(header->space(), 11);
        QVERIFY(!f.tables.font(QString()));
    }

    void regionsAndScreens()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<offset id=\"X\" value=\"10\"/>\n<region id=\"R\" x=\"X+1\" y=\"2\" w=\"30\"/>\n"
                              "<screen id=\"S\" visible=\"1\" title=\"Main\" number=\"2\" x=\"X\">"
                              "<obj id=\"O\" objref=\"B\" xoffset=\"3\"/><obj id=\"O\" yoffset=\"4\"/><obj/></screen>\n"
                              "<screen id=\"S\" meta=\"m\"/>")));
        const tcSkinRegion& region = f.tables.regions.at(f.tables.regions.find(tcSkinName(QStringLiteral("R"))));
        QCOMPARE(region.x, 11);
        QCOMPARE(region.y, 2);
        QCOMPARE(region.w, 30);
        QCOMPARE(region.h, 100);
        QCOMPARE(f.tables.screens().size(), size_t(1));
        const tcSkinScreen& screen = *f.tables.screens().front();
        QVERIFY(screen.visible);
        QCOMPARE(screen.title, QStringLiteral("Main"));
        QCOMPARE(screen.meta, QStringLiteral("m"));
        QCOMPARE(screen.number, 2);
        QCOMPARE(screen.x, 10);
        QCOMPARE(screen.objects.size(), size_t(1));
        QCOMPARE(screen.objects.front().objref, QStringLiteral("B"));
        QCOMPARE(screen.objects.front().xoffset, 3);
        QCOMPARE(screen.objects.front().yoffset, 4);
        QCOMPARE(f.messages().size(), 1);
    }

    void everyLoadStartsAfresh()
    {
        tcSkinFixture f;
        QVERIFY(f.load(skinOf("<color id=\"A\"/>\n<font id=\"F\"/>\n<offset id=\"O\"/>\n<region id=\"R\"/>")));
        QVERIFY(f.load(skinOf("<lamp id=\"L\"/>")));
        QCOMPARE(f.tables.colors.size(), 0);
        QCOMPARE(f.tables.fontCount(), 2);
        QCOMPARE(f.tables.offsets.size(), 0);
        QCOMPARE(f.tables.regions.size(), 0);
        QCOMPARE(f.object<tcGuiObject>("L")->serial(), 10001);
    }
};

QTEST_MAIN(tst_SkinLoader)
#include "tst_skinloader.moc"
