#pragma once

#include "groups/control_group.h"

// The controller of the system panel: the AES mute selector "SYS_AES_MUTE" (the
// "AES_MUTE" global) and the buttons for the login password and the skin chooser.
// Graph panel 5. GUI thread only.
class tcControlGroupSystem : public tcControlGroup
{
    Q_OBJECT

public:
    explicit tcControlGroupSystem(tcGroupHost& host);

    void refreshAll() override;
    // "PASSWORDS" raises sig_password(), "SKIN" sig_choose_skin().
    void onButton(int id) override;
    // "SYS_AES_MUTE": the index into "AES_MUTE" with TO_UNIT.
    void onComboSelect(int id, int index) override;

    // Selects the "SYS_AES_MUTE" item of the "AES_MUTE" global's value.
    void refreshAesMute();
};
