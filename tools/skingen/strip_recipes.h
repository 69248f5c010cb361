#pragma once

#include "gqgui/gui_button.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_knob.h"
#include "gqgui/meter_tables.h"

// What the generator draws for the objects of a skin: each bitmap strip with its file
// name, the kind of drawing, its section count (the sections the drawing object reads)
// and the offsets of the skin's "layout.xml" that give one section's width and height.

enum class tcStripKind {
    KNOB,         // ring knob: base, hover, disabled, two unused, 21 ring segments
    BUTTON,       // four styles of normal, hover, pressed
    FLOW_BUTTON,  // the same with the block's LED: styles 0/1 block in, 2/3 block out
    CHECKBOX,     // unchecked and checked, each normal, hover, pressed
    SWITCH,       // the same drawn as a key with a green LED (block enables)
    LAMP_RED,     // off, on
    LAMP_AMBER,
    METER_BAR,    // lit and unlit for the 30/40 dB, the 60 dB and the reduction scales
    METER_OVR,    // overload lamp, the same six sections
    COMBO_ARROW,  // idle, up lit, down lit, up pressed, down pressed
    SCROLL_THUMB, // list box scroll thumb
    TAB,          // group label plate
};

struct tcStripRecipe
{
    const char* file;
    tcStripKind kind;
    int sections;
    const char* widthOffset;
    const char* heightOffset;
};

// Section counts, from the objects that draw the strips.
inline constexpr int KNOB_FIRST_SEGMENT_SECTION = tcGuiKnob::RING_FIRST_BIT + tcGuiKnob::RING_SECTION_OFFSET;
inline constexpr int KNOB_SECTIONS = tcGuiKnob::RING_LAST_BIT + tcGuiKnob::RING_SECTION_OFFSET + 1;
inline constexpr int KNOB_SEGMENTS = tcGuiKnob::RING_LAST_BIT - tcGuiKnob::RING_FIRST_BIT + 1;
inline constexpr int BUTTON_SECTIONS = 3 * tcGuiButton::STYLE_COUNT;  // normal, hover, pressed per style
inline constexpr int CHECKBOX_SECTIONS = 6;                          // the same, unchecked and checked
inline constexpr int LAMP_SECTIONS = 2;                              // states 0 off and 1 on
inline constexpr int ARROW_SECTIONS = tcGuiCombo::SECTION_DOWN_PRESSED + 1;

inline constexpr tcStripRecipe STRIP_RECIPES[] = {
    {"knob.png", tcStripKind::KNOB, KNOB_SECTIONS, "KNOB", "KNOB"},
    {"btn_sys.png", tcStripKind::BUTTON, BUTTON_SECTIONS, "SYSBTN_W", "SYSBTN_H"},
    {"btn.png", tcStripKind::BUTTON, BUTTON_SECTIONS, "BTN_W", "BTN_H"},
    {"btn_wide.png", tcStripKind::BUTTON, BUTTON_SECTIONS, "WIDE_W", "BTN_H"},
    {"btn_half.png", tcStripKind::BUTTON, BUTTON_SECTIONS, "HALF_W", "BTN_H"},
    {"btn_flow.png", tcStripKind::FLOW_BUTTON, BUTTON_SECTIONS, "FLOW_W", "FLOW_H"},
    {"chk.png", tcStripKind::CHECKBOX, CHECKBOX_SECTIONS, "CHK", "CHK"},
    {"switch.png", tcStripKind::SWITCH, CHECKBOX_SECTIONS, "SW_W", "SW_H"},
    {"lamp_red.png", tcStripKind::LAMP_RED, LAMP_SECTIONS, "LAMP", "LAMP"},
    {"lamp_amber.png", tcStripKind::LAMP_AMBER, LAMP_SECTIONS, "LAMP", "LAMP"},
    {"meter_bar.png", tcStripKind::METER_BAR, METER_SECTION_COUNT, "BAR_T", "BAR_LEN"},
    {"meter_ovr.png", tcStripKind::METER_OVR, METER_SECTION_COUNT, "OVR_W", "OVR_H"},
    {"combo_arrow.png", tcStripKind::COMBO_ARROW, ARROW_SECTIONS, "ARROW_W", "COMBO_H"},
    {"list_thumb.png", tcStripKind::SCROLL_THUMB, 1, "THUMB_W", "THUMB_H"},
    {"tab.png", tcStripKind::TAB, 1, "TAB_W", "TAB_H"},
};
