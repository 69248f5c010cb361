#include "gqgui/skin_elements.h"

#include <cstring>
#include <span>

namespace {
using tcElements = std::span<const tcSkinElement>;

constexpr tcSkinElement DOCUMENT_CHILDREN[] = {{"skin", openSkin}};

constexpr tcSkinElement SKIN_CHILDREN[] = {
    {"color", openColor},       {"offset", openOffset},     {"region", openRegion},   {"font", openFont},
    {"screen", openScreen},     {"image", openImage},       {"button", openButton},   {"combo", openCombo},
    {"listbox", openListbox},   {"lamp", openLamp},         {"checkbox", openCheckBox}, {"display", openDisplay},
    {"knob", openKnob},         {"slider", openSlider},     {"radiogroup", openRadioGroup},
    {"meter", openMeter},       {"ap_graph", openApGraph},  {"dyngraph", openDynGraph}, {"label", openLabel},
};

constexpr tcSkinElement SCREEN_CHILDREN[] = {{"obj", openScreenObj}};
constexpr tcSkinElement IMAGE_CHILDREN[] = {{"position", positionXY}};
constexpr tcSkinElement BUTTON_CHILDREN[] = {
    {"position", positionXY}, {"text", captionText}, {"mode", buttonMode}, {"bitmap", buttonBitmap}};
constexpr tcSkinElement COMBO_CHILDREN[] = {
    {"position", positionXYW}, {"text", comboText}, {"color", comboColors}, {"drop", comboDrop},
    {"mode", comboMode},       {"bitmap", comboBitmap}};
constexpr tcSkinElement LISTBOX_CHILDREN[] = {{"position", positionXYWH}, {"text", listboxText},
                                              {"color", listboxColors},   {"mode", listboxMode},
                                              {"bitmap", listboxBitmap}};
constexpr tcSkinElement LAMP_CHILDREN[] = {{"position", positionXY}, {"text", captionText}, {"bitmap", lampBitmap}};
constexpr tcSkinElement CHECKBOX_CHILDREN[] = {
    {"position", positionXY}, {"text", captionText}, {"bitmap", checkBoxBitmap}};
constexpr tcSkinElement DISPLAY_CHILDREN[] = {
    {"position", positionXYWH}, {"text", displayText}, {"color", displayColors}, {"mode", displayMode}};
constexpr tcSkinElement KNOB_CHILDREN[] = {{"position", positionXY}, {"text", captionText}, {"bitmap", knobBitmap}};
constexpr tcSkinElement SLIDER_CHILDREN[] = {
    {"position", sliderPosition}, {"text", captionText}, {"bitmap", sliderBitmap}};
constexpr tcSkinElement RADIOGROUP_CHILDREN[] = {{"position", positionXY},
                                                 {"text", radioGroupText},
                                                 {"bitmap", radioGroupBitmap},
                                                 {"radioitem", openRadioItem}};
constexpr tcSkinElement METER_CHILDREN[] = {
    {"position", meterPosition}, {"text", meterText}, {"bitmap", meterBitmap}, {"type", meterType}};
constexpr tcSkinElement APGRAPH_CHILDREN[] = {
    {"position1", panelPosition}, {"position2", panelPosition}, {"position3", panelPosition},
    {"position4", panelPosition}, {"position5", panelPosition}, {"position6", panelPosition},
    {"position7", panelPosition}, {"position8", panelPosition}, {"position9", panelPosition},
    {"color", apGraphColors}};
constexpr tcSkinElement DYNGRAPH_CHILDREN[] = {{"position", positionXYWH}, {"color", dynGraphColors}};
constexpr tcSkinElement LABEL_CHILDREN[] = {{"position", positionXY}, {"text", captionText}, {"bitmap", labelBitmap}};

// The elements each context allows, in the order of tcSkinContext.
constexpr tcElements CHILDREN[] = {
    DOCUMENT_CHILDREN, SKIN_CHILDREN,   SCREEN_CHILDREN, IMAGE_CHILDREN,    BUTTON_CHILDREN,
    COMBO_CHILDREN,    LISTBOX_CHILDREN, LAMP_CHILDREN,  CHECKBOX_CHILDREN, DISPLAY_CHILDREN,
    KNOB_CHILDREN,     SLIDER_CHILDREN, RADIOGROUP_CHILDREN, METER_CHILDREN, APGRAPH_CHILDREN,
    DYNGRAPH_CHILDREN, LABEL_CHILDREN,  tcElements()};
static_assert(std::size(CHILDREN) == size_t(tcSkinContext::LEAF) + 1);
}

const tcSkinElement* skinElement(tcSkinContext parent, const char* name)
{
    for (const tcSkinElement& element : CHILDREN[size_t(parent)]) {
        if (std::strcmp(element.name, name) == 0)
            return &element;
    }
    return nullptr;
}
