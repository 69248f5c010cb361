#pragma once

#include "groups/control_group.h"

#include <cstdint>
#include <span>

// The controller of the front panel's permanent frame: the window and command buttons,
// the three status displays, the five meters, the main graph with its view switches and
// source buttons, the flow buttons that choose the processing block shown, the quick-save
// buttons and the phantom-power and local-mode lamps. Its buttons raise the signals the
// main window carries out. Active for the bench's whole life. GUI thread only.
class tcControlGroupMain : public tcControlGroup
{
    Q_OBJECT

public:
    // Object IDs the bench and the main window address.
    static constexpr int STAT_ONLINE = 1004;
    static constexpr int STAT_DEVICE = 1005;
    static constexpr int STAT_PRESET = 1006;
    static constexpr int GRAPH = 1007;
    static constexpr int ONLINE = 1043;
    static constexpr int GRAPH_VIEW_OSCOPE = 1050;

    // Writes the start texts, sets the view switches from "OPTIONS"/"GRAPHVIEW" and the
    // input meter range from "OPTIONS"/"IN_METER_RANGE", styles the meters and lights the
    // lamps from the globals.
    explicit tcControlGroupMain(tcGroupHost& host);

    // Redraws the main graph, the source and quick-save buttons; makes "STAT_DEVICE" and
    // "STAT_ONLINE" double-clickable.
    void refreshAll() override;
    // The base, then the main graph redrawn.
    void setActive(bool on) override;
    // The base, then by box: "METER_IN_RANGE" styles the input meter and stores the option;
    // "ONLINE" stores the option; the three view switches set their bit of the graph's mode
    // and store it as "GRAPHVIEW"; "GRAPH_VIEW_OSCOPE" sets the "OSCOPE  " global (TO_UNIT).
    void setSwitch(int boxId, bool state) override;
    // Command buttons raise their signals; flow buttons select their block; source buttons
    // set the graph source; quick-save buttons call the quick-save store.
    void onButton(int id) override;
    // "ONLINE" only raises sig_online(); the range and view switches go to setSwitch.
    void onCheckBox(int id, bool state) override;
    // "STAT_DEVICE" raises sig_device_dlg().
    void onDisplayDoubleClick(int id) override;

    // The main graph "GRAPH", or none.
    tcGuiApGraph* graph() const;

    // "GRAPH_INPUT" lit unless "MAP_STRM" is 1, "GRAPH_OUTPUT" lit when it is; nothing
    // without a main graph.
    void refreshGraphSourceButtons();
    // The lit slot button in green, the other in white, and "QSAVEAB" naming the copy.
    void refreshQuickSaveButtons();
    // Each flow button's state: 0 block in, 2 block out, plus 1 when its block is shown.
    void refreshFlowButtons();
    // "PHANTOM_PWR_LAMP" follows "PNTM_PWR".
    void refreshPhantomLamp();
    // "LOCAL_MODE_LAMP" follows "IS_LOCAL"; the main graph is redrawn.
    void refreshLocalLamp();

    // Puts the meters at rest (level meters empty, gain-reduction meters at none) and
    // clears the main graph's spectrum.
    void resetMeters();
    // Sets the meters and the main graph from a meter datagram of 528 bytes (levels from
    // byte 20, graph data from byte 28); a shorter one is ignored.
    void updateMeters(std::span<const uint8_t> datagram);

    // The text of "STAT_ONLINE", "STAT_DEVICE" or "STAT_PRESET"; other IDs are ignored.
    void setStatusText(int displayId, const QString& text);
    // The display state (0 normal, 1 error, 2 warning) of "STAT_ONLINE" or "STAT_PRESET";
    // other IDs are ignored.
    void setStatusState(int displayId, int state);

private:
    // Its own graph: while it is being made the host does not know the group yet.
    void redrawGraph();
    void setGraphViewBit(int bit, bool on);
};
