#include "groups/group_main.h"

#include "groups/binding_table.h"
#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_lamp.h"
#include "gqgui/gui_meter.h"
#include "gqgui/meter_tables.h"
#include "gqgui/graph_spectrum_tables.h"
#include "groups/group_host.h"
#include "link/meter_iface.h"
#include "model/device_globals.h"
#include "model/model_globals.h"
#include "model/param_map.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int MAIN_GRAPH_PANEL = 0;

constexpr int SYS_ABOUT = 1001;
constexpr int SYS_MINIMIZE = 1002;
constexpr int SYS_EXIT = 1003;
constexpr int METER_IN_RANGE = 1009;
constexpr int METER_IN = 1011;
constexpr int METER_EXP = 1013;
constexpr int METER_DES = 1014;
constexpr int METER_CMP = 1015;
constexpr int METER_OUT = 1016;
constexpr int GRAPH_INPUT = 1034;
constexpr int GRAPH_OUTPUT = 1039;
constexpr int TAKE = 1040;
constexpr int PRESETS = 1041;
constexpr int DEVICES = 1042;
constexpr int QSAVEA = 1044;
constexpr int QSAVEB = 1045;
constexpr int QSAVEAB = 1046;
constexpr int PHANTOM_PWR_LAMP = 1051;
constexpr int LOCAL_MODE_LAMP = 1052;

constexpr quint16 OSCOPE_GLOBAL = 1006;
constexpr quint16 MAP_STRM_GLOBAL = 1007;
constexpr quint16 IS_LOCAL_GLOBAL = 1011;
constexpr quint16 PNTM_PWR_GLOBAL = 1014;

// Command buttons and the signal each raises.
struct tcCommandButton
{
    int id;
    void (tcControlGroup::*signal)();
};

constexpr tcCommandButton COMMAND_BUTTONS[] = {
    {SYS_ABOUT, &tcControlGroup::sig_about},   {SYS_MINIMIZE, &tcControlGroup::sig_minimize},
    {SYS_EXIT, &tcControlGroup::sig_exit_app}, {TAKE, &tcControlGroup::sig_pset_take},
    {PRESETS, &tcControlGroup::sig_pset_dlg},  {DEVICES, &tcControlGroup::sig_device_dlg},
};

// A flow button, the control index of the block it shows and the block's bool parameter
// (0: the system block, which has none and always counts as out).
struct tcFlowButton
{
    int id;
    int control;
    quint16 param;
};

constexpr tcFlowButton FLOW_BUTTONS[] = {
    {1017, 5, 3100}, {1019, 4, 4100}, {1020, 3, 5100}, {1021, 2, 6101}, {1023, 1, 8100}, {1030, 0, 0},
};

// The control index that any other value selects: the input block.
constexpr int INPUT_CONTROL = 5;
constexpr int FLOW_OUT = 2;
constexpr int FLOW_SHOWN = 1;

// The graph view switches and their bits of the main graph's mode.
struct tcViewSwitch
{
    int id;
    int bit;
};

constexpr tcViewSwitch VIEW_SWITCHES[] = {
    {1047, APGRAPH_MODE_AUDIO},
    {1048, APGRAPH_MODE_REDUCTION},
    {1049, APGRAPH_MODE_CURVES},
};

constexpr int GRAPHVIEW_DEFAULT = APGRAPH_MODE_AUDIO;
// A stored 0 shows the audio spectrum and the curves.
constexpr int GRAPHVIEW_NONE_STORED = APGRAPH_MODE_AUDIO | APGRAPH_MODE_CURVES;

constexpr QRgb QSAVE_LIT_COLOR = 0xFF60E060;
constexpr QRgb QSAVE_UNLIT_COLOR = 0xFFFFFFFF;

// Where a meter's values lie in a meter datagram (NO_BYTE: always 0), and its rest values.
constexpr int NO_BYTE = -1;

struct tcMeterFeed
{
    int id;
    int level;
    int peak;
    int overload;
    int restLevel;
    int restPeak;
};

constexpr tcMeterFeed METER_FEEDS[] = {
    {METER_IN, 20, 21, 22, 0, 0},
    {METER_EXP, 23, NO_BYTE, NO_BYTE, METER_FULL_INDEX, METER_NO_PEAK},
    {METER_DES, 24, NO_BYTE, NO_BYTE, METER_FULL_INDEX, METER_NO_PEAK},
    {METER_CMP, 25, NO_BYTE, NO_BYTE, METER_FULL_INDEX, METER_NO_PEAK},
    {METER_OUT, 26, 27, NO_BYTE, 0, 0},
};

constexpr size_t METER_GRAPH_OFFSET = 28;
static_assert(METER_GRAPH_OFFSET + SPECTRUM_POINTS == METER_DATAGRAM_SIZE);

