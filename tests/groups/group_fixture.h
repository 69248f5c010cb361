#pragma once

// Fixtures shared by the control-group tests: the parameter model with recorded
// notifications, a bench built in code that holds the front panel's skin objects by name
// and answers as the groups' host, and the seven groups made over it.

#include "gqgui/bench.h"
#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_display.h"
#include "gqgui/gui_dyngraph.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_label.h"
#include "gqgui/gui_lamp.h"
#include "gqgui/gui_meter.h"
#include "gqgui/gui_slider.h"
#include "gqgui/skin_font.h"
#include "groups/group_compressor.h"
#include "groups/group_deesser.h"
#include "groups/group_expander.h"
#include "groups/group_host.h"
#include "groups/group_input.h"
#include "groups/group_main.h"
#include "groups/group_peq.h"
#include "groups/group_system.h"
#include "model/device_globals.h"
#include "model/model_globals.h"
#include "model/param_map.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

// A stored change as a notification reports it.
struct tcChange
{
    quint16 id;
    tcChangeFlag flag;
    bool operator==(const tcChange&) const = default;
};

// How QCOMPARE prints a change: "id/flag".
inline char* toString(const tcChange& change)
{
    return qstrdup(QByteArray::number(change.id) + '/' + QByteArray::number(int(change.flag)));
}

// The live map and the device globals, installed as the process-wide objects, with every
// notification recorded. The unit starts out of local mode.
struct tcModelFixture
{
    tcParamMap map;
    tcDeviceGlobals globals;
    QList<tcChange> mapChanges;
    QList<tcChange> globalChanges;

    tcModelFixture()
    {
        globals.setBool(1011, false, TO_GUI);
        map.setNotify(record, &mapChanges);
        globals.setNotify(record, &globalChanges);
        setLiveMap(&map);
        setDeviceGlobals(&globals);
    }
    ~tcModelFixture()
    {
        setLiveMap(nullptr);
        setDeviceGlobals(nullptr);
    }
    tcModelFixture(const tcModelFixture&) = delete;
    tcModelFixture& operator=(const tcModelFixture&) = delete;

    void forget()
    {
        mapChanges.clear();
        globalChanges.clear();
    }

    static void record(void* context, quint16 id, tcChangeFlag flag)
    {
        static_cast<QList<tcChange>*>(context)->append({id, flag});
    }
};

// The skin objects of the front panel, by name and kind, as a skin file would give them.
struct tcSkinPart
{
    const char* name;
    int kind;
};

