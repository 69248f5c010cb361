#pragma once

#include <QtGlobal>

// A knob of a processing group with the display beside it, the unit text of that display
// and the parameter both show.
struct tcKnobRow
{
    int knob;
    int display;
    const char* units;
    quint16 param;
};

// A check box of a processing group and the bool parameter it switches.
struct tcSwitchRow
{
    int box;
    quint16 param;
};
