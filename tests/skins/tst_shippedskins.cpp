// The skins the application ships, as the build assembles them: they load without a
// message, define every object the control groups bind, fit their window, draw every state
// of their objects from real bitmap sections, and pack into .skin files that hold them.

#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_lamp.h"
#include "gqgui/gui_meter.h"
#include "gqgui/meter_tables.h"
#include "gqgui/skin_pack.h"
#include "groups/binding_table.h"
#include "tools/skinshot/shot_bench.h"

#include <QDir>
#include <QDirIterator>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString builtSkin(const QString& name)
{
    return QStringLiteral(K7_SKINS_BUILD_DIR "/") + name;
}

// The files of a folder, by path relative to it, with their contents.
QMap<QString, QByteArray> folderContents(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            contents.insert(QDir(folder).relativeFilePath(path), file.readAll());
    }
    return contents;
}

// A placeholder (a bitmap or section that is not there) has pure red lines; no shipped
// bitmap uses that colour.
bool drawsPlaceholder(const QImage& image, const QRect& area)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixel(x, y) == 0xFFFF0000u)
                return true;
        }
    }
    return false;
}

// The bindings of the main area and of each processing group.
const tcSkinGroup& mainArea()
{
    return SKIN_GROUPS[0];
}

std::span<const tcSkinGroup> processingGroups()
{
    return std::span(SKIN_GROUPS).subspan(1);
}

} // namespace

class tcShippedSkinsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<tcShotBench> loadSkin(const QString& name)
    {
        auto bench = std::make_unique<tcShotBench>(nullptr, builtSkin(name));
        if (bench->load() != 0)
            qWarning() << bench->messages();
        return bench;
    }

    void addSkinRows()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("default") << QStringLiteral("default");
        QTest::newRow("compact") << QStringLiteral("compact");
    }

    // The objects one group binds that the skin defines, backgrounds left out.
    static QList<tcGuiObject*> drawnObjects(tcBench& bench, std::span<const tcBindingEntry> bindings)
    {
        QList<tcGuiObject*> objects;
        for (const tcBindingEntry& binding : bindings) {
            tcGuiObject* object = bench.objects().find(QLatin1String(binding.name));
            if (object && object->kind() != GUI_KIND_IMAGE)
                objects.append(object);
        }
        return objects;
    }

    // Paints the object alone; false when it drew a placeholder.
    static bool drawsCleanly(tcGuiObject& object, QSize window)
    {
        QImage image(window, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        object.paint(painter);
        painter.end();
        return !drawsPlaceholder(image, object.bounds());
    }

    // No object's bounds or caption meet another object's bounds.
    static void verifyApart(const QList<tcGuiObject*>& objects, const QString& where)
    {
        for (tcGuiObject* a : objects) {
            for (tcGuiObject* b : objects) {
                if (a == b)
                    continue;
                QVERIFY2(!a->bounds().intersects(b->bounds()) && !a->captionBox().intersects(b->bounds()),
                         qPrintable(QStringLiteral("%1: %2 meets %3").arg(where, a->id(), b->id())));
            }
        }
    }

private slots:
    void loadsWithOnlyTheFileLines_data() { addSkinRows(); }

    // The bench announces the load; after that the loader says nothing but which file it
    // enters and leaves: the skin file around its included files, each entered and left
    // in turn, all in the skin folder.
    void loadsWithOnlyTheFileLines()
    {
        QFETCH(QString, skin);
        const auto bench = loadSkin(skin);
        const QStringList messages = bench->messages();
        QVERIFY(messages.size() >= 5);
        QCOMPARE(messages.first(), QStringLiteral("Opening skin file"));
        const QString main = QDir(builtSkin(skin)).filePath(QStringLiteral("skin.xml"));
        QCOMPARE(messages[1], QStringLiteral("Entering file \"%1\"").arg(main));
        QCOMPARE(messages.last(), QStringLiteral("Leaving file \"%1\"").arg(main));
        const QRegularExpression fileLine(QStringLiteral("^(Entering|Leaving) file \"(.+)\"$"));
        int included = 0;
        for (qsizetype i = 2; i + 1 < messages.size(); i += 2) {
            const QRegularExpressionMatch entering = fileLine.match(messages[i]);
            const QRegularExpressionMatch leaving = fileLine.match(messages[i + 1]);
            QVERIFY2(entering.hasMatch() && entering.captured(1) == QLatin1String("Entering"), qPrintable(messages[i]));
            QVERIFY2(leaving.hasMatch() && leaving.captured(1) == QLatin1String("Leaving"), qPrintable(messages[i + 1]));
            QCOMPARE(leaving.captured(2), entering.captured(2));
            QCOMPARE(QFileInfo(entering.captured(2)).absolutePath(), QFileInfo(main).absolutePath());
            QVERIFY(QFileInfo::exists(entering.captured(2)));
            ++included;
        }
        QVERIFY(included >= 1);
        QCOMPARE(messages.size(), 3 + 2 * included);
    }

    void definesEveryBinding_data() { addSkinRows(); }

    // Every name of every group's bindings is an object of the loaded skin, of the kind
    // its group drives.
    void definesEveryBinding()
    {
        QFETCH(QString, skin);
        const auto bench = loadSkin(skin);
        int names = 0;
        for (const tcSkinGroup& group : SKIN_GROUPS) {
            for (const tcBindingEntry& binding : group.bindings) {
                const tcGuiObject* object = bench->objects().find(QLatin1String(binding.name));
                QVERIFY2(object, qPrintable(QStringLiteral("no %1 in the %2 group").arg(binding.name, group.name)));
                if (binding.kind != SKIN_ANY_KIND)
                    QCOMPARE(object->kind(), binding.kind);
                ++names;
            }
        }
        // The seven groups bind 107 names between them.
        QCOMPARE(names, 107);
    }

    void bitmapsAreAllThere_data() { addSkinRows(); }

    // Every image the skin names was drawn by the build and loads.
    void bitmapsAreAllThere()
    {
        QFETCH(QString, skin);
        const auto bench = loadSkin(skin);
        int images = 0;
        for (const auto& object : bench->objects()) {
            if (object->kind() != GUI_KIND_IMAGE)
                continue;
            const auto* image = static_cast<const tcGuiImage*>(object.get());
            QVERIFY2(image->hasPixmap(), qPrintable(image->id() + QLatin1Char(' ') + image->file()));
            ++images;
        }
        QVERIFY(images > 20);
    }

    void layoutFitsTheWindow_data() { addSkinRows(); }

    // Everything lies inside the background; the main area's objects are apart from each
    // other; each group's objects are apart from each other and from the main area, and
    // inside the group's background, with the main graph on that group's panel.
    void layoutFitsTheWindow()
    {
        QFETCH(QString, skin);
        const auto bench = loadSkin(skin);
        const tcGuiObject* background = bench->objects().find(QStringLiteral("BKGRND"), GUI_KIND_IMAGE);
        QVERIFY(background);
        const QRect window = background->bounds();
        QVERIFY(window.width() >= 640 && window.height() >= 400);
        auto* graph = static_cast<tcGuiApGraph*>(bench->objects().find(QStringLiteral("GRAPH"), GUI_KIND_APGRAPH));
        QVERIFY(graph);
        for (const tcSkinGroup& group : processingGroups()) {
            graph->selectPanel(group.graphPanel);
            const QList<tcGuiObject*> main = drawnObjects(*bench, mainArea().bindings);
            const QList<tcGuiObject*> own = drawnObjects(*bench, group.bindings);
            // Each processing group lists its background first.
            const tcGuiObject* groupBackground = bench->objects().find(QLatin1String(group.bindings[0].name));
            QVERIFY(groupBackground);
            for (const tcGuiObject* object : main + own) {
                QVERIFY2(window.contains(object->bounds()) && window.contains(object->captionBox()),
                         qPrintable(object->id()));
            }
            for (const tcGuiObject* object : own)
                QVERIFY2(groupBackground->bounds().contains(object->bounds()), qPrintable(object->id()));
            verifyApart(main + own, QLatin1String(group.name));
        }
    }

    void statesDrawFromRealSections_data() { addSkinRows(); }

    // Each object of every group is drawn in the states that reach its bitmap's last
    // sections (knob ring full and pressed, each button style pressed, check boxes
    // checked and pressed, lamps on, meters lit on every scale with the lamp, combo arrows
    // pressed); a section the bitmap lacks would draw the placeholder.
    void statesDrawFromRealSections()
    {
        QFETCH(QString, skin);
        const auto bench = loadSkin(skin);
        const QRect window = bench->objects().find(QStringLiteral("BKGRND"))->bounds();
        QWidget host;
        int drawn = 0;
        QStringList failures;
        for (const tcSkinGroup& group : SKIN_GROUPS) {
            for (tcGuiObject* object : drawnObjects(*bench, group.bindings)) {
                object->setParentWidget(&host);
                object->show(true);
                const auto clean = [&](const QString& state) {
                    ++drawn;
                    return drawsCleanly(*object, window.size()) ? QString() : object->id() + QLatin1Char(' ') + state;
                };
                const QPoint centre = object->bounds().center();
                switch (object->kind()) {
                case GUI_KIND_KNOB: {
                    auto* knob = static_cast<tcGuiKnob*>(object);
                    knob->setStyle(tcGuiKnob::RING_BAR);
                    knob->setValue(knob->maximum());
                    QVERIFY(knob->mousePress(centre.x(), centre.y()));
                    failures << clean(QStringLiteral("full and pressed"));
                    knob->setInputFlags(GUI_INPUT_DISABLED);
                    failures << clean(QStringLiteral("disabled"));
                    knob->setInputFlags(0);
                    break;
                }
                case GUI_KIND_BUTTON: {
                    auto* button = static_cast<tcGuiButton*>(object);
                    QVERIFY(button->mousePress(centre.x(), centre.y()));
                    for (int style = 0; style < tcGuiButton::STYLE_COUNT; ++style) {
                        button->setStyle(style);
                        failures << clean(QStringLiteral("style %1 pressed").arg(style));
                    }
                    break;
                }
                case GUI_KIND_CHECKBOX: {
                    auto* box = static_cast<tcGuiCheckBox*>(object);
                    box->setChecked(true);
                    QVERIFY(box->mousePress(centre.x(), centre.y()));
                    failures << clean(QStringLiteral("checked and pressed"));
                    break;
                }
                case GUI_KIND_LAMP:
                    static_cast<tcGuiLamp*>(object)->setState(1);
                    QCOMPARE(static_cast<tcGuiLamp*>(object)->state(), 1);
                    failures << clean(QStringLiteral("on"));
                    break;
                case GUI_KIND_METER: {
                    auto* meter = static_cast<tcGuiMeter*>(object);
                    for (const int style : {METER_VU30, METER_VU60, METER_GR30}) {
                        meter->setStyle(style, true, 1);
                        for (const int overload : {0, 1}) {
                            meter->setLevels({200, 200}, {230, 230}, {overload, overload});
                            failures << clean(QStringLiteral("style %1 overload %2").arg(style).arg(overload));
                        }
                    }
                    break;
                }
                case GUI_KIND_COMBO: {
                    auto* combo = static_cast<tcGuiCombo*>(object);
                    const QRect box = combo->bounds();
                    QVERIFY(combo->mousePress(box.right() - 1, box.bottom() - 1));
                    failures << clean(QStringLiteral("down pressed"));
                    combo->mouseRelease(-100, -100);
                    QVERIFY(combo->mousePress(box.right() - 1, box.top() + 1));
                    failures << clean(QStringLiteral("up pressed"));
                    break;
                }
                default:
                    failures << clean(QStringLiteral("shown"));
                    break;
                }
            }
        }
        failures.removeAll(QString());
        QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("placeholders: ") + failures.join(QStringLiteral(", "))));
        QVERIFY(drawn > 100);
    }

    void packedSkinHoldsTheFolder_data() { addSkinRows(); }

    // The build packs each skin folder; unpacking the file gives the folder back, file for
    // file and byte for byte.
    void packedSkinHoldsTheFolder()
    {
        QFETCH(QString, skin);
        const QString packed = builtSkin(skin + QStringLiteral(".skin"));
        QVERIFY2(QFileInfo::exists(packed), qPrintable(packed));
        QTemporaryDir target;
        QVERIFY(target.isValid());
        QString error;
        QCOMPARE(unpackSkin(packed, target.path(), &error), 0);
        const QMap<QString, QByteArray> folder = folderContents(builtSkin(skin));
        const QMap<QString, QByteArray> unpacked = folderContents(target.path());
        QCOMPARE(unpacked.keys(), folder.keys());
        QVERIFY(folder.contains(QStringLiteral("skin.xml")) && folder.contains(QStringLiteral("bkgrnd.png")));
        QVERIFY(unpacked == folder);
    }
};

QTEST_MAIN(tcShippedSkinsTest)
#include "tst_shippedskins.moc"