inline constexpr tcSkinPart FRONT_PANEL[] = {
    {"BKGRND", GUI_KIND_IMAGE}, {"SYS_ABOUT", GUI_KIND_BUTTON}, {"SYS_MINIMIZE", GUI_KIND_BUTTON},
    {"SYS_EXIT", GUI_KIND_BUTTON}, {"STAT_ONLINE", GUI_KIND_DISPLAY}, {"STAT_DEVICE", GUI_KIND_DISPLAY},
    {"STAT_PRESET", GUI_KIND_DISPLAY}, {"GRAPH", GUI_KIND_APGRAPH}, {"METER_IN_RANGE", GUI_KIND_CHECKBOX},
    {"METER_IN", GUI_KIND_METER}, {"METER_EXP", GUI_KIND_METER}, {"METER_DES", GUI_KIND_METER},
    {"METER_CMP", GUI_KIND_METER}, {"METER_OUT", GUI_KIND_METER}, {"FLOW_INPUT", GUI_KIND_BUTTON},
    {"FLOW_EXPANDER", GUI_KIND_BUTTON}, {"FLOW_DEESSER", GUI_KIND_BUTTON}, {"FLOW_PEQ", GUI_KIND_BUTTON},
    {"FLOW_COMP", GUI_KIND_BUTTON}, {"FLOW_SYSTEM", GUI_KIND_BUTTON}, {"GRAPH_INPUT", GUI_KIND_BUTTON},
    {"GRAPH_OUTPUT", GUI_KIND_BUTTON}, {"TAKE", GUI_KIND_BUTTON}, {"PRESETS", GUI_KIND_BUTTON},
    {"DEVICES", GUI_KIND_BUTTON}, {"ONLINE", GUI_KIND_CHECKBOX}, {"QSAVEA", GUI_KIND_BUTTON},
    {"QSAVEB", GUI_KIND_BUTTON}, {"QSAVEAB", GUI_KIND_BUTTON}, {"GRAPH_VIEW_AUDIO", GUI_KIND_CHECKBOX},
    {"GRAPH_VIEW_GR", GUI_KIND_CHECKBOX}, {"GRAPH_VIEW_CNTRLS", GUI_KIND_CHECKBOX},
    {"GRAPH_VIEW_OSCOPE", GUI_KIND_CHECKBOX}, {"PHANTOM_PWR_LAMP", GUI_KIND_LAMP},
    {"LOCAL_MODE_LAMP", GUI_KIND_LAMP},
    {"INPUT_BKGRND", GUI_KIND_IMAGE}, {"INPUT_LABEL", GUI_KIND_LABEL}, {"INPUT_MIC_GAIN_KNOB", GUI_KIND_KNOB},
    {"INPUT_MIC_GAIN_DSPY", GUI_KIND_DISPLAY}, {"SYMMETRY", GUI_KIND_CHECKBOX}, {"FILT_ENABLE", GUI_KIND_CHECKBOX},
    {"FILT_HPF_KNOB", GUI_KIND_KNOB}, {"FILT_LPF_KNOB", GUI_KIND_KNOB}, {"FILT_HPF_DSPY", GUI_KIND_DISPLAY},
    {"FILT_LPF_DSPY", GUI_KIND_DISPLAY}, {"OUT_GAIN_KNOB", GUI_KIND_KNOB}, {"OUT_GAIN_DSPY", GUI_KIND_DISPLAY},
    {"EXP_BKGRND", GUI_KIND_IMAGE}, {"EXP_LABEL", GUI_KIND_LABEL}, {"EXP_ENABLE", GUI_KIND_CHECKBOX},
    {"EXP_DEPTH_KNOB", GUI_KIND_KNOB}, {"EXP_THR_KNOB", GUI_KIND_KNOB}, {"EXP_CLOSE_KNOB", GUI_KIND_KNOB},
    {"EXP_DEPTH_DSPY", GUI_KIND_DISPLAY}, {"EXP_THR_DSPY", GUI_KIND_DISPLAY}, {"EXP_CLOSE_DSPY", GUI_KIND_DISPLAY},
    {"EXP_GRAPH", GUI_KIND_DYNGRAPH},
    {"DEES_BKGRND", GUI_KIND_IMAGE}, {"DEES_LABEL", GUI_KIND_LABEL}, {"DEES_ENABLE", GUI_KIND_CHECKBOX},
    {"DEES_THR_KNOB", GUI_KIND_KNOB}, {"DEES_REL_KNOB", GUI_KIND_KNOB}, {"DEES_F_KNOB", GUI_KIND_KNOB},
    {"DEES_THR_DSPY", GUI_KIND_DISPLAY}, {"DEES_REL_DSPY", GUI_KIND_DISPLAY}, {"DEES_F_DSPY", GUI_KIND_DISPLAY},
    {"PEQ_BKGRND", GUI_KIND_IMAGE}, {"PEQ_LABEL", GUI_KIND_LABEL}, {"EQ_ENABLE", GUI_KIND_CHECKBOX},
    {"EQ_PRE_COMP", GUI_KIND_CHECKBOX}, {"PEQ1_F_KNOB", GUI_KIND_KNOB}, {"PEQ1_F_DSPY", GUI_KIND_DISPLAY},
    {"PEQ1_Q_KNOB", GUI_KIND_KNOB}, {"PEQ1_Q_DSPY", GUI_KIND_DISPLAY}, {"PEQ1_L_KNOB", GUI_KIND_KNOB},
    {"PEQ1_L_DSPY", GUI_KIND_DISPLAY}, {"PEQ2_F_KNOB", GUI_KIND_KNOB}, {"PEQ2_F_DSPY", GUI_KIND_DISPLAY},
    {"PEQ2_Q_KNOB", GUI_KIND_KNOB}, {"PEQ2_Q_DSPY", GUI_KIND_DISPLAY}, {"PEQ2_L_KNOB", GUI_KIND_KNOB},
    {"PEQ2_L_DSPY", GUI_KIND_DISPLAY}, {"SEQ1_F_KNOB", GUI_KIND_KNOB}, {"SEQ1_F_DSPY", GUI_KIND_DISPLAY},
    {"SEQ1_L_KNOB", GUI_KIND_KNOB}, {"SEQ1_L_DSPY", GUI_KIND_DISPLAY}, {"SEQ2_F_KNOB", GUI_KIND_KNOB},
    {"SEQ2_F_DSPY", GUI_KIND_DISPLAY}, {"SEQ2_L_KNOB", GUI_KIND_KNOB}, {"SEQ2_L_DSPY", GUI_KIND_DISPLAY},
    {"COMP_BKGRND", GUI_KIND_IMAGE}, {"COMP_LABEL", GUI_KIND_LABEL}, {"COMP_ENABLE", GUI_KIND_CHECKBOX},
    {"COMP_THR_KNOB", GUI_KIND_KNOB}, {"COMP_THR_DSPY", GUI_KIND_DISPLAY}, {"COMP_RAT_KNOB", GUI_KIND_KNOB},
    {"COMP_RAT_DSPY", GUI_KIND_DISPLAY}, {"COMP_ATT_KNOB", GUI_KIND_KNOB}, {"COMP_ATT_DSPY", GUI_KIND_DISPLAY},
    {"COMP_REL_KNOB", GUI_KIND_KNOB}, {"COMP_REL_DSPY", GUI_KIND_DISPLAY}, {"COMP_GRAPH", GUI_KIND_DYNGRAPH},
    {"SYS_BKGRND", GUI_KIND_IMAGE}, {"SYS_LABEL", GUI_KIND_LABEL}, {"PASSWORDS", GUI_KIND_BUTTON},
    {"SKIN", GUI_KIND_BUTTON}, {"SYS_AES_MUTE", GUI_KIND_COMBO},
};

