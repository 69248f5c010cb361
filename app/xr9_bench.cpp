#include "app/xr9_bench.h"

#include "app/ap_widget.h"
#include "app/ini_file.h"
#include "app/settings_globals.h"
#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_object.h"
#include "groups/group_compressor.h"
#include "groups/group_deesser.h"
#include "groups/group_expander.h"
#include "groups/group_input.h"
#include "groups/group_main.h"
#include "groups/group_peq.h"
#include "groups/group_system.h"
#include "model/device_globals.h"
#include "model/model_globals.h"
#include "model/param_list.h"
#include "model/param_map.h"
#include "presets/quick_save.h"

#include <QDebug>
#include <QDir>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>

namespace {

// Controls that stay usable while the unit is in local mode: navigation, views, status,
// presets, devices, the on-line switch, passwords and skins.
constexpr std::array<int, 24> kAlwaysAllowed = {
    1001, 1002, 1003, 1004, 1005, 1009, 1017, 1019, 1020, 1021, 1023, 1030,
    1034, 1039, 1040, 1041, 1042, 1043, 1047, 1048, 1049, 1050, 9002, 9003};

constexpr quint16 kIsLocal = 1011;
constexpr quint16 kMapStream = 1007;

tcDeviceGlobals* globals() { return deviceGlobals(); }

} // namespace

tcXR9Bench::tcXR9Bench(tcApWidget* host, const QString& skinFolder, tcQuickSave* quickSave)
    : tcBenchMaster(host, skinFolder), m_window(host), m_quickSave(quickSave)
{
    m_streamFlag = globals() && globals()->getInt(kMapStream) == 1;
    m_curveOption = option("GRCURVE", 0);
}

tcXR9Bench::~tcXR9Bench()
{
    if (m_main) {
        tcGuiApGraph* graph = m_main->graph();
        // The graph borrows the groups' scales and draggers, and the groups go first.
        if (graph) {
            graph->setDragger(nullptr);
            graph->setScales(nullptr, nullptr);
        }
        m_system.reset();
        m_compressor.reset();
        m_parametric.reset();
        m_deesser.reset();
        m_expander.reset();
        m_input.reset();
        if (graph)
            setOption("SPECTRA_RANGE", graph->spectrumRange());
        m_main.reset();
        setOption("CONTROL", m_control);
    }
    clear();
}

int tcXR9Bench::load()
{
    if (tcBenchMaster::load() != 0) {
        log("ERROR: Loading the skin file");
        return -1;
    }
    const auto* background = static_cast<const tcGuiImage*>(objects().find(QStringLiteral("BKGRND"), GUI_KIND_IMAGE));
    if (!background) {
        log("ERROR: Loading the skin file, no BKGRND image found");
        return -1;
    }
    m_width = background->width();
    m_height = background->height();
    m_main = std::make_unique<tcControlGroupMain>(*this);
    m_input = std::make_unique<tcControlGroupInput>(*this);
    m_expander = std::make_unique<tcControlGroupExpander>(*this);
    m_deesser = std::make_unique<tcControlGroupDeEsser>(*this);
    m_parametric = std::make_unique<tcControlGroupParametric>(*this);
    m_compressor = std::make_unique<tcControlGroupCompressor>(*this);
    m_system = std::make_unique<tcControlGroupSystem>(*this);
    if (tcGuiApGraph* graph = m_main->graph())
        graph->setSpectrumRange(option("SPECTRA_RANGE", graph->spectrumRange()));
    m_main->setActive(true);
    m_main->refreshAll();
    selectControl(option("CONTROL", 0));
    setStreamFlag(m_streamFlag);
    m_main->resetMeters();
    return 0;
}

tcControlGroup* tcXR9Bench::groupForIndex(int index) const
{
    switch (index) {
    case 0: return m_system.get();
    case 1: return m_compressor.get();
    case 2: return m_parametric.get();
    case 3: return m_deesser.get();
    case 4: return m_expander.get();
    default: return m_input.get();
    }
}

template <typename Fn> void tcXR9Bench::forEachProcessingGroup(Fn fn) const
{
    const std::array<tcControlGroup*, 6> groups = {m_input.get(),      m_expander.get(),   m_deesser.get(),
                                                   m_parametric.get(), m_compressor.get(), m_system.get()};
    for (tcControlGroup* group : groups)
        if (group)
            fn(group);
}

void tcXR9Bench::selectControl(int index)
{
    if (!m_main)
        return;
    if (host())
        host()->setUpdatesEnabled(false);
    tcControlGroup* picked = groupForIndex(index);
    forEachProcessingGroup([picked](tcControlGroup* group) {
        if (group != picked)
            group->setActive(false);
    });
    picked->attachGraph(m_main->graph());
    picked->setActive(true);
    picked->refreshAll();
    m_control = index;
    setOption("CONTROL", index);
    m_main->refreshFlowButtons();
    if (host()) {
        host()->setUpdatesEnabled(true);
        host()->update();
    }
}

