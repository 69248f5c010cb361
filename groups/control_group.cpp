#include "groups/control_group.h"

#include "gqgui/bench.h"
#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_display.h"
#include "gqgui/gui_dyngraph.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_lamp.h"
#include "gqgui/gui_meter.h"
#include "gqgui/gui_radio.h"
#include "gqgui/gui_slider.h"
#include "groups/group_host.h"
#include "groups/group_main.h"
#include "model/model_globals.h"
#include "model/param_map.h"

#include <QPainter>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// The plain callbacks the bound objects call with (context, object ID, ...); the context
// is the group that bound them.
tcControlGroup* groupOf(void* context)
{
    return static_cast<tcControlGroup*>(context);
}

void buttonClicked(void* context, int id)
{
    groupOf(context)->onButton(id);
}

void checkBoxToggled(void* context, int id, bool state)
{
    groupOf(context)->onCheckBox(id, state);
}

void displayEdited(void* context, int id, const QString& text)
{
    groupOf(context)->onDisplayEdit(id, text);
}

void displayDoubleClicked(void* context, int id)
{
    groupOf(context)->onDisplayDoubleClick(id);
}

void knobMoved(void* context, int id, int value)
{
    groupOf(context)->onKnob(id, quint32(qMax(0, value)));
}

void comboSelected(void* context, int id, int index)
{
    groupOf(context)->onComboSelect(id, index);
}

void comboEdited(void* context, int id, const QString& text)
{
    groupOf(context)->onComboOther(id, text);
}

void radioChanged(void* context, int id, int value)
{
    groupOf(context)->onRadio(id, value);
}

} // namespace

tcControlGroup::tcControlGroup(tcGroupHost& host, std::span<const tcBindingEntry> list, int graphPanel,
                               std::span<const tcKnobRow> knobs, std::span<const tcSwitchRow> switches)
    : m_host(host), m_graphPanel(graphPanel), m_knobs(knobs), m_switches(switches)
{
    const tcGuiObjectList& objects = host.skinBench().objects();
    m_bindings.reserve(list.size());
    for (const tcBindingEntry& entry : list) {
        const QString name = QString::fromLatin1(entry.name);
        tcGuiObject* found = objects.find(name);
        m_bindings.push_back({entry.id, name, found});
        if (found)
            bind(found, entry.id);
    }
}

tcControlGroup::~tcControlGroup() = default;

void tcControlGroup::bind(tcGuiObject* object, int id)
{
    object->setContext(this);
    object->setParameterId(id);
    switch (object->kind()) {
    case GUI_KIND_BUTTON:
        static_cast<tcGuiButton*>(object)->setCallbacks(buttonClicked, nullptr);
        break;
    case GUI_KIND_CHECKBOX:
        static_cast<tcGuiCheckBox*>(object)->setCallback(checkBoxToggled);
        break;
    case GUI_KIND_DISPLAY:
        static_cast<tcGuiDisplay*>(object)->setCallbacks(displayEdited, displayDoubleClicked);
        break;
    case GUI_KIND_KNOB:
        static_cast<tcGuiKnob*>(object)->setCallback(knobMoved);
        break;
    case GUI_KIND_SLIDER:
        static_cast<tcGuiSlider*>(object)->setCallback(knobMoved);
        break;
    case GUI_KIND_COMBO:
        static_cast<tcGuiCombo*>(object)->setCallbacks(comboSelected, comboEdited, nullptr);
        break;
    case GUI_KIND_RADIOGROUP:
        static_cast<tcGuiRadioGroup*>(object)->setCallback(radioChanged);
        break;
    default:
        // Lamps, list boxes, radio items, meters, graphs, labels and images report nothing.
        break;
    }
}

void tcControlGroup::setActive(bool on)
{
    if (on == m_active)
        return;
    if (on)
        m_active = true;
    for (const tcControlBinding& binding : m_bindings) {
        if (binding.object)
            binding.object->show(on);
    }
    m_active = on;
}

void tcControlGroup::setKnob(int knobId, quint32 position)
{
    setKnobPosition(knobId, position);
}

void tcControlGroup::setSwitch(int boxId, bool state)
{
    setCheckBoxState(boxId, state);
}

void tcControlGroup::attachGraph(tcGuiApGraph* graph)
{
    if (!graph)
        return;
    graph->setExtraTitle(QString());
    graph->setScales(nullptr, nullptr);
    graph->setDragger(nullptr);
    graph->selectPanel(m_graphPanel);
}

