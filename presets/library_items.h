#pragma once

#include <QString>
#include <Qt>

class QIcon;
class QTreeWidgetItem;

// The tree items through which every view shows the library: a type in the first user role
// and the absolute path in the next one, beside the text and icon; selectable and enabled,
// never edited in place. The roles live only inside the program: the first user role is 32
// in older Qt versions and 256 in Qt 6, and Qt's own value is the one used.
inline constexpr int ITEM_TYPE_ROLE = Qt::UserRole;
inline constexpr int ITEM_PATH_ROLE = Qt::UserRole + 1;

inline constexpr int ITEM_LIBRARY = 0x2000; // set on every library item
inline constexpr int ITEM_FOLDER = 0x2001;
inline constexpr int ITEM_FILE = 0x2002;
inline constexpr int ITEM_PROTECTED_FOLDER = 0x2004;
inline constexpr int ITEM_PROTECTED_FILE = 0x2008;

class tcLibraryIcons;

// Creates an item (without parent) for a library folder: the folder's name as its text.
QTreeWidgetItem* makeFolderItem(const QString& name, const QString& path, bool isProtected, const tcLibraryIcons& icons);
// Creates an item (without parent) for a preset file: its display name as its text.
QTreeWidgetItem* makeFileItem(const QString& displayName, const QString& path, bool isProtected, const tcLibraryIcons& icons);

// The type of an item (0 for null or a foreign item) and the tests on it.
int itemType(const QTreeWidgetItem* item);
bool isLibraryItem(const QTreeWidgetItem* item);
bool isPresetFileItem(const QTreeWidgetItem* item);      // bit 0x2 or 0x8
bool isProtectedFolderItem(const QTreeWidgetItem* item); // bit 0x4
QString itemPath(const QTreeWidgetItem* item);