bool tcXR9Bench::interactionLocked(int objectId)
{
    if (std::find(kAlwaysAllowed.begin(), kAlwaysAllowed.end(), objectId) != kAlwaysAllowed.end())
        return false;
    if (!globals() || !globals()->getBool(kIsLocal))
        return false;
    if (m_window)
        m_window->showLocalModeWarning();
    return true;
}

void tcXR9Bench::fitWindow()
{
    if (!host())
        return;
    host()->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const float sx = scaling() ? scaleX() : 1.0f;
    const float sy = scaling() ? scaleY() : 1.0f;
    host()->resize(static_cast<int>(m_width * sx), static_cast<int>(m_height * sy));
}

void tcXR9Bench::paint(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setClipRect(rect);
    if (scaling())
        painter.scale(scaleX(), scaleY());
    const QRect skinRect = toSkin(rect);
    // The main group binds "BKGRND" first, so the background is drawn before anything on it.
    if (m_main)
        m_main->paint(painter, skinRect);
    forEachProcessingGroup([&painter, &skinRect](tcControlGroup* group) { group->paint(painter, skinRect); });
    painter.restore();
}

void tcXR9Bench::log(const char* format, ...)
{
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    // The debug stream ends each line itself.
    qDebug().noquote() << QByteArray(buffer).chopped(QByteArray(buffer).endsWith('\n') ? 1 : 0);
}

void tcXR9Bench::setStreamFlag(bool output)
{
    m_streamFlag = output;
    if (globals())
        globals()->setInt(kMapStream, output ? 1 : 0, TO_UNIT);
    if (m_main) {
        m_main->refreshGraphSourceButtons();
        if (tcGuiApGraph* graph = m_main->graph())
            graph->redraw();
    }
}

void tcXR9Bench::setCurveOption(int value)
{
    if (value != m_curveOption) {
        m_curveOption = value;
        setOption("GRCURVE", value);
    }
    if (m_main && m_main->graph())
        m_main->graph()->redraw();
}

int tcXR9Bench::option(const char* key, int defaultValue) const
{
    const tcIniFile* store = settingsStore();
    return store ? store->getInt("OPTIONS", key, defaultValue) : defaultValue;
}

void tcXR9Bench::setOption(const char* key, int value)
{
    if (tcIniFile* store = settingsStore())
        store->setInt("OPTIONS", key, value);
}

int tcXR9Bench::quickSaveSlot() const
{
    return m_quickSave ? m_quickSave->currentSlot() : 0;
}

void tcXR9Bench::quickSaveSelect(int slot)
{
    if (m_quickSave && liveMap())
        m_quickSave->selectSlot(slot, *liveMap());
}

void tcXR9Bench::quickSaveStoreBoth()
{
    if (m_quickSave && liveMap())
        m_quickSave->storeBoth(*liveMap());
}

void tcXR9Bench::refreshParameter(quint16 id)
{
    tcParamMap* map = liveMap();
    if (!map)
        return;
    forEachProcessingGroup([id, map](tcControlGroup* group) {
        for (const tcKnobRow& row : group->knobRows())
            if (row.param == id)
                group->setKnob(row.knob, map->getPosition(id));
        for (const tcSwitchRow& row : group->switchRows())
            if (row.param == id)
                group->setSwitch(row.box, map->getBool(id));
    });
}

void tcXR9Bench::refreshGlobal(quint16 id)
{
    if (!m_main || !globals())
        return;
    switch (id) {
    case 1006: m_main->setSwitch(tcControlGroupMain::GRAPH_VIEW_OSCOPE, globals()->getBool(id)); break;
    case 1007:
        m_streamFlag = globals()->getInt(id) == 1;
        m_main->refreshGraphSourceButtons();
        break;
    case 1011: m_main->refreshLocalLamp(); break;
    case 1013:
        if (m_system)
            m_system->refreshAesMute();
        break;
    case 1014: m_main->refreshPhantomLamp(); break;
    default: break;
    }
}

void tcXR9Bench::setStatusDisplay(int displayId, const QString& text, int colour)
{
    if (!m_main)
        return;
    m_main->setStatusText(displayId, text);
    m_main->setStatusState(displayId, colour);
}

void tcXR9Bench::setOnlineSwitch(bool on)
{
    // Only the box: the on-line wish itself is the main window's to store.
    if (tcGuiCheckBox* box = m_main ? m_main->checkBox(tcControlGroupMain::ONLINE) : nullptr)
        box->setChecked(on);
}

void tcXR9Bench::meterUpdate(const tMeterDatagram& datagram)
{
    if (m_main)
        m_main->updateMeters(datagram);
}

void tcXR9Bench::restMeters()
{
    if (m_main)
        m_main->resetMeters();
}
