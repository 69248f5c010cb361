#pragma once

#include <QRecursiveMutex>

class tcParamMap;
class tcDeviceGlobals;
class tcParamDirtySet;
class tcGlobalDirtySet;

// The one lock around the live map, the device globals and the four dirty sets. Every
// operation of tcParamMap, tcDeviceGlobals, tcParamDirtySet and tcGlobalDirtySet takes it
// (on any instance, so presets' maps take it too); it is recursive, so a caller that needs
// several operations to be consistent (walking and clearing marks, say) holds it around them.
// Notifications run while it is held.
QRecursiveMutex& modelLock();

// Process-wide objects of the parameter model. They are borrowed views: the main window owns
// the objects, sets the pointers in its constructor and clears them (sets nullptr) in its
// destructor; tests set and clear them the same way. Reading a pointer is safe on any thread.
tcParamMap* liveMap();
void setLiveMap(tcParamMap* map);

tcDeviceGlobals* deviceGlobals();
void setDeviceGlobals(tcDeviceGlobals* globals);

// Parameters changed on screen, to be sent to the unit.
tcParamDirtySet* mapSettingsDirty();
void setMapSettingsDirty(tcParamDirtySet* set);

// Parameters changed by the unit or a preset, to be redrawn.
tcParamDirtySet* guiSettingsDirty();
void setGuiSettingsDirty(tcParamDirtySet* set);

// Globals changed here, to be sent to the unit.
tcGlobalDirtySet* mapGlobalsDirty();
void setMapGlobalsDirty(tcGlobalDirtySet* set);

// Globals changed by the unit, to be redrawn.
tcGlobalDirtySet* guiGlobalsDirty();
void setGuiGlobalsDirty(tcGlobalDirtySet* set);
