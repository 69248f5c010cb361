#pragma once

class tcIniFile;
class tcAppFolders;

// Process-wide settings objects. The main window owns them: it sets these borrowed
// pointers in its constructor and clears them in its destructor; between the two they
// are valid on the GUI thread. Tests set and clear them the same way.
tcIniFile* settingsStore();
void setSettingsStore(tcIniFile* store);

tcAppFolders* appFolders();
void setAppFolders(tcAppFolders* folders);
