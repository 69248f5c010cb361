#include "presets/package_writer.h"

#include "presets/order_file.h"
#include "presets/package_format.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <limits>

namespace {

bool writeBytes(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

template <size_t N>
bool writeBytes(QIODevice& device, const std::array<uint8_t, N>& bytes)
{
    return device.write(reinterpret_cast<const char*>(bytes.data()), qint64(N)) == qint64(N);
}

} // namespace

int tcPackageWriter::build(const QString& packagePath, const QString& folderPath)
{
    QSaveFile package(packagePath);
    if (!package.open(QIODevice::WriteOnly))
        return -1;
    if (!write(package, folderPath)) {
        package.cancelWriting();
        return -1;
    }
    return package.commit() ? 0 : -1;
}

bool tcPackageWriter::write(QIODevice& package, const QString& folderPath)
{
    // The header goes first: the package only appears under its name once complete, so no
    // placeholder is needed to mark an unfinished one.
    return writeBytes(package, tcPackageFormat::header()) && writeFolder(package, folderPath, QByteArray());
}

bool tcPackageWriter::writeFolder(QIODevice& package, const QString& folderPath, const QByteArray& prefix)
{
    const QDir folder(folderPath);
    const QStringList filters{QStringLiteral("*.k7"), QString::fromLatin1(tcOrderFile::FILE_NAME)};
    for (const QString& name : folder.entryList(filters, QDir::Files, QDir::Unsorted)) {
        if (!writeEntry(package, folder.filePath(name), prefix + QFile::encodeName(name)))
            return false;
    }
    const QStringList subfolders = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Unsorted);
    for (const QString& name : subfolders) {
        if (!writeFolder(package, folder.filePath(name), prefix + QFile::encodeName(name) + '/'))
            return false;
    }
    return true;
}

bool tcPackageWriter::writeEntry(QIODevice& package, const QString& filePath, const QByteArray& entryPath)
{
    if (entryPath.size() > tcPackageFormat::PATH_MAX_LENGTH)
        return true;
    QFile source(filePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || source.size() > qint64(std::numeric_limits<uint32_t>::max()))
        return true;
    // The size written is that of the bytes read, so a file that changes while it is packed
    // still gives a consistent entry.
    QByteArray data = source.read(source.size());
    tcPackageFormat::invert(data);
    return writeBytes(package, tcPackageFormat::entryHeader(uint16_t(entryPath.size()), uint32_t(data.size())))
        && writeBytes(package, entryPath) && writeBytes(package, data);
}