void tcControlGroup::onButton(int)
{
}

void tcControlGroup::onKnob(int id, quint32 position)
{
    if (knobRow(id))
        setKnob(id, position);
}

void tcControlGroup::onComboSelect(int, int)
{
}

void tcControlGroup::onComboOther(int, const QString&)
{
}

void tcControlGroup::onCheckBox(int id, bool state)
{
    if (switchRow(id))
        setSwitch(id, state);
}

void tcControlGroup::onRadio(int, int)
{
}

void tcControlGroup::onDisplayEdit(int id, const QString& text)
{
    const tcKnobRow* row = displayRow(id);
    const tcParamMap* map = liveMap();
    if (!row || !map)
        return;
    // Read as atof reads it: text that is not a number is 0, and so is "nan".
    double value = std::atof(text.toLatin1().constData());
    if (std::isnan(value))
        value = 0.0;
    if (const std::optional<quint32> position = map->positionOfValue(row->param, float(value)))
        setKnob(displayKnob(id), *position);
}

void tcControlGroup::onDisplayDoubleClick(int)
{
}

int tcControlGroup::displayKnob(int displayId) const
{
    const tcKnobRow* row = displayRow(displayId);
    return row ? row->knob : -1;
}

void tcControlGroup::paint(QPainter& painter, const QRect& rect)
{
    if (!m_active)
        return;
    for (const tcControlBinding& binding : m_bindings) {
        if (binding.object && binding.object->needsPaint(rect)) {
            painter.save();
            binding.object->paint(painter);
            painter.restore();
        }
    }
}

tcGuiObject* tcControlGroup::object(int id) const
{
    for (const tcControlBinding& binding : m_bindings) {
        if (binding.id == id)
            return binding.object;
    }
    return nullptr;
}

template <typename T> T* tcControlGroup::typed(int id, int kind) const
{
    tcGuiObject* found = object(id);
    return found && found->kind() == kind ? static_cast<T*>(found) : nullptr;
}

tcGuiButton* tcControlGroup::button(int id) const
{
    return typed<tcGuiButton>(id, GUI_KIND_BUTTON);
}

tcGuiLamp* tcControlGroup::lamp(int id) const
{
    return typed<tcGuiLamp>(id, GUI_KIND_LAMP);
}

tcGuiCheckBox* tcControlGroup::checkBox(int id) const
{
    return typed<tcGuiCheckBox>(id, GUI_KIND_CHECKBOX);
}

tcGuiDisplay* tcControlGroup::display(int id) const
{
    return typed<tcGuiDisplay>(id, GUI_KIND_DISPLAY);
}

tcGuiKnob* tcControlGroup::knob(int id) const
{
    return typed<tcGuiKnob>(id, GUI_KIND_KNOB);
}

tcGuiSlider* tcControlGroup::slider(int id) const
{
    return typed<tcGuiSlider>(id, GUI_KIND_SLIDER);
}

tcGuiCombo* tcControlGroup::combo(int id) const
{
    return typed<tcGuiCombo>(id, GUI_KIND_COMBO);
}

tcGuiMeter* tcControlGroup::meter(int id) const
{
    return typed<tcGuiMeter>(id, GUI_KIND_METER);
}

tcGuiApGraph* tcControlGroup::apGraph(int id) const
{
    return typed<tcGuiApGraph>(id, GUI_KIND_APGRAPH);
}

tcGuiDynGraph* tcControlGroup::dynGraph(int id) const
{
    return typed<tcGuiDynGraph>(id, GUI_KIND_DYNGRAPH);
}

tcGuiApGraph* tcControlGroup::mainGraph() const
{
    const tcControlGroupMain* main = m_host.mainGroup();
    return main ? main->graph() : nullptr;
}

void tcControlGroup::redrawMainGraph() const
{
    if (tcGuiApGraph* graph = mainGraph())
        graph->redraw();
}

void tcControlGroup::redrawFlowButtons() const
{
    if (tcControlGroupMain* main = m_host.mainGroup())
        main->refreshFlowButtons();
}

void tcControlGroup::setDisplayText(int id, const QString& text)
{
    if (tcGuiDisplay* found = display(id))
        found->setText(text);
}

void tcControlGroup::setDisplayUnits(int id, const QString& units)
{
    if (tcGuiDisplay* found = display(id))
        found->setUnits(units);
}