// A meter's values from consecutive datagram bytes: a two-channel meter also reads the
// byte after the start, so its arrays overlap.
tcGuiMeter::Bytes meterBytes(std::span<const uint8_t> datagram, int start, int channels)
{
    auto byteAt = [&](size_t offset) { return offset < datagram.size() ? int(datagram[offset]) : 0; };
    if (start == NO_BYTE)
        return {0, 0};
    return {byteAt(size_t(start)), channels == 2 ? byteAt(size_t(start) + 1) : 0};
}

} // namespace

tcControlGroupMain::tcControlGroupMain(tcGroupHost& host) : tcControlGroup(host, MAIN_BINDINGS, MAIN_GRAPH_PANEL)
{
    setDisplayText(STAT_ONLINE, QStringLiteral("Offline "));
    setDisplayText(STAT_DEVICE, QStringLiteral("unknown "));
    setDisplayMarquee(STAT_DEVICE, true);
    setDisplayMarquee(STAT_PRESET, true);
    int view = host.option("GRAPHVIEW", GRAPHVIEW_DEFAULT);
    if (view == 0)
        view = GRAPHVIEW_NONE_STORED;
    for (const tcViewSwitch& entry : VIEW_SWITCHES)
        setSwitch(entry.id, (view & entry.bit) != 0);
    if (const tcDeviceGlobals* globals = deviceGlobals())
        setCheckBoxState(GRAPH_VIEW_OSCOPE, globals->getBool(OSCOPE_GLOBAL));
    refreshAll();
    setSwitch(METER_IN_RANGE, host.option("IN_METER_RANGE", 0) != 0);
    for (const int id : {METER_EXP, METER_DES, METER_CMP}) {
        if (tcGuiMeter* found = meter(id))
            found->setStyle(METER_GR30, false, 1);
    }
    if (tcGuiMeter* found = meter(METER_OUT))
        found->setStyle(METER_VU30, false, 1);
    refreshPhantomLamp();
    refreshLocalLamp();
}

void tcControlGroupMain::refreshAll()
{
    redrawGraph();
    refreshGraphSourceButtons();
    refreshQuickSaveButtons();
    setDisplayDoubleClickable(STAT_DEVICE, true);
    setDisplayDoubleClickable(STAT_ONLINE, true);
}

void tcControlGroupMain::setActive(bool on)
{
    tcControlGroup::setActive(on);
    redrawGraph();
}

void tcControlGroupMain::setSwitch(int boxId, bool state)
{
    tcControlGroup::setSwitch(boxId, state);
    const bool on = checkBoxState(boxId).value_or(state);
    if (boxId == METER_IN_RANGE) {
        if (tcGuiMeter* found = meter(METER_IN))
            found->setStyle(on ? METER_VU60 : METER_VU30, true, 1);
        host().setOption("IN_METER_RANGE", on ? 1 : 0);
    } else if (boxId == ONLINE) {
        host().setOption("ONLINE", on ? 1 : 0);
    } else if (boxId == GRAPH_VIEW_OSCOPE) {
        if (tcDeviceGlobals* globals = deviceGlobals())
            globals->setBool(OSCOPE_GLOBAL, on, TO_UNIT);
    } else {
        for (const tcViewSwitch& entry : VIEW_SWITCHES) {
            if (entry.id == boxId)
                setGraphViewBit(entry.bit, on);
        }
    }
}

void tcControlGroupMain::setGraphViewBit(int bit, bool on)
{
    // The view bits live in the graph; a skin without one keeps the stored option as it is.
    tcGuiApGraph* found = graph();
    if (!found)
        return;
    const int mode = on ? (found->mode() | bit) : (found->mode() & ~bit);
    found->setMode(mode);
    host().setOption("GRAPHVIEW", mode);
}

void tcControlGroupMain::onButton(int id)
{
    for (const tcCommandButton& command : COMMAND_BUTTONS) {
        if (command.id == id) {
            emit(this->*command.signal)();
            return;
        }
    }
    for (const tcFlowButton& flow : FLOW_BUTTONS) {
        if (flow.id == id) {
            host().selectControl(flow.control);
            refreshFlowButtons();
            return;
        }
    }
    switch (id) {
    case GRAPH_INPUT:
    case GRAPH_OUTPUT:
        host().setStreamFlag(id == GRAPH_OUTPUT);
        refreshGraphSourceButtons();
        break;
    case QSAVEA:
    case QSAVEB:
        host().quickSaveSelect(id == QSAVEA ? 0 : 1);
        refreshQuickSaveButtons();
        break;
    case QSAVEAB:
        host().quickSaveStoreBoth();
        break;
    default:
        break;
    }
}

