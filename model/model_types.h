#pragma once

#include <QtGlobal>

// Type codes of map entries and globals, as carried in messages and preset files.
enum tcTypeCode : quint8 { TYPE_FLOAT = 1, TYPE_INT = 2, TYPE_BOOL = 3, TYPE_NONE = 255 };

// Whom a stored change is for: to be sent to the unit, to be redrawn, or both.
enum tcChangeFlag : quint8 { TO_UNIT = 0, TO_GUI = 1, TO_BOTH = 2 };

// Notification of a changed value, installed by the owner of a map or of the globals.
// Called with the owner's context, the ID whose value changed and the flag of the change,
// on the thread that stored the value and while modelLock() is held: it may only set dirty
// marks and emit queued signals, never wait for another thread.
using tcChangeNotify = void (*)(void* context, quint16 id, tcChangeFlag flag);

// End marker of the parameter directory and of the globals' iteration.
inline constexpr quint16 ID_END = 0xFFFF;
