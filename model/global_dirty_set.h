#pragma once

#include "model/dirty_marks.h"
#include "model/global_list.h"

// Dirty marks of the 13 globals, all clear at creation: the map-globals set (to be sent to
// the unit) and the gui-globals set (to be redrawn).
class tcGlobalDirtySet : public tcDirtyMarks<GLOBAL_COUNT, &globalIndex> {
};
