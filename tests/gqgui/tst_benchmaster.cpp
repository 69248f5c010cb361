#include "gqgui/bench_master.h"
#include "gqgui/gqgui_widget.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_meter.h"
#include "tests/gqgui/test_bench.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdarg>

// A bench master that keeps its log lines.
class tcLoggingBenchMaster : public tcBenchMaster
{
public:
    using tcBenchMaster::tcBenchMaster;

    void fitWindow() override {}
    void log(const char* format, ...) override
    {
        char buffer[2048];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        lines.append(QString::fromUtf8(buffer));
    }

    QStringList lines;
};

// A skin folder with a 2-section bitmap and the given skin.xml, and a host widget.
struct BenchFixture
{
    QTemporaryDir dir;
    tcGQGuiWidget host;
    tcLoggingBenchMaster bench;

    explicit BenchFixture(const QByteArray& skin) : bench(&host, dir.path())
    {
        writeStrip(QDir(dir.path()), QStringLiteral("strip.png"), 2, 12, 30);
        QFile file(QDir(dir.path()).filePath(QStringLiteral("skin.xml")));
        if (file.open(QIODevice::WriteOnly))
            file.write(skin);
    }
};

namespace {
const QByteArray GOOD_SKIN = "<skin>\n"
                             "<font id=\"GQGUI_HFONT\" face=\"Liberation Sans\" size=\"20\"/>\n"
                             "<color id=\"PEQ1color\" rgb=\"FF8000\"/>\n"
                             "<image id=\"STRIP\" file=\"strip.png\" sections=\"2\"/>\n"
                             "<meter id=\"METER_IN\"><bitmap bar=\"STRIP\"/></meter>\n"
                             "<lamp id=\"LOCAL_MODE_LAMP\"><bitmap image=\"STRIP\"/></lamp>\n"
                             "</skin>\n";
}

class tst_BenchMaster : public QObject
{
    Q_OBJECT

private slots:
    void loadFinishesEveryObjectAndHandsThemTheHost()
    {
        BenchFixture f(GOOD_SKIN);
        QCOMPARE(f.bench.skinFile(), QDir(f.dir.path()).filePath(QStringLiteral("skin.xml")));
        QCOMPARE(f.bench.load(), 0);
        QCOMPARE(f.bench.lines.front(), QStringLiteral("Opening skin file"));
        // The meter's bar strip has two sections: finishing it warns.
        QCOMPARE(f.bench.lines.back(), QStringLiteral("WARNING: Meter bar image does not have 6 sections."));
        QCOMPARE(f.bench.objects().size(), size_t(3));
        for (const auto& object : f.bench.objects()) {
            QVERIFY(object->isLoaded());
            QCOMPARE(object->parentWidget(), &f.host);
        }
        // The lamp took its size from the bitmap's section.
        QCOMPARE(f.bench.objects().find(QStringLiteral("LOCAL_MODE_LAMP"))->bounds(), QRect(0, 0, 12, 30));
    }

    void defaultFontsComeFromTheSkin()
    {
        BenchFixture f(GOOD_SKIN);
        QCOMPARE(f.bench.load(), 0);
        tcSkinFont* header = f.bench.fontByName(QStringLiteral("GQGUI_HFONT"));
        QVERIFY(header);
        QCOMPARE(f.bench.headerFont(), header);
        QCOMPARE(header->face(), QStringLiteral("Liberation Sans"));
        QCOMPARE(header->font().pixelSize(), 17);
        QCOMPARE(f.bench.monoFont(), f.bench.fontByName(QStringLiteral("GQGUI_MONOFONT")));
        QCOMPARE(f.bench.monoFont()->face(), QStringLiteral("Lucida Console"));
        QVERIFY(!f.bench.fontByName(QStringLiteral("NOFONT")));
        QVERIFY(!f.bench.fontByName(QString()));
    }

    void coloursByName()
    {
        BenchFixture f(GOOD_SKIN);
        QCOMPARE(f.bench.load(), 0);
        const QRgb* peq = f.bench.colorByName(QStringLiteral("PEQ1color"));
        QVERIFY(peq);
        QCOMPARE(*peq, QRgb(0xFFFF8000));
        QVERIFY(!f.bench.colorByName(QStringLiteral("PEQ2color")));
        QVERIFY(!f.bench.colorByName(QString()));
    }

    void failedLoadIsLoggedAndFinishesNothing()
    {
        BenchFixture f("<skin>\n<lamp id=\"L\">\n</skin>\n");
        QCOMPARE(f.bench.load(), -1);
        QCOMPARE(f.bench.lines.front(), QStringLiteral("Opening skin file"));
        QCOMPARE(f.bench.lines.back(), QStringLiteral("ERROR: Loading the skin file"));
        QVERIFY(f.bench.lines.contains(QStringLiteral("Parse error at line 3:mismatched tag of the skin file.")));
        for (const auto& object : f.bench.objects())
            QVERIFY(!object->isLoaded());
    }

    void missingFolderFails()
    {
        tcLoggingBenchMaster bench(nullptr, QStringLiteral("/nonexistent/skin/folder"));
        QCOMPARE(bench.load(), -1);
        QCOMPARE(bench.lines.size(), 4);
        QCOMPARE(bench.lines.back(), QStringLiteral("ERROR: Loading the skin file"));
    }

    void clearDropsObjectsAndTables()
    {
        BenchFixture f(GOOD_SKIN);
        QCOMPARE(f.bench.load(), 0);
        f.bench.clear();
        QVERIFY(f.bench.objects().isEmpty());
        QVERIFY(!f.bench.colorByName(QStringLiteral("PEQ1color")));
        QCOMPARE(f.bench.tables().fontCount(), 2);
        // The default fonts now are the predefined ones again.
        QCOMPARE(f.bench.headerFont(), f.bench.fontByName(QStringLiteral("GQGUI_HFONT")));
        QCOMPARE(f.bench.headerFont()->face(), QStringLiteral("Arial"));
    }

    void reloadStartsAfresh()
    {
        BenchFixture f(GOOD_SKIN);
        QCOMPARE(f.bench.load(), 0);
        QCOMPARE(f.bench.load(), 0);
        QCOMPARE(f.bench.objects().size(), size_t(3));
        QCOMPARE((*f.bench.objects().begin())->serial(), 10001);
        QCOMPARE(f.bench.tables().colors.size(), 1);
    }

    void readsThroughAGivenOpener()
    {
        tcLoggingBenchMaster bench(nullptr, QStringLiteral("/memory"));
        bench.setOpener([](const QString& path) -> std::unique_ptr<QIODevice> {
            if (path != QStringLiteral("/memory/skin.xml"))
                return nullptr;
            auto buffer = std::make_unique<QBuffer>();
            buffer->setData("<skin><button id=\"B\"/></skin>");
            buffer->open(QIODevice::ReadOnly);
            return buffer;
        });
        QCOMPARE(bench.load(), 0);
        QVERIFY(bench.objects().find(QStringLiteral("B")));
    }
};

QTEST_MAIN(tst_BenchMaster)
#include "tst_benchmaster.moc"
