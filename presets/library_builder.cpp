#include "presets/library_builder.h"

#include "presets/library_items.h"
#include "presets/order_file.h"
#include "presets/preset_library.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTreeWidget>

namespace {

const QStringList PRESET_FILTER{QStringLiteral("*.k7")};

} // namespace

void tcLibraryBuilder::fill(const QString& dir, QTreeWidget* tree, QTreeWidgetItem* parent, bool withFolders, bool withFiles)
{
    if (!withFolders) {
        tree->clear();
        parent = nullptr;
    } else if (parent == nullptr) {
        tree->clear();
        const QString path = QDir(dir).absolutePath();
        parent = makeFolderItem(QFileInfo(path).fileName(), path, m_library.isProtected(path), m_icons);
        tree->addTopLevelItem(parent);
    }
    if (withFolders)
        addFolders(dir, tree, parent, withFiles);
    if (withFiles)
        addFiles(dir, tree, parent);
}

QStringList tcLibraryBuilder::orderedPresetFiles(const QString& dir)
{
    const QStringList listed = QDir(dir).entryList(PRESET_FILTER, QDir::Files, QDir::Unsorted);
    const QSet<QString> present(listed.cbegin(), listed.cend());
    tcOrderFile order(dir);
    QStringList names;
    QSet<QString> shown;
    // Only names the listing returns are shown: an order line naming a missing file, another
    // kind of file or a path ("../x.k7") stays in the file but never becomes an item.
    for (const QString& name : order.names()) {
        if (present.contains(name) && !shown.contains(name)) {
            shown.insert(name);
            names.append(name);
        }
    }
    QStringList added;
    for (const QString& name : listed) {
        if (!shown.contains(name))
            added.append(name);
    }
    if (!added.isEmpty())
        order.add(added);
    return names + added;
}

QString tcLibraryBuilder::displayName(const QString& fileName)
{
    return fileName.section(u'.', 0, 0);
}

void tcLibraryBuilder::addFolders(const QString& dir, QTreeWidget* tree, QTreeWidgetItem* parent, bool withFiles)
{
    const QDir folder(dir);
    const QStringList subfolders = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Unsorted);
    for (const QString& name : subfolders) {
        const QString path = folder.absoluteFilePath(name);
        QTreeWidgetItem* item = makeFolderItem(name, path, m_library.isProtected(path), m_icons);
        parent->addChild(item);
        fill(path, tree, item, true, withFiles);
    }
}

void tcLibraryBuilder::addFiles(const QString& dir, QTreeWidget* tree, QTreeWidgetItem* parent)
{
    const QDir folder(dir);
    // Files directly in the root lie in no folder, so only a folder below the root protects them.
    const bool isProtected = m_library.isProtected(folder.absolutePath());
    QList<QTreeWidgetItem*> items;
    for (const QString& name : orderedPresetFiles(dir))
        items.append(makeFileItem(displayName(name), folder.absoluteFilePath(name), isProtected, m_icons));
    if (parent != nullptr)
        parent->addChildren(items);
    else
        tree->addTopLevelItems(items);
}
