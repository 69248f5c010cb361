// skinshot's preview: a skin folder or packed file rendered with the main area and one
// processing group, and the report of what a skin lacks.

#include "gqgui/gui_object.h"
#include "tools/skinshot/shot_bench.h"
#include "tools/skinshot/skin_shot.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString builtSkin(const QString& name)
{
    return QStringLiteral(K7_SKINS_BUILD_DIR "/") + name;
}

QImage shot(const QString& skin, int group)
{
    tcSkinShot preview;
    if (!preview.load(skin))
        qFatal("%s", qPrintable(preview.error()));
    return preview.render(group);
}

// Bounding box of the pixels where two pictures of the same size differ.
QRect differences(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

class tcSkinShotTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesTheWholeBackground()
    {
        const QImage picture = shot(builtSkin(QStringLiteral("default")), 2);
        QCOMPARE(picture.size(), QImage(builtSkin(QStringLiteral("default/bkgrnd.png"))).size());
    }

    void packedSkinLooksLikeItsFolder_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("default") << QStringLiteral("default");
        QTest::newRow("compact") << QStringLiteral("compact");
    }

    void packedSkinLooksLikeItsFolder()
    {
        QFETCH(QString, skin);
        const QImage folder = shot(builtSkin(skin), 4);
        const QImage packed = shot(builtSkin(skin + QStringLiteral(".skin")), 4);
        QVERIFY(!folder.isNull());
        QVERIFY(folder == packed);
    }

    // Changing the group changes the group area and the flow buttons (which show the
    // group that is shown), nothing else; any control index outside 0..5 shows the input.
    void groupChangesOnlyItsArea()
    {
        const QString skin = builtSkin(QStringLiteral("default"));
        tcShotBench bench(nullptr, skin);
        QCOMPARE(bench.load(), 0);
        QRect allowed = bench.objects().find(QStringLiteral("PEQ_BKGRND"))->bounds();
        for (const char* flow : {"FLOW_PEQ", "FLOW_EXPANDER"})
            allowed |= bench.objects().find(QLatin1String(flow))->bounds();

        const QImage eq = shot(skin, 2);
        const QImage expander = shot(skin, 4);
        const QRect changed = differences(eq, expander);
        QVERIFY(!changed.isEmpty());
        QVERIFY2(allowed.contains(changed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                           .arg(changed.x())
                                                           .arg(changed.y())
                                                           .arg(changed.width())
                                                           .arg(changed.height())));
        QVERIFY(shot(skin, 9) == shot(skin, 5));
        QVERIFY(shot(skin, 9) != shot(skin, 0));
    }

    void shippedSkinsWarnOfNothing()
    {
        for (const char* skin : {"default", "compact"}) {
            tcSkinShot preview;
            QVERIFY(preview.load(builtSkin(QLatin1String(skin))));
            QCOMPARE(preview.warnings(), QStringList());
        }
    }

    // A skin author learns which bound names the skin lacks or gives the wrong kind.
    void warnsOfMissingAndMisfitObjects()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(writeFile(folder.filePath(QStringLiteral("skin.xml")),
                          "<skin>\n<image id=\"BKGRND\" file=\"none.png\"/>\n"
                          "<label id=\"TAKE\"><position x=\"1\" y=\"1\"/></label>\n"
                          "<knob id=\"K\"><position x=\"UNDEFINED\" y=\"1\"/></knob>\n</skin>\n"));
        tcSkinShot preview;
        QVERIFY2(preview.load(folder.path()), qPrintable(preview.error()));
        const QStringList warnings = preview.warnings();
        QVERIFY(warnings.contains(QStringLiteral("no object \"SYS_EXIT\" for the main group")));
        QVERIFY(warnings.contains(QStringLiteral("no object \"SYS_AES_MUTE\" for the system group")));
        QVERIFY(warnings.contains(QStringLiteral("\"TAKE\" is of kind 16; the main group needs kind 3")));
        QVERIFY(!warnings.contains(QStringLiteral("no object \"BKGRND\" for the main group")));
        QVERIFY(warnings.contains(QStringLiteral(
            "ERROR: Could not find a definition for offset \"UNDEFINED\" on line 4 of the skin file.")));
        QVERIFY(!preview.render(0).isNull());
    }

    void refusesWhatIsNoSkin_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing there") << "missing" << QByteArray() << "is neither a skin folder nor a packed skin file";
        QTest::newRow("not packed") << "plain.skin" << QByteArray("PLAIN TEXT, NOT A SKIN")
                                    << "Failed attempting to unpack skin";
        QTest::newRow("no skin.xml") << "" << QByteArray() << "does not load";
        QTest::newRow("no background") << "skin.xml" << QByteArray("<skin><image id=\"BACK\"/></skin>")
                                       << "the skin has no \"BKGRND\" image";
    }

    void refusesWhatIsNoSkin()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(QString, error);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (!contents.isEmpty())
            QVERIFY(writeFile(folder.filePath(file), contents));
        // A skin.xml is loaded from its folder; any other name is given as it is.
        const QString skin = file == QLatin1String("skin.xml") ? folder.path() : folder.filePath(file);
        tcSkinShot preview;
        QVERIFY(!preview.load(skin));
        QVERIFY2(preview.error().contains(error), qPrintable(preview.error()));
    }
};

QTEST_MAIN(tcSkinShotTest)
#include "tst_skinshot.moc"
