// Unpacks fuzzed entries (behind a valid 16-byte header) into a fresh folder and checks
// that nothing appeared outside it: the work folder must hold only the packed file and
// the target folder afterwards.

#include "gqgui/skin_pack.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
QTemporaryDir* work = nullptr;

QString workPath(const char* name)
{
    return QDir(work->path()).filePath(QString::fromLatin1(name));
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir folder;
    work = &folder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString packed = workPath("fuzz.skin");
    const QString target = workPath("target");
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    QFile file(packed);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    const QByteArray header = QByteArray(SKIN_PACK_MAGIC, SKIN_PACK_MAGIC_SIZE)
                              + QByteArray(SKIN_PACK_HEADER_SIZE - SKIN_PACK_MAGIC_SIZE, '\0');
    file.write(header);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    QString error;
    unpackSkin(packed, target, &error);
    const QStringList left = QDir(work->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                                          | QDir::System);
    if (left != QStringList({QStringLiteral("fuzz.skin"), QStringLiteral("target")})) {
        std::fprintf(stderr, "written outside the target folder: %s\n", qPrintable(left.join(QLatin1Char(' '))));
        std::abort();
    }
    return 0;
}
