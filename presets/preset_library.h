#pragma once

#include "presets/library_notice.h"
#include "presets/package_registry.h"

#include <QString>

#include <optional>

class QTreeWidgetItem;
class tcIniFile;

// The preset library on disk: the root folder ("favorites" inside the presets folder) with
// its library folders at any depth, the package registry, and the protection of installed
// packages' folders. GUI thread.
class tcPresetLibrary {
public:
    static constexpr const char* ROOT_NAME = "favorites";

    // rootPath is made absolute; store holds the package registry (may be null: nothing is
    // registered); notice shows the library's messages (may be empty: nothing is shown).
    tcPresetLibrary(const QString& rootPath, tcIniFile* store, tcLibraryNotice notice = {});

    // The library of the running application: the folder objects' favorites folder and the
    // settings store. Valid while the main window owns them.
    static tcPresetLibrary standard(tcLibraryNotice notice);

    const QString& rootPath() const { return m_root; }
    tcPackageRegistry& registry() { return m_registry; }
    const tcPackageRegistry& registry() const { return m_registry; }
    void notify(const QString& title, const QString& text) const;

    // True when the first folder of the path below the root is a registered package; the root
    // itself and paths outside the library are never protected.
    bool isProtected(const QString& path) const;
    // True for a direct subfolder of the root whose name is registered.
    bool isPackageRoot(const QString& path) const;

    // The folder an item of a folders view stands for: the top-level item is the root, and
    // each item below it enters the subfolder named by its text. When a folder on the way does
    // not exist, "Error in tree structure." titled "New Folder" is shown and nothing returned.
    std::optional<QString> folderForItem(const QTreeWidgetItem* item) const;

    // The first folder of a path below the root, or an empty text for the root itself and
    // for paths outside it.
    QString firstFolderBelowRoot(const QString& path) const;

private:
    QString m_root;
    tcPackageRegistry m_registry;
    tcLibraryNotice m_notice;
};