// Every object sits in a band of its own, so that a point inside one hits nothing else.
inline constexpr int SKIN_BAND = 300;
// Points inside an object, from its top-left corner.
inline constexpr int GRIP = 5;

// Panel n of the main graph lies 10 * n pixels right of the graph's own place.
inline constexpr int PANEL_STEP = 10;

// IDs the local-mode lock always lets through (navigation, views, presets, devices, the
// on-line switch, passwords and skin).
inline const QSet<int> UNLOCKED_IDS = {1001, 1002, 1003, 1004, 1005, 1009, 1017, 1019, 1020, 1021, 1023,
                                       1030, 1034, 1039, 1040, 1041, 1042, 1043, 1047, 1048, 1049, 1050,
                                       9002, 9003};

// A bench built in code and the host the groups ask: it records the lock queries, the
// control selections, the graph source and quick-save calls, and keeps the options.
class tcTestHost : public tcBench, public tcGroupHost
{
public:
    tcTestHost() : tcBench(nullptr)
    {
        for (const auto& recipe : PREDEFINED_SKIN_FONTS)
            m_fonts.push_back(std::make_unique<tcSkinFont>(recipe));
    }

    void fitWindow() override {}
    void log(const char*, ...) override {}

    bool interactionLocked(int objectId) override
    {
        lockQueries.append(objectId);
        return deviceGlobals()->getBool(1011) && !UNLOCKED_IDS.contains(objectId);
    }

    tcSkinFont* fontByName(const QString& name) override
    {
        for (const auto& font : m_fonts) {
            if (font->name().text() == name)
                return font.get();
        }
        return nullptr;
    }

    tcBench& skinBench() override { return *this; }
    tcControlGroupMain* mainGroup() const override { return main; }
    int controlIndex() const override { return control; }
    void selectControl(int index) override
    {
        selected.append(index);
        control = index;
    }
    void setStreamFlag(bool output) override
    {
        streamFlags.append(output);
        deviceGlobals()->setInt(1007, output ? 1 : 0, TO_UNIT);
    }
    int option(const char* key, int defaultValue) const override
    {
        return options.value(QString::fromLatin1(key), defaultValue);
    }
    void setOption(const char* key, int value) override { options.insert(QString::fromLatin1(key), value); }
    int quickSaveSlot() const override { return slot; }
    void quickSaveSelect(int newSlot) override
    {
        quickSaveCalls.append(QStringLiteral("select %1").arg(newSlot));
        if (newSlot == 0 || newSlot == 1)
            slot = newSlot;
    }
    void quickSaveStoreBoth() override { quickSaveCalls.append(QStringLiteral("store both")); }

    // Makes the skin object, places it in its band, loads it and hands it the widget.
    tcGuiObject* addPart(const tcSkinPart& part)
    {
        const QString id = QString::fromLatin1(part.name);
        const int serial = int(objects().size()) + 1;
        std::unique_ptr<tcGuiObject> made = make(id, part.kind, serial);
        if (part.kind == GUI_KIND_APGRAPH) {
            auto* graph = static_cast<tcGuiApGraph*>(made.get());
            for (int panel = 0; panel < tcGuiApGraph::PANELS; ++panel)
                graph->setPanelX(panel, PANEL_STEP * panel);
        }
        tcGuiObject* object = objects().append(std::move(made));
        object->setX(0);
        object->setY(SKIN_BAND * (serial - 1));
        object->finishLoading();
        object->setParentWidget(&widget);
        return object;
    }

    // Every front-panel object but the names left out.
    void addFrontPanel(const QStringList& leftOut = {})
    {
        for (const tcSkinPart& part : FRONT_PANEL) {
            if (!leftOut.contains(QString::fromLatin1(part.name)))
                addPart(part);
        }
    }

