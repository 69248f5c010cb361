#pragma once

#include "gqgui/gui_object.h"
#include "groups/control_binding.h"

#include <span>

// The skin objects the application binds, group by group: the contract between a skin
// and the control groups. Each group finds its objects by these names when a skin is
// loaded and gives each its object ID; a name the skin lacks leaves that binding empty.
// Every shipped skin defines every name here with the kind given.

inline constexpr int SKIN_ANY_KIND = 0;

// Control index of the main group, which is always shown.
inline constexpr int SKIN_MAIN_AREA = -1;
// Control index of the input group, also shown for any index outside 0..5.
inline constexpr int SKIN_CONTROL_INPUT = 5;

inline constexpr tcBindingEntry MAIN_BINDINGS[] = {
    {1000, "BKGRND", GUI_KIND_IMAGE},
    {1001, "SYS_ABOUT", GUI_KIND_BUTTON},
    {1002, "SYS_MINIMIZE", GUI_KIND_BUTTON},
    {1003, "SYS_EXIT", GUI_KIND_BUTTON},
    {1004, "STAT_ONLINE", GUI_KIND_DISPLAY},
    {1005, "STAT_DEVICE", GUI_KIND_DISPLAY},
    {1006, "STAT_PRESET", GUI_KIND_DISPLAY},
    {1007, "GRAPH", GUI_KIND_APGRAPH},
    {1009, "METER_IN_RANGE", GUI_KIND_CHECKBOX},
    {1011, "METER_IN", GUI_KIND_METER},
    {1013, "METER_EXP", GUI_KIND_METER},
    {1014, "METER_DES", GUI_KIND_METER},
    {1015, "METER_CMP", GUI_KIND_METER},
    {1016, "METER_OUT", GUI_KIND_METER},
    {1017, "FLOW_INPUT", GUI_KIND_BUTTON},
    {1019, "FLOW_EXPANDER", GUI_KIND_BUTTON},
    {1020, "FLOW_DEESSER", GUI_KIND_BUTTON},
    {1021, "FLOW_PEQ", GUI_KIND_BUTTON},
    {1023, "FLOW_COMP", GUI_KIND_BUTTON},
    {1030, "FLOW_SYSTEM", GUI_KIND_BUTTON},
    {1034, "GRAPH_INPUT", GUI_KIND_BUTTON},
    {1039, "GRAPH_OUTPUT", GUI_KIND_BUTTON},
    {1040, "TAKE", GUI_KIND_BUTTON},
    {1041, "PRESETS", GUI_KIND_BUTTON},
    {1042, "DEVICES", GUI_KIND_BUTTON},
    {1043, "ONLINE", GUI_KIND_CHECKBOX},
    {1044, "QSAVEA", GUI_KIND_BUTTON},
    {1045, "QSAVEB", GUI_KIND_BUTTON},
    {1046, "QSAVEAB", GUI_KIND_BUTTON},
    {1047, "GRAPH_VIEW_AUDIO", GUI_KIND_CHECKBOX},
    {1048, "GRAPH_VIEW_GR", GUI_KIND_CHECKBOX},
    {1049, "GRAPH_VIEW_CNTRLS", GUI_KIND_CHECKBOX},
    {1050, "GRAPH_VIEW_OSCOPE", GUI_KIND_CHECKBOX},
    {1051, "PHANTOM_PWR_LAMP", GUI_KIND_LAMP},
    {1052, "LOCAL_MODE_LAMP", GUI_KIND_LAMP},
};

