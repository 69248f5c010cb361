#include "app/settings_globals.h"

namespace {
tcIniFile* g_settingsStore = nullptr;
tcAppFolders* g_appFolders = nullptr;
} // namespace

tcIniFile* settingsStore() { return g_settingsStore; }
void setSettingsStore(tcIniFile* store) { g_settingsStore = store; }

tcAppFolders* appFolders() { return g_appFolders; }
void setAppFolders(tcAppFolders* folders) { g_appFolders = folders; }