void tcControlGroup::setDisplayEditable(int id, bool on)
{
    if (tcGuiDisplay* found = display(id))
        found->setEditable(on);
}

void tcControlGroup::setDisplayDoubleClickable(int id, bool on)
{
    if (tcGuiDisplay* found = display(id))
        found->setDClickable(on);
}

void tcControlGroup::setDisplayMarquee(int id, bool on)
{
    if (tcGuiDisplay* found = display(id))
        found->setAutoRepeat(on);
}

void tcControlGroup::setDisplayState(int id, int state)
{
    if (tcGuiDisplay* found = display(id))
        found->setState(state);
}

void tcControlGroup::setKnobRange(int id, int minimum, int maximum)
{
    if (tcGuiKnob* found = knob(id))
        found->setRange(minimum, maximum);
    else if (tcGuiSlider* other = slider(id))
        other->setRange(minimum, maximum);
}

void tcControlGroup::setKnobPosition(int id, quint32 position)
{
    const int value = int(qMin<quint32>(position, quint32(INT_MAX)));
    if (tcGuiKnob* found = knob(id))
        found->setValue(value);
    else if (tcGuiSlider* other = slider(id))
        other->setValue(value);
}

std::optional<quint32> tcControlGroup::knobPosition(int id) const
{
    if (const tcGuiKnob* found = knob(id))
        return quint32(qMax(0, found->value()));
    if (const tcGuiSlider* other = slider(id))
        return quint32(qMax(0, other->value()));
    return std::nullopt;
}

void tcControlGroup::setCheckBoxState(int id, bool state)
{
    if (tcGuiCheckBox* found = checkBox(id))
        found->setChecked(state);
}

std::optional<bool> tcControlGroup::checkBoxState(int id) const
{
    if (const tcGuiCheckBox* found = checkBox(id))
        return found->isChecked();
    return std::nullopt;
}

void tcControlGroup::setComboItems(int id, const QStringList& items)
{
    if (tcGuiCombo* found = combo(id))
        found->setItems(items);
}

void tcControlGroup::setComboIndex(int id, int index)
{
    if (tcGuiCombo* found = combo(id))
        found->setIndex(index, false);
}

void tcControlGroup::refreshRows()
{
    const tcParamMap* map = liveMap();
    if (!map)
        return;
    for (const tcKnobRow& row : m_knobs) {
        setKnobRange(row.knob, int(map->lowestPosition(row.param)), int(map->highestPosition(row.param)));
        setKnob(row.knob, map->getPosition(row.param));
        setDisplayEditable(row.display, true);
        setDisplayUnits(row.display, QString::fromLatin1(row.units));
    }
    for (const tcSwitchRow& row : m_switches)
        setSwitch(row.box, map->getBool(row.param));
}

const tcKnobRow* tcControlGroup::storeKnob(int knobId, quint32 position)
{
    tcControlGroup::setKnob(knobId, position);
    const tcKnobRow* row = knobRow(knobId);
    tcParamMap* map = liveMap();
    if (!row || !map)
        return nullptr;
    // A skin without the knob still takes the value (a typed one, say); the map clamps it
    // to the same bounds the knob's range would.
    map->setPosition(row->param, knobPosition(knobId).value_or(position), TO_UNIT);
    setDisplayText(row->display, QString::fromLatin1(map->valueText(row->param)));
    return row;
}

const tcSwitchRow* tcControlGroup::storeSwitch(int boxId, bool state)
{
    tcControlGroup::setSwitch(boxId, state);
    const tcSwitchRow* row = switchRow(boxId);
    tcParamMap* map = liveMap();
    if (!row || !map)
        return nullptr;
    map->setBool(row->param, checkBoxState(boxId).value_or(state), TO_UNIT);
    return row;
}

const tcKnobRow* tcControlGroup::knobRow(int knobId) const
{
    for (const tcKnobRow& row : m_knobs) {
        if (row.knob == knobId)
            return &row;
    }
    return nullptr;
}

const tcKnobRow* tcControlGroup::displayRow(int displayId) const
{
    for (const tcKnobRow& row : m_knobs) {
        if (row.display == displayId)
            return &row;
    }
    return nullptr;
}

const tcSwitchRow* tcControlGroup::switchRow(int boxId) const
{
    for (const tcSwitchRow& row : m_switches) {
        if (row.box == boxId)
            return &row;
    }
    return nullptr;
}
