// Parse time of a skin: the skin loader (objects and tables, no bitmaps) against expat
// alone parsing the same bytes with no callbacks, and the bench's whole load, with and
// without waiting for every bitmap's picture. Files are read into memory first, so that neither parse counts disk reads.
//
//   bench_skin_loader [SKIN]   SKIN: a skin.xml or its folder, or "--generate"; without it
//                              the default skin the build assembled, or, when that is
//                              missing, a generated skin of some 300 objects.
// Goal: the loader's parse at most 3 times expat's.

#include "gqgui/bench_master.h"
#include "gqgui/gui_image.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <expat.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int ROUNDS = 200;
constexpr int LOAD_ROUNDS = 20;
constexpr double GOAL = 3.0;

#ifdef K7_DEFAULT_SKIN
const char* const DEFAULT_SKIN = K7_DEFAULT_SKIN;
#else
const char* const DEFAULT_SKIN = "";
#endif

// The bytes of every file a parse reads, by absolute path.
using tcFiles = QHash<QString, QByteArray>;

// A bench that keeps quiet.
class tcQuietBench : public tcBenchMaster
{
public:
    explicit tcQuietBench(const QString& folder) : tcBenchMaster(nullptr, folder) {}
    void fitWindow() override {}
    void log(const char*, ...) override {}
};

// ---- expat alone -------------------------------------------------------------------

struct tcBareParse
{
    const tcFiles* files;
    QString folder;
};

int bareEntity(XML_Parser parser, const char* context, const char*, const char* systemId, const char*);

bool bareParse(XML_Parser parser, const QByteArray& bytes)
{
    return XML_Parse(parser, bytes.constData(), int(bytes.size()), XML_TRUE) == XML_STATUS_OK;
}

// Included files are parsed too, by a parser of their own with no callbacks.
int bareEntity(XML_Parser parser, const char* context, const char*, const char* systemId, const char*)
{
    auto* bare = static_cast<tcBareParse*>(XML_GetUserData(parser));
    const QString path = QDir(bare->folder).filePath(QString::fromUtf8(systemId));
    XML_Parser included = XML_ExternalEntityParserCreate(parser, context, nullptr);
    if (included) {
        bareParse(included, bare->files->value(path));
        XML_ParserFree(included);
    }
    return XML_STATUS_OK;
}

void parseWithExpatAlone(const tcFiles& files, const QString& skinFile)
{
    tcBareParse bare{&files, QFileInfo(skinFile).absolutePath()};
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &bare);
    XML_SetExternalEntityRefHandler(parser, bareEntity);
    bareParse(parser, files.value(skinFile));
    XML_ParserFree(parser);
}

// ---- the loader --------------------------------------------------------------------

tcSkinLoader::Opener memoryOpener(const tcFiles& files)
{
    return [&files](const QString& path) -> std::unique_ptr<QIODevice> {
        const auto found = files.find(path);
        if (found == files.end())
            return nullptr;
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(*found);
        buffer->open(QIODevice::ReadOnly);
        return buffer;
    };
}

// Reads the skin file and the files it includes (found by a loader pass from disk).
tcFiles readSkinFiles(const QString& skinFile)
{
    tcFiles files;
    tcQuietBench bench(QFileInfo(skinFile).absolutePath());
    tcSkinTables tables;
    tcSkinLoader loader(bench, tables);
    loader.setOpener([&files](const QString& path) -> std::unique_ptr<QIODevice> {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return nullptr;
        files.insert(path, file.readAll());
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(files.value(path));
        buffer->open(QIODevice::ReadOnly);
        return buffer;
    });
    loader.load(skinFile);
    return files;
}

