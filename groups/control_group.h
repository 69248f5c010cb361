#pragma once

#include "groups/control_binding.h"
#include "groups/group_rows.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

class QPainter;
class QRect;
class tcGroupHost;
class tcGuiApGraph;
class tcGuiButton;
class tcGuiCheckBox;
class tcGuiCombo;
class tcGuiDisplay;
class tcGuiDynGraph;
class tcGuiKnob;
class tcGuiLamp;
class tcGuiMeter;
class tcGuiObject;
class tcGuiSlider;

// The controller of one block of the front panel: it binds the block's skin objects by
// name, turns their change callbacks into values of the live parameter map and writes the
// map's display texts back. A processing group gives its knob and switch tables, and the
// common pattern (refresh, store, typed values) runs from them; the main and system
// groups give none. Created by the bench after a skin has loaded. GUI thread only.
class tcControlGroup : public QObject
{
    Q_OBJECT

public:
    // Binds every entry of the list whose name the host's bench holds: the object gets
    // this group as its context, the entry's ID as its parameterId and, by its kind, the
    // callbacks that report user changes. A name the skin lacks leaves its binding empty.
    tcControlGroup(tcGroupHost& host, std::span<const tcBindingEntry> list, int graphPanel,
                   std::span<const tcKnobRow> knobs = {}, std::span<const tcSwitchRow> switches = {});
    ~tcControlGroup() override;

    // The group's operations, in their fixed order.
    virtual void refreshAll() = 0;
    // Shows (on) or hides every bound object; nothing when already in that state.
    virtual void setActive(bool on);
    // Moves the bound knob or slider to the position.
    virtual void setKnob(int knobId, quint32 position);
    // Sets the bound check box.
    virtual void setSwitch(int boxId, bool state);
    // Gives the graph no extra title, scales or dragger and moves it to the group's panel.
    virtual void attachGraph(tcGuiApGraph* graph);
    virtual void onButton(int id);
    // A knob of the group's table: setKnob; others nothing.
    virtual void onKnob(int id, quint32 position);
    virtual void onComboSelect(int id, int index);
    // The text typed into a combo's edit dialog.
    virtual void onComboOther(int id, const QString& text);
    // A check box of the group's table: setSwitch; others nothing.
    virtual void onCheckBox(int id, bool state);
    virtual void onRadio(int id, int value);
    // A display of the group's table: the text read as atof does, moved to the nearest
    // table position of the parameter, through setKnob on the knob beside it.
    virtual void onDisplayEdit(int id, const QString& text);
    virtual void onDisplayDoubleClick(int id);
    // The knob beside a display of the group's table, else -1.
    virtual int displayKnob(int displayId) const;

    // While active, paints every bound object that meets the rectangle, in list order.
    void paint(QPainter& painter, const QRect& rect);

    bool isActive() const { return m_active; }
    // The knob and switch tables of a processing group (empty for the main and system
    // groups): which control shows which parameter.
    std::span<const tcKnobRow> knobRows() const { return m_knobs; }
    std::span<const tcSwitchRow> switchRows() const { return m_switches; }
    int graphPanel() const { return m_graphPanel; }
    const std::vector<tcControlBinding>& bindings() const { return m_bindings; }

    // The object of the first binding with that ID; none when absent or unbound.
    tcGuiObject* object(int id) const;
    // The same, and none when the object is of another kind.
    tcGuiButton* button(int id) const;
    tcGuiLamp* lamp(int id) const;
    tcGuiCheckBox* checkBox(int id) const;
    tcGuiDisplay* display(int id) const;
    tcGuiKnob* knob(int id) const;
    tcGuiSlider* slider(int id) const;
    tcGuiCombo* combo(int id) const;
    tcGuiMeter* meter(int id) const;
    tcGuiApGraph* apGraph(int id) const;
    tcGuiDynGraph* dynGraph(int id) const;

signals:
    void sig_exit_app();
    void sig_minimize();
    void sig_about();
    void sig_pset_take();
    void sig_pset_dlg();
    void sig_device_dlg();
    void sig_online();
    void sig_diff_current();
    void sig_password();
    void sig_fppassword();
    void sig_gui_lock();
    void sig_choose_skin();

protected:
    tcGroupHost& host() const { return m_host; }
    // The main group's graph ("GRAPH"), or none.
    tcGuiApGraph* mainGraph() const;
    // Marks the main graph's picture for redrawing, when there is one.
    void redrawMainGraph() const;
    // Has the main group show the flow buttons' states again.
    void redrawFlowButtons() const;

    // Operations on bound objects; each does nothing when the object is missing or of
    // another kind.
    void setDisplayText(int id, const QString& text);
    void setDisplayUnits(int id, const QString& units);
    void setDisplayEditable(int id, bool on);
    void setDisplayDoubleClickable(int id, bool on);
    void setDisplayMarquee(int id, bool on);
    // 0 normal, 1 error, 2 warning.
    void setDisplayState(int id, int state);
    void setKnobRange(int id, int minimum, int maximum);
    void setKnobPosition(int id, quint32 position);
    std::optional<quint32> knobPosition(int id) const;
    void setCheckBoxState(int id, bool state);
    std::optional<bool> checkBoxState(int id) const;
    void setComboItems(int id, const QStringList& items);
    void setComboIndex(int id, int index);

    // The common pattern of the processing groups, run from their tables.
    // Per knob: range from the parameter's position bounds, setKnob to its position, the
    // display editable with its units; per check box: setSwitch to the parameter's value.
    void refreshRows();
    // The base move, then the knob's position (as the knob clamped it) into the live map
    // with TO_UNIT and the map's text into the display. The row, or none for a knob that
    // is not in the table.
    const tcKnobRow* storeKnob(int knobId, quint32 position);
    // The base set, then the check box's state into the live map with TO_UNIT. The row,
    // or none for a check box that is not in the table.
    const tcSwitchRow* storeSwitch(int boxId, bool state);

private:
    template <typename T> T* typed(int id, int kind) const;
    const tcKnobRow* knobRow(int knobId) const;
    const tcKnobRow* displayRow(int displayId) const;
    const tcSwitchRow* switchRow(int boxId) const;
    void bind(tcGuiObject* object, int id);

    tcGroupHost& m_host;
    bool m_active = false;
    std::vector<tcControlBinding> m_bindings;
    int m_graphPanel;
    std::span<const tcKnobRow> m_knobs;
    std::span<const tcSwitchRow> m_switches;
};