    tcGuiObject* find(const char* name) const { return objects().find(QString::fromLatin1(name)); }
    // A point inside the object of that name.
    QPoint grip(const char* name) const
    {
        const tcGuiObject* object = find(name);
        return QPoint(object->x() + GRIP, object->y() + GRIP);
    }
    // Press and release on the object: a click of a button or check box.
    void click(const char* name)
    {
        const QPoint at = grip(name);
        leftPress(at.x(), at.y());
        leftRelease(at.x(), at.y());
    }
    // Press on the knob, drag it up (positive) or down (negative), release.
    void turn(const char* name, int up)
    {
        const QPoint at = grip(name);
        leftPress(at.x(), at.y());
        move(at.x(), at.y() - up, 0);
        leftRelease(at.x(), at.y() - up);
    }

    tcControlGroupMain* main = nullptr;
    int control = 5;
    int slot = 0;
    QList<int> lockQueries;
    QList<int> selected;
    QList<bool> streamFlags;
    QHash<QString, int> options;
    QStringList quickSaveCalls;
    QWidget widget;

private:
    std::unique_ptr<tcGuiObject> make(const QString& id, int kind, int serial);

    std::vector<std::unique_ptr<tcSkinFont>> m_fonts;
};

inline std::unique_ptr<tcGuiObject> tcTestHost::make(const QString& id, int kind, int serial)
{
    switch (kind) {
    case GUI_KIND_BUTTON:
        return std::make_unique<tcGuiButton>(id, this, serial);
    case GUI_KIND_LAMP:
        return std::make_unique<tcGuiLamp>(id, this, serial);
    case GUI_KIND_CHECKBOX:
        return std::make_unique<tcGuiCheckBox>(id, this, serial);
    case GUI_KIND_DISPLAY:
        return std::make_unique<tcGuiDisplay>(id, this, serial);
    case GUI_KIND_KNOB:
        return std::make_unique<tcGuiKnob>(id, this, serial);
    case GUI_KIND_SLIDER:
        return std::make_unique<tcGuiSlider>(id, this, serial);
    case GUI_KIND_COMBO:
        return std::make_unique<tcGuiCombo>(id, this, serial);
    case GUI_KIND_METER:
        return std::make_unique<tcGuiMeter>(id, this, serial);
    case GUI_KIND_APGRAPH:
        return std::make_unique<tcGuiApGraph>(id, this, serial);
    case GUI_KIND_DYNGRAPH:
        return std::make_unique<tcGuiDynGraph>(id, this, serial);
    case GUI_KIND_LABEL:
        return std::make_unique<tcGuiLabel>(id, this, serial);
    default:
        return std::make_unique<tcGuiImage>(id, this, serial);
    }
}

// The front panel as the bench makes it: the objects, then the seven groups in the bench's
// order over them, the main group active and the input group shown. Notifications of the
// making are forgotten.
struct tcPanel
{
    tcModelFixture model;
    tcTestHost host;
    std::unique_ptr<tcControlGroupMain> main;
    std::unique_ptr<tcControlGroupInput> input;
    std::unique_ptr<tcControlGroupExpander> expander;
    std::unique_ptr<tcControlGroupDeEsser> deesser;
    std::unique_ptr<tcControlGroupParametric> peq;
    std::unique_ptr<tcControlGroupCompressor> compressor;
    std::unique_ptr<tcControlGroupSystem> system;

    explicit tcPanel(const QStringList& leftOut = {}, const QHash<QString, int>& options = {})
    {
        host.options = options;
        host.addFrontPanel(leftOut);
        main = std::make_unique<tcControlGroupMain>(host);
        host.main = main.get();
        input = std::make_unique<tcControlGroupInput>(host);
        expander = std::make_unique<tcControlGroupExpander>(host);
        deesser = std::make_unique<tcControlGroupDeEsser>(host);
        peq = std::make_unique<tcControlGroupParametric>(host);
        compressor = std::make_unique<tcControlGroupCompressor>(host);
        system = std::make_unique<tcControlGroupSystem>(host);
        main->setActive(true);
        show(5);
        model.forget();
    }
    ~tcPanel() { host.main = nullptr; }
    tcPanel(const tcPanel&) = delete;
    tcPanel& operator=(const tcPanel&) = delete;

    // The processing group of a control index: 0 system ... 5 input.
    tcControlGroup* group(int index) const
    {
        const std::array<tcControlGroup*, 6> byIndex = {system.get(), compressor.get(), peq.get(),
                                                         deesser.get(), expander.get(), input.get()};
        return byIndex[size_t(index)];
    }

    // Shows one processing group as the bench's select control does: the others hidden,
    // the main graph attached to it, then it activated.
    void show(int index)
    {
        for (int other = 0; other < 6; ++other) {
            if (other != index)
                group(other)->setActive(false);
        }
        group(index)->attachGraph(main->graph());
        group(index)->setActive(true);
        host.control = index;
    }

    tcGuiObject* find(const char* name) const { return host.find(name); }
    template <typename T> T* as(const char* name) const { return static_cast<T*>(host.find(name)); }
};