void tcControlGroupMain::onCheckBox(int id, bool state)
{
    if (id == ONLINE) {
        emit sig_online();
        return;
    }
    const bool view = std::any_of(std::begin(VIEW_SWITCHES), std::end(VIEW_SWITCHES),
                                  [id](const tcViewSwitch& entry) { return entry.id == id; });
    if (view || id == METER_IN_RANGE || id == GRAPH_VIEW_OSCOPE)
        setSwitch(id, state);
}

void tcControlGroupMain::onDisplayDoubleClick(int id)
{
    if (id == STAT_DEVICE)
        emit sig_device_dlg();
}

tcGuiApGraph* tcControlGroupMain::graph() const
{
    return apGraph(GRAPH);
}

void tcControlGroupMain::redrawGraph()
{
    if (tcGuiApGraph* found = graph())
        found->redraw();
}

void tcControlGroupMain::refreshGraphSourceButtons()
{
    const tcDeviceGlobals* globals = deviceGlobals();
    if (!graph() || !globals)
        return;
    const bool output = globals->getInt(MAP_STRM_GLOBAL) == 1;
    if (tcGuiButton* found = button(GRAPH_INPUT))
        found->setStyle(output ? 0 : 1);
    if (tcGuiButton* found = button(GRAPH_OUTPUT))
        found->setStyle(output ? 1 : 0);
}

void tcControlGroupMain::refreshQuickSaveButtons()
{
    const bool onA = host().quickSaveSlot() == 0;
    const auto light = [this](int id, bool lit) {
        if (tcGuiButton* found = button(id)) {
            found->setCaptionColor(lit ? QSAVE_LIT_COLOR : QSAVE_UNLIT_COLOR);
            found->setStyle(lit ? 1 : 0);
            found->update();
        }
    };
    light(QSAVEA, onA);
    light(QSAVEB, !onA);
    if (tcGuiButton* found = button(QSAVEAB)) {
        found->setText(onA ? QStringLiteral("B = A") : QStringLiteral("A = B"));
        found->update();
    }
}

void tcControlGroupMain::refreshFlowButtons()
{
    const tcParamMap* map = liveMap();
    int shown = host().controlIndex();
    if (shown < 0 || shown > INPUT_CONTROL)
        shown = INPUT_CONTROL;
    for (const tcFlowButton& flow : FLOW_BUTTONS) {
        const bool in = flow.param != 0 && map && map->getBool(flow.param);
        if (tcGuiButton* found = button(flow.id))
            found->setStyle((in ? 0 : FLOW_OUT) + (flow.control == shown ? FLOW_SHOWN : 0));
    }
}

void tcControlGroupMain::refreshPhantomLamp()
{
    const tcDeviceGlobals* globals = deviceGlobals();
    if (tcGuiLamp* found = lamp(PHANTOM_PWR_LAMP); found && globals)
        found->setState(globals->getBool(PNTM_PWR_GLOBAL) ? 1 : 0);
}

void tcControlGroupMain::refreshLocalLamp()
{
    const tcDeviceGlobals* globals = deviceGlobals();
    if (tcGuiLamp* found = lamp(LOCAL_MODE_LAMP); found && globals)
        found->setState(globals->getBool(IS_LOCAL_GLOBAL) ? 1 : 0);
    redrawGraph();
}

void tcControlGroupMain::resetMeters()
{
    for (const tcMeterFeed& feed : METER_FEEDS) {
        if (tcGuiMeter* found = meter(feed.id))
            found->setLevels({feed.restLevel, feed.restLevel}, {feed.restPeak, feed.restPeak}, {0, 0});
    }
    if (tcGuiApGraph* found = graph())
        found->clearSpectrumData();
}

void tcControlGroupMain::updateMeters(std::span<const uint8_t> datagram)
{
    if (datagram.size() < METER_DATAGRAM_SIZE)
        return;
    for (const tcMeterFeed& feed : METER_FEEDS) {
        if (tcGuiMeter* found = meter(feed.id)) {
            const int channels = found->channels();
            found->setLevels(meterBytes(datagram, feed.level, channels), meterBytes(datagram, feed.peak, channels),
                             meterBytes(datagram, feed.overload, channels));
        }
    }
    if (tcGuiApGraph* found = graph())
        found->setSpectrumData(datagram.subspan(METER_GRAPH_OFFSET, SPECTRUM_POINTS));
}

void tcControlGroupMain::setStatusText(int displayId, const QString& text)
{
    if (displayId == STAT_ONLINE || displayId == STAT_DEVICE || displayId == STAT_PRESET)
        setDisplayText(displayId, text);
}

void tcControlGroupMain::setStatusState(int displayId, int state)
{
    if (displayId == STAT_ONLINE || displayId == STAT_PRESET)
        setDisplayState(displayId, state);
}
