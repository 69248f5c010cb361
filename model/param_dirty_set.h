#pragma once

#include "model/dirty_marks.h"
#include "model/param_list.h"

// Dirty marks of the 31 processing parameters, all clear at creation: the map-settings set
// (to be sent to the unit) and the gui-settings set (to be redrawn).
class tcParamDirtySet : public tcDirtyMarks<PARAM_COUNT, &paramIndex> {
};
