#include "model/model_globals.h"

#include <atomic>

namespace {

std::atomic<tcParamMap*> g_liveMap{nullptr};
std::atomic<tcDeviceGlobals*> g_deviceGlobals{nullptr};
std::atomic<tcParamDirtySet*> g_mapSettingsDirty{nullptr};
std::atomic<tcParamDirtySet*> g_guiSettingsDirty{nullptr};
std::atomic<tcGlobalDirtySet*> g_mapGlobalsDirty{nullptr};
std::atomic<tcGlobalDirtySet*> g_guiGlobalsDirty{nullptr};

} // namespace

QRecursiveMutex& modelLock()
{
    static QRecursiveMutex lock;
    return lock;
}

tcParamMap* liveMap()
{
    return g_liveMap.load();
}

void setLiveMap(tcParamMap* map)
{
    g_liveMap.store(map);
}

tcDeviceGlobals* deviceGlobals()
{
    return g_deviceGlobals.load();
}

void setDeviceGlobals(tcDeviceGlobals* globals)
{
    g_deviceGlobals.store(globals);
}

tcParamDirtySet* mapSettingsDirty()
{
    return g_mapSettingsDirty.load();
}

void setMapSettingsDirty(tcParamDirtySet* set)
{
    g_mapSettingsDirty.store(set);
}

tcParamDirtySet* guiSettingsDirty()
{
    return g_guiSettingsDirty.load();
}

void setGuiSettingsDirty(tcParamDirtySet* set)
{
    g_guiSettingsDirty.store(set);
}

tcGlobalDirtySet* mapGlobalsDirty()
{
    return g_mapGlobalsDirty.load();
}

void setMapGlobalsDirty(tcGlobalDirtySet* set)
{
    g_mapGlobalsDirty.store(set);
}

tcGlobalDirtySet* guiGlobalsDirty()
{
    return g_guiGlobalsDirty.load();
}

void setGuiGlobalsDirty(tcGlobalDirtySet* set)
{
    g_guiGlobalsDirty.store(set);
}
