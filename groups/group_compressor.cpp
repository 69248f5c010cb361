#include "groups/group_compressor.h"

#include "groups/binding_table.h"
#include "gqgui/gui_dyngraph.h"
#include "model/model_globals.h"
#include "model/param_map.h"

namespace {

constexpr int COMPRESSOR_GRAPH_PANEL = 4;
constexpr int COMP_THR_KNOB = 7003;
constexpr int COMP_RAT_KNOB = 7005;
constexpr int COMP_GRAPH = 7011;
constexpr quint16 COMP_THRESH = 8101;
constexpr quint16 COMP_RATIO = 8102;
constexpr int COMP_GRAPH_CURVES = 3;

constexpr tcKnobRow COMPRESSOR_KNOBS[] = {
    {COMP_THR_KNOB, 7004, "dB FS", COMP_THRESH},
    {COMP_RAT_KNOB, 7006, "1:__", COMP_RATIO},
    {7007, 7008, "mS", 8103},
    {7009, 7010, "mS", 8104},
};

constexpr tcSwitchRow COMPRESSOR_SWITCHES[] = {
    {7002, 8100},
};

} // namespace

tcControlGroupCompressor::tcControlGroupCompressor(tcGroupHost& host)
    : tcControlGroup(host, COMPRESSOR_BINDINGS, COMPRESSOR_GRAPH_PANEL, COMPRESSOR_KNOBS, COMPRESSOR_SWITCHES)
{
    if (tcGuiDynGraph* graph = dynGraph(COMP_GRAPH))
        graph->setup(DYNGRAPH_COMPRESSOR, DYNSCALE_80_0, COMP_GRAPH_CURVES);
    refreshAll();
}

void tcControlGroupCompressor::refreshAll()
{
    refreshRows();
}

void tcControlGroupCompressor::setKnob(int knobId, quint32 position)
{
    if (!storeKnob(knobId, position))
        return;
    tcGuiDynGraph* graph = dynGraph(COMP_GRAPH);
    const tcParamMap* map = liveMap();
    if (!graph || !map)
        return;
    if (knobId == COMP_THR_KNOB)
        graph->setThreshold(0, map->getFloat(COMP_THRESH));
    else if (knobId == COMP_RAT_KNOB)
        graph->setRatio(0, map->getFloat(COMP_RATIO));
    graph->redraw();
}

void tcControlGroupCompressor::setSwitch(int boxId, bool state)
{
    if (storeSwitch(boxId, state))
        redrawFlowButtons();
}
