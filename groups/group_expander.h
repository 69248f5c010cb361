#pragma once

#include "groups/control_group.h"

// The controller of the expander panel: depth, threshold and close time, the enable switch
// and the panel's own transfer graph "EXP_GRAPH". Graph panel 1. GUI thread only.
class tcControlGroupExpander : public tcControlGroup
{
    Q_OBJECT

public:
    explicit tcControlGroupExpander(tcGroupHost& host);

    // The common refresh, then the curve's ratio fixed at 2.
    void refreshAll() override;
    // The knob's value into the live map and its display; depth and threshold also move
    // the transfer curve.
    void setKnob(int knobId, quint32 position) override;
    void setSwitch(int boxId, bool state) override;
};
