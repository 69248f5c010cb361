#include "link/dirty_flush.h"

#include "link/entry_blocks.h"
#include "link/frame.h"
#include "model/device_globals.h"
#include "model/global_dirty_set.h"
#include "model/model_globals.h"
#include "model/param_dirty_set.h"
#include "model/param_map.h"

#include <QMutexLocker>

namespace {

int sendAll(std::vector<std::vector<uint8_t>> blocks, tFrameSink sink)
{
    for (std::vector<uint8_t>& block : blocks)
        sink(block);
    return static_cast<int>(blocks.size());
}

void appendParam(tcEntryBlocks& blocks, const tcParamMap& map, uint16_t id)
{
    switch (paramType(id)) {
    case TYPE_FLOAT: blocks.appendFloat(id, map.getFloat(id)); break;
    case TYPE_INT: blocks.appendInt(id, map.getInt(id)); break;
    case TYPE_BOOL: blocks.appendBool(id, map.getBool(id)); break;
    default: break;
    }
}

void appendGlobal(tcEntryBlocks& blocks, const tcDeviceGlobals& globals, uint16_t id)
{
    if (globalType(id) == TYPE_BOOL)
        blocks.appendBool(id, globals.getBool(id));
    else
        blocks.appendInt(id, globals.getInt(id));
}

} // namespace

int flushMapSettings(tFrameSink sink)
{
    tcEntryBlocks blocks(MSG_PARAMS);
    {
        const QMutexLocker lock(&modelLock());
        tcParamMap* map = liveMap();
        tcParamDirtySet* marks = mapSettingsDirty();
        if (!map || !marks)
            return 0;
        for (uint16_t id = firstParamId(); id != ID_END; id = nextParamId(id)) {
            if (marks->take(id))
                appendParam(blocks, *map, id);
        }
    }
    return sendAll(blocks.take(), sink);
}

int flushMapGlobals(tFrameSink sink)
{
    tcEntryBlocks blocks(MSG_GLOBALS);
    {
        const QMutexLocker lock(&modelLock());
        tcDeviceGlobals* globals = deviceGlobals();
        tcGlobalDirtySet* marks = mapGlobalsDirty();
        if (!globals || !marks)
            return 0;
        for (uint16_t id = firstGlobalId(); id != ID_END; id = nextGlobalId(id)) {
            if (marks->take(id))
                appendGlobal(blocks, *globals, id);
        }
    }
    return sendAll(blocks.take(), sink);
}

int flushMapSettings() { return flushMapSettings(frame_send); }
int flushMapGlobals() { return flushMapGlobals(frame_send); }
