#include "tools/skinpacker/skin_packer.h"

#include "gqgui/skin_pack.h"
#include "tools/skinpacker/skin_image_scan.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>

namespace {
const QString SKIN_FILE = QStringLiteral("skin.xml");
}

bool tcSkinPacker::pack(const Options& options)
{
    m_entries.clear();
    m_error.clear();
    if (!QFileInfo(QDir(options.skinFolder).filePath(SKIN_FILE)).isFile())
        return fail(QStringLiteral("no %1 in \"%2\"").arg(SKIN_FILE, options.skinFolder));
    if (!options.imageFolder.isEmpty() && !QFileInfo(options.imageFolder).isDir())
        return fail(QStringLiteral("no image folder \"%1\"").arg(options.imageFolder));
    if (!collectFolder(options) || !collectSharedImages(options))
        return false;
    return write(options.file);
}

bool tcSkinPacker::collectFolder(const Options& options)
{
    const QDir folder(QFileInfo(options.skinFolder).absoluteFilePath());
    // An earlier packed file inside the folder is not packed into the new one.
    const QString output = QFileInfo(options.file).absoluteFilePath();
    QDirIterator files(folder.path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (QFileInfo(path).absoluteFilePath() == output)
            continue;
        const QByteArray name = folder.relativeFilePath(path).toUtf8();
        if (skinPackNameKind(name) != tcSkinPackName::VALID) {
            m_report << "Skipping \"" << path << "\": its name cannot be unpacked\n";
            continue;
        }
        m_entries.push_back(Entry{name, path});
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return true;
}

bool tcSkinPacker::collectSharedImages(const Options& options)
{
    if (options.imageFolder.isEmpty())
        return true;
    tcSkinImageScan scan;
    if (!scan.scan(QDir(options.skinFolder).filePath(SKIN_FILE)))
        return fail(scan.error());
    const QDir shared(options.imageFolder);
    for (const QString& file : scan.files()) {
        const QByteArray name = file.toUtf8();
        // Names that would leave the folder are never looked up.
        if (skinPackNameKind(name) != tcSkinPackName::VALID || hasEntry(name))
            continue;
        const QString path = shared.filePath(file);
        if (QFileInfo(path).isFile())
            m_entries.push_back(Entry{name, path});
    }
    return true;
}

bool tcSkinPacker::write(const QString& file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !writeSkinPackHeader(out))
        return fail(QStringLiteral("cannot write \"%1\"").arg(file));
    for (const Entry& entry : m_entries) {
        QFile in(entry.path);
        if (!in.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read \"%1\"").arg(entry.path));
        m_report << "Packing \"" << QString::fromUtf8(entry.name) << "\" (" << in.size() << " bytes) from \""
                 << entry.path << "\"\n";
        if (!writeSkinPackEntry(out, entry.name, in))
            return fail(QStringLiteral("cannot pack \"%1\" into \"%2\"").arg(entry.path, file));
    }
    if (!out.commit())
        return fail(QStringLiteral("cannot write \"%1\"").arg(file));
    m_report << "Packed " << m_entries.size() << " files into \"" << file << "\"\n";
    return true;
}

bool tcSkinPacker::hasEntry(const QByteArray& name) const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [&name](const Entry& e) { return e.name == name; });
}

bool tcSkinPacker::fail(const QString& error)
{
    m_error = error;
    return false;
}
