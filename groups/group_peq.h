#pragma once

#include "groups/control_group.h"

#include <memory>

class tcGraphAxis;

// The controller of the EQ panel: two parametric bands (frequency, bandwidth, lift), the
// low and high shelves (frequency, lift), the EQ enable and the EQ-before-dynamics switch.
// While shown it gives the main graph its boost/cut scale. Graph panel 3. GUI thread only.
class tcControlGroupParametric : public tcControlGroup
{
    Q_OBJECT

public:
    explicit tcControlGroupParametric(tcGroupHost& host);
    ~tcControlGroupParametric() override;

    void refreshAll() override;
    // Turning on first gives the main graph the scale on both sides.
    void setActive(bool on) override;
    // The knob's value into the live map and its display, then the main graph redrawn.
    void setKnob(int knobId, quint32 position) override;
    void setSwitch(int boxId, bool state) override;
    // Title "Parametric EQ Response", panel 3.
    void attachGraph(tcGuiApGraph* graph) override;

    const tcGraphAxis& scale() const { return *m_scale; }

private:
    std::unique_ptr<tcGraphAxis> m_scale;
};