// Best time of `rounds` runs, in milliseconds; `prepare` runs untimed before each.
double bestOf(int rounds, const std::function<void()>& prepare, const std::function<void()>& work)
{
    double best = 1e30;
    for (int round = 0; round < rounds; ++round) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// ---- a generated skin --------------------------------------------------------------

void writeStrip(const QDir& dir, const char* name, int sections, int w, int h)
{
    QImage image(sections * w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int n = 0; n < sections; ++n)
        painter.fillRect(n * w + 1, 1, w - 2, h - 2, QColor::fromHsv((n * 37) % 360, 160, 200));
    painter.end();
    image.save(dir.filePath(QString::fromLatin1(name)));
}

QByteArray generatedObjects(int first, int count)
{
    QByteArray text;
    for (int i = first; i < first + count; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray at = "x=\"COL" + QByteArray::number(i % 20) + "+" + QByteArray::number(i % 7) + "\" y=\"ROW"
                              + QByteArray::number(i % 20) + "\"";
        switch (i % 8) {
        case 0:
            text += "<knob id=\"KNOB" + n + "\" type=\"RING_BAR\"><position " + at + "/><text value=\"Knob " + n
                    + "\" x=\"20\" y=\"44\" color=\"TEXTcolor\" font=\"LABEL\" align=\"tc\"/>"
                      "<bitmap image=\"KNOBIMG\"/></knob>\n";
            break;
        case 1:
            text += "<display id=\"DSPY" + n + "\"><position " + at + " w=\"60\" h=\"14\"/><text font=\"VALUE\"/>"
                    "<color fg=\"VALUEcolor\" bg=\"TRANSPARENT\" fg_error=\"FF0000\"/>"
                    "<mode editable=\"1\" units=\"dB\" dclickable=\"1\"/></display>\n";
            break;
        case 2:
            text += "<button id=\"BTN" + n + "\"><position " + at + "/><text value=\"B" + n
                    + "\" color=\"TEXTcolor\"/><mode autorepeat=\"0\"/><bitmap image=\"BUTTONIMG\"/></button>\n";
            break;
        case 3:
            text += "<checkbox id=\"CHK" + n + "\"><position " + at + "/><text value=\"On\" x=\"20\" y=\"2\"/>"
                    "<bitmap image=\"CHECKIMG\"/></checkbox>\n";
            break;
        case 4:
            text += "<lamp id=\"LAMP" + n + "\"><position " + at + "/><bitmap image=\"LAMPIMG\"/></lamp>\n";
            break;
        case 5:
            text += "<label id=\"LBL" + n + "\"><position " + at + "/><text value=\"Label " + n
                    + "\" font=\"TITLE\" color=\"TEXTcolor\"/></label>\n";
            break;
        case 6:
            text += "<combo id=\"CMB" + n + "\" type=\"DROP\"><position " + at + " w=\"90\"/>"
                    "<text value=\"Mode\" dfont=\"VALUE\"/><color fg=\"VALUEcolor\" bg_rail=\"202020\"/>"
                    "<drop rows=\"6\"/><bitmap image=\"ARROWS\"/></combo>\n";
            break;
        default:
            text += "<meter id=\"MTR" + n + "\"><position " + at + " bary=\"12\" ovry=\"2\" barrx=\"12\"/>"
                    "<text x=\"30\" y=\"12\" color=\"TEXTcolor\"/><bitmap bar=\"METERBAR\" ovr=\"METEROVR\"/>"
                    "<type style=\"VU30\" clip=\"1\"/></meter>\n";
            break;
        }
    }
    return text;
}

// Writes a skin of some 300 objects with one included file and its bitmaps; returns the
// path of its skin.xml.
QString generateSkin(const QTemporaryDir& dir)
{
    const QDir folder(dir.path());
    writeStrip(folder, "panel.png", 1, 1000, 700);
    writeStrip(folder, "knob.png", 26, 40, 40);
    writeStrip(folder, "button.png", 12, 60, 24);
    writeStrip(folder, "check.png", 6, 16, 16);
    writeStrip(folder, "lamp.png", 2, 12, 12);
    writeStrip(folder, "meterbar.png", 6, 8, 200);
    writeStrip(folder, "meterovr.png", 6, 8, 4);
    writeStrip(folder, "arrows.png", 5, 12, 20);
    QByteArray skin = "<?xml version=\"1.0\"?>\n<!DOCTYPE skin [\n<!ENTITY groups SYSTEM \"groups.xml\">\n]>\n"
                      "<skin>\n";
    for (int i = 0; i < 20; ++i) {
        skin += "<offset id=\"COL" + QByteArray::number(i) + "\" value=\"" + QByteArray::number(20 + 48 * i) + "\"/>\n";
        skin += "<offset id=\"ROW" + QByteArray::number(i) + "\" value=\"" + QByteArray::number(20 + 33 * i) + "\"/>\n";
    }
    skin += "<color id=\"TEXTcolor\" rgb=\"E0E0E0\"/>\n<color id=\"VALUEcolor\" rgb=\"40FF80\"/>\n"
            "<color id=\"PEQ1color\" rgb=\"FF8000\"/>\n<font id=\"LABEL\" face=\"Arial\" size=\"12\"/>\n"
            "<font id=\"VALUE\" face=\"Lucida Console\" size=\"13\"/>\n<font id=\"TITLE\" size=\"16\" bold=\"1\"/>\n"
            "<image id=\"BKGRND\" file=\"panel.png\"/>\n<image id=\"KNOBIMG\" file=\"knob.png\" sections=\"26\"/>\n"
            "<image id=\"BUTTONIMG\" file=\"button.png\" sections=\"12\"/>\n"
            "<image id=\"CHECKIMG\" file=\"check.png\" sections=\"6\"/>\n"
            "<image id=\"LAMPIMG\" file=\"lamp.png\" sections=\"2\"/>\n"
            "<image id=\"METERBAR\" file=\"meterbar.png\" sections=\"6\"/>\n"
            "<image id=\"METEROVR\" file=\"meterovr.png\" sections=\"6\"/>\n"
            "<image id=\"ARROWS\" file=\"arrows.png\" sections=\"5\"/>\n"
            "<ap_graph id=\"GRAPH\"><position1 x=\"300\" y=\"40\" w=\"560\" h=\"250\"/>"
            "<position2 x=\"300\" y=\"300\" w=\"400\" h=\"200\"/><color audio=\"00FF00\"/></ap_graph>\n"
            "<dyngraph id=\"COMP_GRAPH\"><position x=\"20\" y=\"500\" w=\"180\" h=\"170\"/></dyngraph>\n";
    skin += generatedObjects(0, 150) + "&groups;\n</skin>\n";
    QFile main(folder.filePath(QStringLiteral("skin.xml")));
    QFile groups(folder.filePath(QStringLiteral("groups.xml")));
    if (!main.open(QIODevice::WriteOnly) || !groups.open(QIODevice::WriteOnly))
        return QString();
    main.write(skin);
    groups.write(generatedObjects(150, 150));
    return main.fileName();
}

QString skinFileOf(const QString& argument)
{
    return QFileInfo(argument).isDir() ? QDir(argument).filePath(QStringLiteral("skin.xml")) : argument;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir generated;
    QString skinFile;
    const QString argument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!argument.isEmpty() && argument != QLatin1String("--generate"))
        skinFile = skinFileOf(argument);
    else if (argument.isEmpty() && QFileInfo(QString::fromUtf8(DEFAULT_SKIN)).isFile())
        skinFile = QString::fromUtf8(DEFAULT_SKIN);
    else
        skinFile = generateSkin(generated);
    skinFile = QFileInfo(skinFile).absoluteFilePath();
    if (!QFileInfo(skinFile).isFile()) {
        std::fprintf(stderr, "bench_skin_loader: no skin file \"%s\"\n", qPrintable(skinFile));
        return 1;
    }
    const QString folder = QFileInfo(skinFile).absolutePath();
    const tcFiles files = readSkinFiles(skinFile);
    qsizetype bytes = 0;
    for (const QByteArray& file : files)
        bytes += file.size();

    const double expat = bestOf(ROUNDS, [] {}, [&] { parseWithExpatAlone(files, skinFile); });

    std::unique_ptr<tcQuietBench> bench;
    std::unique_ptr<tcSkinTables> tables;
    size_t objects = 0;
    const double loader = bestOf(
        ROUNDS,
        [&] {
            bench = std::make_unique<tcQuietBench>(folder);
            tables = std::make_unique<tcSkinTables>();
        },
        [&] {
            tcSkinLoader parse(*bench, *tables);
            parse.setOpener(memoryOpener(files));
            parse.load(skinFile);
            objects = bench->objects().size();
        });

    // A load reads the bitmap files and leaves their decoding to helper threads; the
    // pictures are then taken as a first paint takes them, waiting for what is not done.
    tcQuietBench whole(folder);
    int result = 0;
    const auto takePictures = [&whole] {
        for (const auto& object : whole.objects())
            if (const auto* image = dynamic_cast<const tcGuiImage*>(object.get()))
                image->hasPixmap();
    };
    const double load = bestOf(LOAD_ROUNDS, [] {}, [&] { result = whole.load(); });
    const double pictures = bestOf(LOAD_ROUNDS, [] {}, [&] {
        result = whole.load();
        takePictures();
    });

    const double ratio = loader / expat;
    std::printf("skin: %s (%lld bytes in %lld files, %zu objects%s)\n", qPrintable(skinFile), (long long)bytes,
                (long long)files.size(), objects, result == 0 ? "" : ", load FAILED");
    std::printf("expat alone, no callbacks:   %8.3f ms per parse (best of %d)\n", expat, ROUNDS);
    std::printf("loader, no bitmaps:          %8.3f ms per parse (best of %d)\n", loader, ROUNDS);
    std::printf("loader / expat:              %8.2f   (goal <= %.0f: %s)\n", ratio, GOAL,
                ratio <= GOAL ? "met" : "NOT met");
    std::printf("whole load, bitmaps decoding: %7.3f ms per load (best of %d)\n", load, LOAD_ROUNDS);
    std::printf("whole load, every picture:   %8.3f ms per load (best of %d)\n", pictures, LOAD_ROUNDS);
    return 0;
}
