#include "groups/group_deesser.h"

#include "groups/binding_table.h"
#include "gqgui/graph_axis.h"
#include "gqgui/gui_apgraph.h"
#include "groups/group_scales.h"

namespace {

constexpr int DEESSER_GRAPH_PANEL = 2;
constexpr int DEES_ENABLE = 5002;
constexpr int DEES_F_KNOB = 5008;

constexpr tcKnobRow DEESSER_KNOBS[] = {
    {5005, 5011, "db FS", 5101},
    {5006, 5012, "mS", 5102},
    {DEES_F_KNOB, 5013, "Hz", 5103},
};

constexpr tcSwitchRow DEESSER_SWITCHES[] = {
    {DEES_ENABLE, 5100},
};

} // namespace

tcControlGroupDeEsser::tcControlGroupDeEsser(tcGroupHost& host)
    : tcControlGroup(host, DEESSER_BINDINGS, DEESSER_GRAPH_PANEL, DEESSER_KNOBS, DEESSER_SWITCHES),
      m_boostCutScale(makeBoostCutScale(scaleWidth(mainGraph()))),
      m_depthScale(makeDepthScale(scaleWidth(mainGraph())))
{
    // The de-esser dragger (tcDESDragger: the band on the main graph, which also takes the
    // de-esser meter byte as its activity) is made here with the response curves; until
    // then the group has none, as without "GRAPH".
    refreshAll();
}

tcControlGroupDeEsser::~tcControlGroupDeEsser() = default;

void tcControlGroupDeEsser::refreshAll()
{
    refreshRows();
}

void tcControlGroupDeEsser::setActive(bool on)
{
    tcGuiApGraph* graph = mainGraph();
    if (on && !isActive() && graph)
        graph->setScales(m_boostCutScale.get(), nullptr);
    tcControlGroup::setActive(on);
}

void tcControlGroupDeEsser::setKnob(int knobId, quint32 position)
{
    if (storeKnob(knobId, position) && knobId == DEES_F_KNOB)
        redrawMainGraph();
}

void tcControlGroupDeEsser::setSwitch(int boxId, bool state)
{
    if (!storeSwitch(boxId, state))
        return;
    if (boxId == DEES_ENABLE)
        redrawMainGraph();
    redrawFlowButtons();
}

void tcControlGroupDeEsser::attachGraph(tcGuiApGraph* graph)
{
    if (!graph)
        return;
    graph->setExtraTitle(QStringLiteral("De-Esser EQ Response"));
    graph->setDragger(nullptr);
    graph->selectPanel(graphPanel());
}
