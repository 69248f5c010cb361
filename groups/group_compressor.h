#pragma once

#include "groups/control_group.h"

// The controller of the compressor panel: threshold, ratio, attack and release, the enable
// switch and the panel's own transfer graph "COMP_GRAPH". Graph panel 4. GUI thread only.
class tcControlGroupCompressor : public tcControlGroup
{
    Q_OBJECT

public:
    explicit tcControlGroupCompressor(tcGroupHost& host);

    void refreshAll() override;
    // The knob's value into the live map and its display; threshold and ratio also move
    // the transfer curve, and every knob redraws the transfer graph.
    void setKnob(int knobId, quint32 position) override;
    void setSwitch(int boxId, bool state) override;
};
