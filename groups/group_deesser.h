#pragma once

#include "groups/control_group.h"

#include <memory>

class tcGraphAxis;

// The controller of the de-esser panel: threshold, release and frequency, the enable
// switch, and the two scales of its response on the main graph (boost/cut and depth).
// Graph panel 2. GUI thread only.
class tcControlGroupDeEsser : public tcControlGroup
{
    Q_OBJECT

public:
    explicit tcControlGroupDeEsser(tcGroupHost& host);
    ~tcControlGroupDeEsser() override;

    void refreshAll() override;
    // Turning on first gives the main graph the boost/cut scale on the left and none on
    // the right.
    void setActive(bool on) override;
    // The knob's value into the live map and its display; the frequency also redraws the
    // main graph.
    void setKnob(int knobId, quint32 position) override;
    void setSwitch(int boxId, bool state) override;
    // Title "De-Esser EQ Response", panel 2.
    void attachGraph(tcGuiApGraph* graph) override;

    const tcGraphAxis& boostCutScale() const { return *m_boostCutScale; }
    const tcGraphAxis& depthScale() const { return *m_depthScale; }

private:
    std::unique_ptr<tcGraphAxis> m_boostCutScale;
    std::unique_ptr<tcGraphAxis> m_depthScale;
};
