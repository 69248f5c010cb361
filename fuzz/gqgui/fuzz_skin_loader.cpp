// Loads fuzzed bytes as a skin into a bench: the bytes up to the first zero byte are the
// skin file, which declares one included file "inc.xml" (the entity &inc;), and the bytes
// after it are that included file, both served from memory. The load finishes every
// object as the application's load does.

#include "gqgui/bench_master.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {
const QByteArray PROLOG = "<?xml version=\"1.0\"?>\n<!DOCTYPE skin [\n<!ENTITY inc SYSTEM \"inc.xml\">\n]>\n";
const QString FOLDER = QStringLiteral("/fuzz-skin");

class tcFuzzBench : public tcBenchMaster
{
public:
    tcFuzzBench() : tcBenchMaster(nullptr, FOLDER) {}
    void fitWindow() override {}
    void log(const char*, ...) override {}
};

std::unique_ptr<QIODevice> memoryFile(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}
}

// Font look-ups leave fontconfig's caches behind at exit; they are the system's, not ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_skin_loader";
    static char* argv[] = {name, nullptr};
    // Lives for the whole run: fonts and pixmaps need it.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    Q_UNUSED(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray skin = PROLOG + (split < 0 ? input : input.left(split));
    const QByteArray included = split < 0 ? QByteArray() : input.mid(split + 1);
    tcFuzzBench bench;
    bench.setOpener([&](const QString& path) -> std::unique_ptr<QIODevice> {
        if (path == FOLDER + QStringLiteral("/skin.xml"))
            return memoryFile(skin);
        if (path == FOLDER + QStringLiteral("/inc.xml"))
            return memoryFile(included);
        return nullptr;
    });
    bench.load();
    return 0;
}
