#include "tools/skinshot/preview_state.h"

#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_display.h"
#include "gqgui/gui_dyngraph.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_meter.h"
#include "groups/binding_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

template <typename Entry, size_t N> const Entry* findByName(const Entry (&table)[N], const QString& name)
{
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [&](const Entry& entry) { return name == QLatin1String(entry.name); });
    return found == std::end(table) ? nullptr : found;
}

// The flow buttons and the control index each shows. The system has no block to switch
// in or out, so its button always shows the "out" styles.
struct tcFlowButton
{
    const char* name;
    int controlIndex;
    bool hasBlock;
};
constexpr tcFlowButton FLOW_BUTTONS[] = {
    {"FLOW_SYSTEM", 0, false}, {"FLOW_COMP", 1, true},     {"FLOW_PEQ", 2, true},
    {"FLOW_DEESSER", 3, true}, {"FLOW_EXPANDER", 4, true}, {"FLOW_INPUT", 5, true},
};
constexpr int STYLE_SHOWN = 1;
constexpr int STYLE_OUT = 2;

// Buttons and check boxes of the main area that a fresh start shows lit: the graph source
// input, quick-save slot A and the audio view.
constexpr const char* LIT_MAIN_BUTTONS[] = {"GRAPH_INPUT", "QSAVEA"};
constexpr const char* CHECKED_MAIN_BOXES[] = {"GRAPH_VIEW_AUDIO"};

struct tcStartText
{
    const char* name;
    const char* text;
};
constexpr tcStartText START_TEXTS[] = {{"STAT_ONLINE", "Offline "}, {"STAT_DEVICE", "unknown "}};
// Value displays show that no value has come yet.
constexpr const char* NO_VALUE_TEXT = "  ----  ";

constexpr const char* AES_MUTE_ITEMS[] = {"No Mute", "Right Mute", "Left Mute"};

// Level and peak indexes (255 = 0 dB, 4 steps per dB; for a reduction 255 = none).
struct tcSampleLevel
{
    const char* name;
    int level;
    int peak;
};
constexpr tcSampleLevel SAMPLE_LEVELS[] = {
    {"METER_IN", 219, 243}, {"METER_EXP", 247, 255}, {"METER_DES", 239, 255},
    {"METER_CMP", 227, 255}, {"METER_OUT", 207, 231},
};

// Knobs stand at this share of their range.
constexpr double KNOB_SHARE = 0.6;

// Graph mode bit of the audio spectrum, and the sample spectrum's shape: a voice-like
// hump around 300 Hz over 500 points from 20 Hz to 20 kHz, in dB below full scale.
constexpr int GRAPH_MODE_AUDIO = 2;
constexpr double SPECTRUM_WINDOW_DB = 50.0;
constexpr uint8_t GAIN_REDUCTION_FLAG = 1;

std::array<uint8_t, SPECTRUM_POINTS> sampleSpectrum()
{
    std::array<uint8_t, SPECTRUM_POINTS> data{};
    for (int i = 0; i < SPECTRUM_POINTS; ++i) {
        const double hz = 20.0 * std::pow(1000.0, double(i) / (SPECTRUM_POINTS - 1));
        const double octaves = std::log2(hz / 300.0);
        const double dB = -12.0 - 0.9 * octaves * octaves - (octaves > 0 ? 1.5 * octaves : 0.0)
                          + 2.0 * std::sin(i * 0.37) + 1.2 * std::sin(i * 1.13);
        const double value = 255.0 * (1.0 + dB / SPECTRUM_WINDOW_DB);
        data[size_t(i)] = uint8_t(std::clamp(int(std::lround(value)), 1, 255));
    }
    // Bit 0 of the first byte would mark the data as gain reduction.
    data[0] &= uint8_t(~GAIN_REDUCTION_FLAG);
    return data;
}

bool listed(std::span<const char* const> names, const QString& name)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == QLatin1String(n); });
}

} // namespace