// The output gain sits on the input panel; its pair is listed ahead of the filter switch,
// and where exactly is open: it is taken to come right after the decorrelator.
inline constexpr tcBindingEntry INPUT_BINDINGS[] = {
    {2000, "INPUT_BKGRND", SKIN_ANY_KIND},
    {2001, "INPUT_LABEL", SKIN_ANY_KIND},
    {2002, "INPUT_MIC_GAIN_KNOB", GUI_KIND_KNOB},
    {2003, "INPUT_MIC_GAIN_DSPY", GUI_KIND_DISPLAY},
    {3001, "SYMMETRY", GUI_KIND_CHECKBOX},
    {3007, "OUT_GAIN_KNOB", GUI_KIND_KNOB},
    {3008, "OUT_GAIN_DSPY", GUI_KIND_DISPLAY},
    {3002, "FILT_ENABLE", GUI_KIND_CHECKBOX},
    {3003, "FILT_HPF_KNOB", GUI_KIND_KNOB},
    {3004, "FILT_LPF_KNOB", GUI_KIND_KNOB},
    {3005, "FILT_HPF_DSPY", GUI_KIND_DISPLAY},
    {3006, "FILT_LPF_DSPY", GUI_KIND_DISPLAY},
};

inline constexpr tcBindingEntry EXPANDER_BINDINGS[] = {
    {4000, "EXP_BKGRND", SKIN_ANY_KIND},
    {4001, "EXP_LABEL", SKIN_ANY_KIND},
    {4002, "EXP_ENABLE", GUI_KIND_CHECKBOX},
    {4003, "EXP_DEPTH_KNOB", GUI_KIND_KNOB},
    {4004, "EXP_THR_KNOB", GUI_KIND_KNOB},
    {4005, "EXP_CLOSE_KNOB", GUI_KIND_KNOB},
    {4006, "EXP_DEPTH_DSPY", GUI_KIND_DISPLAY},
    {4007, "EXP_THR_DSPY", GUI_KIND_DISPLAY},
    {4008, "EXP_CLOSE_DSPY", GUI_KIND_DISPLAY},
    {4009, "EXP_GRAPH", GUI_KIND_DYNGRAPH},
};

inline constexpr tcBindingEntry DEESSER_BINDINGS[] = {
    {5000, "DEES_BKGRND", SKIN_ANY_KIND},
    {5001, "DEES_LABEL", SKIN_ANY_KIND},
    {5002, "DEES_ENABLE", GUI_KIND_CHECKBOX},
    {5005, "DEES_THR_KNOB", GUI_KIND_KNOB},
    {5006, "DEES_REL_KNOB", GUI_KIND_KNOB},
    {5008, "DEES_F_KNOB", GUI_KIND_KNOB},
    {5011, "DEES_THR_DSPY", GUI_KIND_DISPLAY},
    {5012, "DEES_REL_DSPY", GUI_KIND_DISPLAY},
    {5013, "DEES_F_DSPY", GUI_KIND_DISPLAY},
};

// The two switches come first; knobs and displays follow in object ID order.
inline constexpr tcBindingEntry PARAMETRIC_BINDINGS[] = {
    {6000, "PEQ_BKGRND", SKIN_ANY_KIND},
    {6001, "PEQ_LABEL", SKIN_ANY_KIND},
    {6030, "EQ_ENABLE", GUI_KIND_CHECKBOX},
    {6031, "EQ_PRE_COMP", GUI_KIND_CHECKBOX},
    {6002, "PEQ1_F_KNOB", GUI_KIND_KNOB},
    {6014, "PEQ1_F_DSPY", GUI_KIND_DISPLAY},
    {6003, "PEQ1_Q_KNOB", GUI_KIND_KNOB},
    {6015, "PEQ1_Q_DSPY", GUI_KIND_DISPLAY},
    {6004, "PEQ1_L_KNOB", GUI_KIND_KNOB},
    {6016, "PEQ1_L_DSPY", GUI_KIND_DISPLAY},
    {6005, "PEQ2_F_KNOB", GUI_KIND_KNOB},
    {6017, "PEQ2_F_DSPY", GUI_KIND_DISPLAY},
    {6006, "PEQ2_Q_KNOB", GUI_KIND_KNOB},
    {6018, "PEQ2_Q_DSPY", GUI_KIND_DISPLAY},
    {6007, "PEQ2_L_KNOB", GUI_KIND_KNOB},
    {6019, "PEQ2_L_DSPY", GUI_KIND_DISPLAY},
    {6009, "SEQ1_F_KNOB", GUI_KIND_KNOB},
    {6021, "SEQ1_F_DSPY", GUI_KIND_DISPLAY},
    {6010, "SEQ1_L_KNOB", GUI_KIND_KNOB},
    {6022, "SEQ1_L_DSPY", GUI_KIND_DISPLAY},
    {6012, "SEQ2_F_KNOB", GUI_KIND_KNOB},
    {6024, "SEQ2_F_DSPY", GUI_KIND_DISPLAY},
    {6013, "SEQ2_L_KNOB", GUI_KIND_KNOB},
    {6029, "SEQ2_L_DSPY", GUI_KIND_DISPLAY},
};

