#include "presets/preset_library.h"

#include "app/app_folders.h"
#include "app/settings_globals.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QTreeWidgetItem>

#include <utility>

namespace {

constexpr const char* TREE_ERROR_TITLE = "New Folder";
constexpr const char* TREE_ERROR_TEXT = "Error in tree structure.";

QString cleanAbsolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// An item's text names one folder inside its parent, never a climb or a path.
bool isFolderName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/');
}

} // namespace

tcPresetLibrary::tcPresetLibrary(const QString& rootPath, tcIniFile* store, tcLibraryNotice notice)
    : m_root(cleanAbsolute(rootPath)), m_registry(store), m_notice(std::move(notice))
{
}

tcPresetLibrary tcPresetLibrary::standard(tcLibraryNotice notice)
{
    const QString root = appFolders() != nullptr ? appFolders()->favorites().absolutePath() : QString();
    return tcPresetLibrary(root, settingsStore(), std::move(notice));
}

void tcPresetLibrary::notify(const QString& title, const QString& text) const
{
    if (m_notice)
        m_notice(title, text);
}

QString tcPresetLibrary::firstFolderBelowRoot(const QString& path) const
{
    const QString clean = cleanAbsolute(path);
    const QString prefix = m_root.endsWith(u'/') ? m_root : m_root + u'/';
    if (!clean.startsWith(prefix))
        return {};
    return clean.mid(prefix.size()).section(u'/', 0, 0);
}

bool tcPresetLibrary::isProtected(const QString& path) const
{
    const QString first = firstFolderBelowRoot(path);
    return !first.isEmpty() && m_registry.isPackage(first);
}

bool tcPresetLibrary::isPackageRoot(const QString& path) const
{
    const QFileInfo info(cleanAbsolute(path));
    return cleanAbsolute(info.path()) == m_root && m_registry.isPackage(info.fileName());
}

std::optional<QString> tcPresetLibrary::folderForItem(const QTreeWidgetItem* item) const
{
    if (item == nullptr)
        return std::nullopt;
    QList<const QTreeWidgetItem*> chain;
    for (const QTreeWidgetItem* at = item; at != nullptr && at->parent() != nullptr; at = at->parent())
        chain.prepend(at);
    // The top-level item is the root ("favorites") whatever its text; a subfolder that happens
    // to be named "favorites" is entered like any other.
    QDir dir(m_root);
    for (const QTreeWidgetItem* at : chain) {
        const QString name = at->text(0);
        if (!isFolderName(name) || !dir.cd(name)) {
            notify(QString::fromLatin1(TREE_ERROR_TITLE), QString::fromLatin1(TREE_ERROR_TEXT));
            return std::nullopt;
        }
    }
    if (!dir.exists()) {
        notify(QString::fromLatin1(TREE_ERROR_TITLE), QString::fromLatin1(TREE_ERROR_TEXT));
        return std::nullopt;
    }
    return dir.absolutePath();
}
