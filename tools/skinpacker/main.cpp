// SkinPacker -p -d DIR [-i IMAGEDIR] -f FILE
// Packs the skin folder DIR, and the shared images of IMAGEDIR that its skin uses, into the
// packed skin FILE. Tells what it packs on standard output; exit code 0 on success.

#include "tools/skinpacker/skin_packer.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace {
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_FAILED = 1;

std::optional<tcSkinPacker::Options> parse(const QStringList& arguments)
{
    tcSkinPacker::Options options;
    bool pack = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-p")) {
            pack = true;
            continue;
        }
        QString* value = argument == QLatin1String("-d")   ? &options.skinFolder
                         : argument == QLatin1String("-i") ? &options.imageFolder
                         : argument == QLatin1String("-f") ? &options.file
                                                           : nullptr;
        if (!value || i + 1 >= arguments.size())
            return std::nullopt;
        *value = arguments[++i];
    }
    if (!pack || options.skinFolder.isEmpty() || options.file.isEmpty())
        return std::nullopt;
    return options;
}
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::optional<tcSkinPacker::Options> options = parse(application.arguments().mid(1));
    if (!options) {
        err << "usage: SkinPacker -p -d DIR [-i IMAGEDIR] -f FILE\n";
        return EXIT_USAGE;
    }
    tcSkinPacker packer(out);
    if (!packer.pack(*options)) {
        out.flush();
        err << "SkinPacker: " << packer.error() << "\n";
        return EXIT_FAILED;
    }
    return 0;
}
