#pragma once

#include "groups/control_group.h"

#include <memory>

class tcGraphAxis;

// The controller of the input panel: microphone gain, the "SYMMETRY" decorrelator, the
// high- and low-pass filter and the output gain. While shown it gives the main graph its
// filter scale. Graph panel 0. GUI thread only.
class tcControlGroupInput : public tcControlGroup
{
    Q_OBJECT

public:
    explicit tcControlGroupInput(tcGroupHost& host);
    ~tcControlGroupInput() override;

    void refreshAll() override;
    // Turning on first gives the main graph the filter scale on both sides.
    void setActive(bool on) override;
    // The knob's value into the live map and its display; a filter frequency also redraws
    // the main graph.
    void setKnob(int knobId, quint32 position) override;
    void setSwitch(int boxId, bool state) override;
    // Title "Filter Response", panel 0.
    void attachGraph(tcGuiApGraph* graph) override;

    const tcGraphAxis& filterScale() const { return *m_filterScale; }

private:
    std::unique_ptr<tcGraphAxis> m_filterScale;
};
