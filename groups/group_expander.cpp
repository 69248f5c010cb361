#include "groups/group_expander.h"

#include "groups/binding_table.h"
#include "gqgui/gui_dyngraph.h"
#include "model/model_globals.h"
#include "model/param_map.h"

namespace {

constexpr int EXPANDER_GRAPH_PANEL = 1;
constexpr int EXP_DEPTH_KNOB = 4003;
constexpr int EXP_THR_KNOB = 4004;
constexpr int EXP_GRAPH = 4009;
constexpr quint16 EXPANDER_DEPTH = 4101;
constexpr quint16 EXPANDER_THRESH = 4102;
// The expander's curve is drawn at a fixed ratio.
constexpr float EXPANDER_RATIO = 2.0f;

constexpr tcKnobRow EXPANDER_KNOBS[] = {
    {EXP_DEPTH_KNOB, 4006, "dB", EXPANDER_DEPTH},
    {EXP_THR_KNOB, 4007, "dB FS", EXPANDER_THRESH},
    {4005, 4008, "mS", 4103},
};

constexpr tcSwitchRow EXPANDER_SWITCHES[] = {
    {4002, 4100},
};

} // namespace

tcControlGroupExpander::tcControlGroupExpander(tcGroupHost& host)
    : tcControlGroup(host, EXPANDER_BINDINGS, EXPANDER_GRAPH_PANEL, EXPANDER_KNOBS, EXPANDER_SWITCHES)
{
    if (tcGuiDynGraph* graph = dynGraph(EXP_GRAPH))
        graph->setup(DYNGRAPH_EXPANDER, DYNSCALE_80_0, 1);
    refreshAll();
}

void tcControlGroupExpander::refreshAll()
{
    refreshRows();
    if (tcGuiDynGraph* graph = dynGraph(EXP_GRAPH))
        graph->setRatio(0, EXPANDER_RATIO);
}

void tcControlGroupExpander::setKnob(int knobId, quint32 position)
{
    if (!storeKnob(knobId, position))
        return;
    tcGuiDynGraph* graph = dynGraph(EXP_GRAPH);
    const tcParamMap* map = liveMap();
    if (!graph || !map)
        return;
    if (knobId == EXP_DEPTH_KNOB)
        graph->setDepth(0, map->getFloat(EXPANDER_DEPTH));
    else if (knobId == EXP_THR_KNOB)
        graph->setThreshold(0, map->getFloat(EXPANDER_THRESH));
}

void tcControlGroupExpander::setSwitch(int boxId, bool state)
{
    if (storeSwitch(boxId, state))
        redrawFlowButtons();
}
