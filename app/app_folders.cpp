#include "app/app_folders.h"

namespace {

QDir makeFolder(const QDir& parent, const char* name)
{
    parent.mkpath(QString::fromLatin1(name));
    return QDir(parent.filePath(QString::fromLatin1(name)));
}

} // namespace

tcAppFolders::tcAppFolders(const QString& appFolder)
    : m_app(QDir(appFolder).absolutePath()),
      m_maps(makeFolder(m_app, "maps")),
      m_presets(makeFolder(m_app, "presets")),
      m_favorites(makeFolder(m_presets, "favorites")),
      m_skins(makeFolder(m_app, "skins"))
{
}
