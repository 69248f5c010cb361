#pragma once

#include <QIcon>

// The four icons of the library's tree items: folder, protected folder, preset and protected
// preset, drawn by the program (a protected item carries a small padlock). Each builder draws
// its own set, so no icon outlives the application object. GUI thread.
class tcLibraryIcons {
public:
    tcLibraryIcons(); // needs the application object

    const QIcon& folder() const { return m_folder; }
    const QIcon& protectedFolder() const { return m_protectedFolder; }
    const QIcon& preset() const { return m_preset; }
    const QIcon& protectedPreset() const { return m_protectedPreset; }

private:
    QIcon m_folder;
    QIcon m_protectedFolder;
    QIcon m_preset;
    QIcon m_protectedPreset;
};
