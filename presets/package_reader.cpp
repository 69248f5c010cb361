#include "presets/package_reader.h"

#include "presets/package_format.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>

#include <filesystem>

tcPackageReader::tcPackageReader(QIODevice& package, const QString& folderPath)
    : m_package(package), m_folder(QDir::cleanPath(QFileInfo(folderPath).absoluteFilePath())), m_existingFolders{m_folder}
{
}

tcPackageReader::tcResult tcPackageReader::extract(QIODevice& package, const QString& folderPath)
{
    if (!tcPackageFormat::isHeader(package.read(tcPackageFormat::HEADER_SIZE)))
        return tcResult::NOT_A_PACKAGE;
    tcPackageReader reader(package, folderPath);
    while (!package.atEnd()) {
        const tcResult result = reader.extractEntry();
        if (result != tcResult::OK)
            return result;
    }
    return tcResult::OK;
}

tcPackageReader::tcResult tcPackageReader::extractEntry()
{
    const auto header = tcPackageFormat::readEntryHeader(m_package.read(tcPackageFormat::ENTRY_HEADER_SIZE));
    if (!header || header->magic != tcPackageFormat::ENTRY_MAGIC || header->pathLength > tcPackageFormat::PATH_MAX_LENGTH)
        return tcResult::BAD_ENTRY;
    const QByteArray path = m_package.read(header->pathLength);
    if (path.size() < header->pathLength)
        return tcResult::BAD_ENTRY;
    const std::optional<QString> relative = tcPackageFormat::safeEntryPath(path);
    if (!relative)
        return tcResult::BAD_ENTRY;
    // The entry check already keeps the path inside; this second test guards the folder
    // against any path the first might let through.
    const QString filePath = QDir::cleanPath(m_folder + u'/' + *relative);
    if (!filePath.startsWith(m_folder + u'/') || !makeFolderOf(filePath))
        return tcResult::BAD_ENTRY;
    return copyData(header->size, filePath) ? tcResult::OK : tcResult::BAD_ENTRY;
}

bool tcPackageReader::makeFolderOf(const QString& filePath)
{
    const QString folder = QFileInfo(filePath).path();
    if (m_existingFolders.contains(folder))
        return true;
    if (!QDir().mkpath(folder))
        return false;
    m_existingFolders.insert(folder);
    return true;
}

// A package that ends before the entry's size fails the install: the file would be
// incomplete, and taking it as success would register a damaged package. Each file is
// written beside its place and renamed into it once complete, so an interrupted install
// never leaves half a file; unlike a settings save it is not flushed to disk file by file
// (thousands of presets would take seconds), the installer syncs once at the end.
bool tcPackageReader::copyData(quint32 size, const QString& filePath)
{
    const QString partPath = filePath + QStringLiteral(".part");
    QFile file(partPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    qint64 left = size;
    bool complete = true;
    while (left > 0 && complete) {
        QByteArray block = m_package.read(qMin(left, tcPackageFormat::BLOCK_SIZE));
        tcPackageFormat::invert(block);
        complete = !block.isEmpty() && file.write(block) == block.size();
        left -= block.size();
    }
    complete = file.flush() && complete;
    file.close();
    std::error_code error;
    if (complete)
        std::filesystem::rename(partPath.toStdString(), filePath.toStdString(), error);
    if (!complete || error) {
        QFile::remove(partPath);
        return false;
    }
    return true;
}