void tcPreviewState::apply(tcGuiObject& object, int controlIndex)
{
    switch (object.kind()) {
    case GUI_KIND_BUTTON: applyButton(object, controlIndex); break;
    case GUI_KIND_CHECKBOX: applyCheckBox(object); break;
    case GUI_KIND_DISPLAY: applyDisplay(object); break;
    case GUI_KIND_METER: applyMeter(object); break;
    case GUI_KIND_APGRAPH: applyGraph(object, controlIndex); break;
    case GUI_KIND_DYNGRAPH: applyDynGraph(object); break;
    case GUI_KIND_KNOB: {
        auto& knob = static_cast<tcGuiKnob&>(object);
        knob.setValue(knob.minimum() + int(std::lround((knob.maximum() - knob.minimum()) * KNOB_SHARE)));
        break;
    }
    case GUI_KIND_COMBO: {
        auto& combo = static_cast<tcGuiCombo&>(object);
        combo.setItems(QStringList(std::begin(AES_MUTE_ITEMS), std::end(AES_MUTE_ITEMS)));
        combo.setIndex(0, false);
        break;
    }
    default: break;
    }
}

void tcPreviewState::applyButton(tcGuiObject& object, int controlIndex)
{
    auto& button = static_cast<tcGuiButton&>(object);
    const int shownIndex = skinGroupForControl(controlIndex).controlIndex;
    if (const tcFlowButton* flow = findByName(FLOW_BUTTONS, object.id())) {
        const int shown = flow->controlIndex == shownIndex ? STYLE_SHOWN : 0;
        button.setStyle(shown + (flow->hasBlock ? 0 : STYLE_OUT));
    } else if (listed(LIT_MAIN_BUTTONS, object.id())) {
        button.setStyle(STYLE_SHOWN);
    }
}

void tcPreviewState::applyCheckBox(tcGuiObject& object)
{
    // Every switch of a processing group is on (its block in); of the main area only the
    // audio view.
    const bool mainArea = findByName(MAIN_BINDINGS, object.id()) != nullptr;
    static_cast<tcGuiCheckBox&>(object).setChecked(!mainArea || listed(CHECKED_MAIN_BOXES, object.id()));
}

void tcPreviewState::applyDisplay(tcGuiObject& object)
{
    const tcStartText* start = findByName(START_TEXTS, object.id());
    if (start)
        object.setText(QLatin1String(start->text));
    else if (!findByName(MAIN_BINDINGS, object.id()))
        object.setText(QLatin1String(NO_VALUE_TEXT));
}

void tcPreviewState::applyMeter(tcGuiObject& object)
{
    const tcSampleLevel* sample = findByName(SAMPLE_LEVELS, object.id());
    if (!sample)
        return;
    static_cast<tcGuiMeter&>(object).setLevels({sample->level, sample->level}, {sample->peak, sample->peak}, {0, 0});
}

void tcPreviewState::applyGraph(tcGuiObject& object, int controlIndex)
{
    auto& graph = static_cast<tcGuiApGraph&>(object);
    graph.selectPanel(skinGroupForControl(controlIndex).graphPanel);
    graph.setMode(GRAPH_MODE_AUDIO);
    graph.setSpectrumData(sampleSpectrum());
}

void tcPreviewState::applyDynGraph(tcGuiObject& object)
{
    auto& graph = static_cast<tcGuiDynGraph&>(object);
    if (object.id() == QLatin1String("EXP_GRAPH")) {
        graph.setup(DYNGRAPH_EXPANDER, DYNSCALE_80_0, 1);
        graph.setThreshold(0, -45.0f);
        graph.setRatio(0, 2.0f);
        graph.setDepth(0, 20.0f);
    } else {
        graph.setup(DYNGRAPH_COMPRESSOR, DYNSCALE_80_0, 1);
        graph.setThreshold(0, -30.0f);
        graph.setRatio(0, 4.0f);
    }
}
