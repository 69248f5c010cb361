#include "presets/library_items.h"

#include "presets/library_icons.h"

#include <QTreeWidgetItem>

namespace {

constexpr int FILE_BITS = 0x2 | 0x8;
constexpr int PROTECTED_FOLDER_BIT = 0x4;

QTreeWidgetItem* makeItem(const QString& text, const QString& path, int type, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setIcon(0, icon);
    item->setData(0, ITEM_TYPE_ROLE, type);
    item->setData(0, ITEM_PATH_ROLE, path);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

QTreeWidgetItem* makeFolderItem(const QString& name, const QString& path, bool isProtected, const tcLibraryIcons& icons)
{
    return isProtected ? makeItem(name, path, ITEM_PROTECTED_FOLDER, icons.protectedFolder())
                       : makeItem(name, path, ITEM_FOLDER, icons.folder());
}

QTreeWidgetItem* makeFileItem(const QString& displayName, const QString& path, bool isProtected, const tcLibraryIcons& icons)
{
    return isProtected ? makeItem(displayName, path, ITEM_PROTECTED_FILE, icons.protectedPreset())
                       : makeItem(displayName, path, ITEM_FILE, icons.preset());
}

int itemType(const QTreeWidgetItem* item)
{
    return item != nullptr ? item->data(0, ITEM_TYPE_ROLE).toInt() : 0;
}

bool isLibraryItem(const QTreeWidgetItem* item)
{
    return (itemType(item) & ITEM_LIBRARY) != 0;
}

bool isPresetFileItem(const QTreeWidgetItem* item)
{
    return isLibraryItem(item) && (itemType(item) & FILE_BITS) != 0;
}

bool isProtectedFolderItem(const QTreeWidgetItem* item)
{
    return isLibraryItem(item) && (itemType(item) & PROTECTED_FOLDER_BIT) != 0;
}

QString itemPath(const QTreeWidgetItem* item)
{
    return item != nullptr ? item->data(0, ITEM_PATH_ROLE).toString() : QString();
}
