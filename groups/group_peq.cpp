#include "groups/group_peq.h"

#include "gqgui/graph_axis.h"
#include "gqgui/gui_apgraph.h"
#include "groups/group_scales.h"

namespace {

constexpr int PEQ_GRAPH_PANEL = 3;
constexpr int EQ_ENABLE = 6030;

constexpr tcBindingEntry PEQ_BINDINGS[] = {
    {6000, "PEQ_BKGRND"},  {6001, "PEQ_LABEL"},   {6030, "EQ_ENABLE"},   {6031, "EQ_PRE_COMP"},
    {6002, "PEQ1_F_KNOB"}, {6014, "PEQ1_F_DSPY"}, {6003, "PEQ1_Q_KNOB"}, {6015, "PEQ1_Q_DSPY"},
    {6004, "PEQ1_L_KNOB"}, {6016, "PEQ1_L_DSPY"}, {6005, "PEQ2_F_KNOB"}, {6017, "PEQ2_F_DSPY"},
    {6006, "PEQ2_Q_KNOB"}, {6018, "PEQ2_Q_DSPY"}, {6007, "PEQ2_L_KNOB"}, {6019, "PEQ2_L_DSPY"},
    {6009, "SEQ1_F_KNOB"}, {6021, "SEQ1_F_DSPY"}, {6010, "SEQ1_L_KNOB"}, {6022, "SEQ1_L_DSPY"},
    {6012, "SEQ2_F_KNOB"}, {6024, "SEQ2_F_DSPY"}, {6013, "SEQ2_L_KNOB"}, {6029, "SEQ2_L_DSPY"},
};

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
    : tcControlGroup(host, PEQ_BINDINGS, PEQ_GRAPH_PANEL, PEQ_KNOBS, PEQ_SWITCHES),
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
