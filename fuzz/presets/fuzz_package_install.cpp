// Fuzzes the package installer with the input as a package's bytes, installed as package
// "Fuzz" into a library root inside a scratch folder. Beyond not crashing, nothing may
// appear anywhere in the scratch folder but the package's own folder below the root; a
// successful install must be registered and a failed one must not. Any breach aborts.

#include "presets/package_installer.h"
#include "presets/preset_library.h"

#include "app/ini_file.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> g_scratch;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QString scratchPath(const char* relative)
{
    return g_scratch->filePath(QString::fromLatin1(relative));
}

// Everything in the scratch folder must be the root or lie inside root/Fuzz.
void requireNothingOutside()
{
    const QString root = scratchPath("deep/favorites");
    const QString allowed = root + QStringLiteral("/Fuzz");
    QDirIterator it(g_scratch->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const bool expected = path == scratchPath("deep") || path == root || path == allowed
                           || path.startsWith(allowed + u'/');
        require(expected && !it.fileInfo().isSymLink());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_scratch = std::make_unique<QTemporaryDir>();
    require(g_scratch->isValid() && QDir().mkpath(scratchPath("deep/favorites")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer package;
    package.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    package.open(QIODevice::ReadOnly);
    tcIniFile store(QString(), 0); // in memory only
    tcPresetLibrary library(scratchPath("deep/favorites"), &store);
    tcPackageInstaller installer(library);

    const int result = installer.install(QStringLiteral("Fuzz"), package);
    require(result == 0 || result == -1);
    require(library.registry().isPackage(QStringLiteral("Fuzz")) == (result == 0));
    requireNothingOutside();
    require(QDir(scratchPath("deep/favorites/Fuzz")).removeRecursively());
    return 0;
}
