#include "groups/group_input.h"

#include "groups/binding_table.h"
#include "gqgui/graph_axis.h"
#include "gqgui/gui_apgraph.h"
#include "groups/group_scales.h"

namespace {

constexpr int INPUT_GRAPH_PANEL = 0;
constexpr int FILT_ENABLE = 3002;
constexpr int FILT_HPF_KNOB = 3003;
constexpr int FILT_LPF_KNOB = 3004;

constexpr tcKnobRow INPUT_KNOBS[] = {
    {2002, 2003, "dB", 2100},
    {FILT_HPF_KNOB, 3005, "Hz", 3101},
    {FILT_LPF_KNOB, 3006, "Hz", 3102},
    {3007, 3008, "dB", 9004},
};

constexpr tcSwitchRow INPUT_SWITCHES[] = {
    {3001, 2101},
    {FILT_ENABLE, 3100},
};

} // namespace

tcControlGroupInput::tcControlGroupInput(tcGroupHost& host)
    : tcControlGroup(host, INPUT_BINDINGS, INPUT_GRAPH_PANEL, INPUT_KNOBS, INPUT_SWITCHES),
      m_filterScale(makeBoostCutScale(scaleWidth(mainGraph())))
{
    // The filter dragger (tcFILDragger: the HPF and LPF handles on the main graph) is made
    // here with the response curves; until then the group has none, as without "GRAPH".
    refreshAll();
}

tcControlGroupInput::~tcControlGroupInput() = default;

void tcControlGroupInput::refreshAll()
{
    refreshRows();
}

void tcControlGroupInput::setActive(bool on)
{
    tcGuiApGraph* graph = mainGraph();
    if (on && !isActive() && graph)
        graph->setScales(m_filterScale.get(), m_filterScale.get());
    tcControlGroup::setActive(on);
}

void tcControlGroupInput::setKnob(int knobId, quint32 position)
{
    if (storeKnob(knobId, position) && (knobId == FILT_HPF_KNOB || knobId == FILT_LPF_KNOB))
        redrawMainGraph();
}

void tcControlGroupInput::setSwitch(int boxId, bool state)
{
    if (!storeSwitch(boxId, state))
        return;
    if (boxId == FILT_ENABLE)
        redrawMainGraph();
    redrawFlowButtons();
}

void tcControlGroupInput::attachGraph(tcGuiApGraph* graph)
{
    if (!graph)
        return;
    graph->setExtraTitle(QStringLiteral("Filter Response"));
    graph->setDragger(nullptr);
    graph->selectPanel(graphPanel());
}