inline constexpr tcBindingEntry COMPRESSOR_BINDINGS[] = {
    {7000, "COMP_BKGRND", SKIN_ANY_KIND},
    {7001, "COMP_LABEL", SKIN_ANY_KIND},
    {7002, "COMP_ENABLE", GUI_KIND_CHECKBOX},
    {7003, "COMP_THR_KNOB", GUI_KIND_KNOB},
    {7004, "COMP_THR_DSPY", GUI_KIND_DISPLAY},
    {7005, "COMP_RAT_KNOB", GUI_KIND_KNOB},
    {7006, "COMP_RAT_DSPY", GUI_KIND_DISPLAY},
    {7007, "COMP_ATT_KNOB", GUI_KIND_KNOB},
    {7008, "COMP_ATT_DSPY", GUI_KIND_DISPLAY},
    {7009, "COMP_REL_KNOB", GUI_KIND_KNOB},
    {7010, "COMP_REL_DSPY", GUI_KIND_DISPLAY},
    {7011, "COMP_GRAPH", GUI_KIND_DYNGRAPH},
};

inline constexpr tcBindingEntry SYSTEM_BINDINGS[] = {
    {9000, "SYS_BKGRND", SKIN_ANY_KIND},
    {9001, "SYS_LABEL", SKIN_ANY_KIND},
    {9002, "PASSWORDS", GUI_KIND_BUTTON},
    {9003, "SKIN", GUI_KIND_BUTTON},
    {9004, "SYS_AES_MUTE", GUI_KIND_COMBO},
};

// A control group: its control index (the "CONTROL" option value that shows it), the
// panel of the main graph it selects, and its bindings.
struct tcSkinGroup
{
    const char* name;
    int controlIndex;
    int graphPanel;
    std::span<const tcBindingEntry> bindings;
};

// In the order the bench creates the groups.
inline constexpr tcSkinGroup SKIN_GROUPS[] = {
    {"main", SKIN_MAIN_AREA, 0, MAIN_BINDINGS},
    {"input", SKIN_CONTROL_INPUT, 0, INPUT_BINDINGS},
    {"expander", 4, 1, EXPANDER_BINDINGS},
    {"de-esser", 3, 2, DEESSER_BINDINGS},
    {"parametric EQ", 2, 3, PARAMETRIC_BINDINGS},
    {"compressor", 1, 4, COMPRESSOR_BINDINGS},
    {"system", 0, 5, SYSTEM_BINDINGS},
};

// The processing group a control index shows; any index outside 0..5 shows the input.
inline constexpr const tcSkinGroup& skinGroupForControl(int controlIndex)
{
    const int index = controlIndex >= 0 && controlIndex <= SKIN_CONTROL_INPUT ? controlIndex : SKIN_CONTROL_INPUT;
    for (const tcSkinGroup& group : SKIN_GROUPS) {
        if (group.controlIndex == index)
            return group;
    }
    return SKIN_GROUPS[0];  // not reached: every index 0..5 has its group
}
