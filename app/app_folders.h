#pragma once

#include <QDir>
#include <QString>

// The working folders beside the settings file: the application folder itself and
// "maps" (unit records), "presets", "presets/favorites" and "skins". Created at start-up
// when missing and held for the whole run.
class tcAppFolders
{
public:
    // Creates the missing folders inside appFolder. A folder that cannot be created is
    // not reported: file operations in it fail later where they are made.
    explicit tcAppFolders(const QString& appFolder);

    const QDir& app() const { return m_app; }
    const QDir& maps() const { return m_maps; }
    const QDir& presets() const { return m_presets; }
    const QDir& favorites() const { return m_favorites; }
    const QDir& skins() const { return m_skins; }

private:
    QDir m_app;
    QDir m_maps;
    QDir m_presets;
    QDir m_favorites;
    QDir m_skins;
};
