#pragma once

#include "presets/library_icons.h"

#include <QString>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;
class tcPresetLibrary;

// The folder-and-file builder: fills a tree widget from a library folder, for every view of
// the library (folders as branches, preset files as leaves, in the folder's order). GUI thread.
class tcLibraryBuilder {
public:
    explicit tcLibraryBuilder(const tcPresetLibrary& library) : m_library(library) {}

    // Without folders the tree is cleared and the folder's files become top-level items. With
    // folders and no parent the tree is cleared and an item for dir becomes the top-level item
    // and the parent. With folders each subfolder (no symbolic links, no dot entries) gets an
    // item under the parent and is filled the same way; with files the folder's preset files
    // follow under the parent.
    void fill(const QString& dir, QTreeWidget* tree, QTreeWidgetItem* parent, bool withFolders, bool withFiles);

    // A folder's preset file names in display order: first the order file's names of files
    // that exist, then the folder's other "*.k7" files in listing order, which are appended
    // to the order file. Names of missing files stay in the order file.
    static QStringList orderedPresetFiles(const QString& dir);

    // The display name of a preset file: the file name before its first dot.
    static QString displayName(const QString& fileName);

private:
    void addFolders(const QString& dir, QTreeWidget* tree, QTreeWidgetItem* parent, bool withFiles);
    void addFiles(const QString& dir, QTreeWidget* tree, QTreeWidgetItem* parent);

    const tcPresetLibrary& m_library;
    tcLibraryIcons m_icons;
};
