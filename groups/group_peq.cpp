#include "groups/group_peq.h"

#include "groups/binding_table.h"
#include "gqgui/graph_axis.h"
#include "gqgui/gui_apgraph.h"
#include "groups/group_scales.h"

namespace {

constexpr int PEQ_GRAPH_PANEL = 3;
constexpr int EQ_ENABLE = 6030;

constexpr tcKnobRow PEQ_KNOBS[] = {
    {6002, 6014, "Hz", 6102},  {6003, 6015, "oct", 6104}, {6004, 6016, "dB", 6106},
    {6005, 6017, "Hz", 6103},  {6006, 6018, "oct", 6105}, {6007, 6019, "dB", 6107},
    {6009, 6021, "Hz", 6108},  {6010, 6022, "dB", 6110},
    {6012, 6024, "Hz", 6109},  {6013, 6029, "dB", 6111},
};

constexpr tcSwitchRow PEQ_SWITCHES[] = {
    {EQ_ENABLE, 6101},
    {6031, 6100},
};

} // namespace

tcControlGroupParametric::tcControlGroupParametric(tcGroupHost& host)
    : tcControlGroup(host, PARAMETRIC_BINDINGS, PEQ_GRAPH_PANEL, PEQ_KNOBS, PEQ_SWITCHES),
      m_scale(makeBoostCutScale(scaleWidth(mainGraph())))
{
    // The EQ dragger (tcPEQDragger: the four bands on the main graph, no band selected) is
    // made here with the response curves; until then the group has none, as without "GRAPH".
    refreshAll();
}

tcControlGroupParametric::~tcControlGroupParametric() = default;

void tcControlGroupParametric::refreshAll()
{
    refreshRows();
}

void tcControlGroupParametric::setActive(bool on)
{
    tcGuiApGraph* graph = mainGraph();
    if (on && !isActive() && graph)
        graph->setScales(m_scale.get(), m_scale.get());
    tcControlGroup::setActive(on);
}

void tcControlGroupParametric::setKnob(int knobId, quint32 position)
{
    if (storeKnob(knobId, position))
        redrawMainGraph();
}

void tcControlGroupParametric::setSwitch(int boxId, bool state)
{
    if (!storeSwitch(boxId, state))
        return;
    if (boxId == EQ_ENABLE)
        redrawMainGraph();
    redrawFlowButtons();
}

void tcControlGroupParametric::attachGraph(tcGuiApGraph* graph)
{
    if (!graph)
        return;
    graph->setExtraTitle(QStringLiteral("Parametric EQ Response"));
    graph->setDragger(nullptr);
    graph->selectPanel(graphPanel());
}
