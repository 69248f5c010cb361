// Handlers of the child elements of skin objects (position, text, mode, bitmap, colour,
// drop, type, radioitem): each applies its attributes, in their fixed order, to the object
// of the parent element.

#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_display.h"
#include "gqgui/gui_dyngraph.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_label.h"
#include "gqgui/gui_lamp.h"
#include "gqgui/gui_listbox.h"
#include "gqgui/gui_meter.h"
#include "gqgui/gui_radio.h"
#include "gqgui/gui_radio_item.h"
#include "gqgui/gui_slider.h"
#include "gqgui/skin_elements.h"
#include "gqgui/skin_values.h"

#include <cstring>

namespace {
constexpr const char* TRANSPARENT_WORD = "TRANSPARENT";

template <typename T> T* as(const tcSkinTarget& target)
{
    return static_cast<T*>(target.object);
}

// Each hands the attribute's value, read as its type, to `set` when the attribute is there.
template <typename Set> void onInt(tcSkinLoader& l, const tcSkinAttributes& a, const char* name, Set set)
{
    if (const char* v = a.get(name))
        set(l.objectValue(v));
}

template <typename Set> void onColor(tcSkinLoader& l, const tcSkinAttributes& a, const char* name, Set set)
{
    if (const char* v = a.get(name))
        set(l.colorValue(v));
}

template <typename Set> void onText(const tcSkinAttributes& a, const char* name, Set set)
{
    if (const char* v = a.get(name))
        set(QString::fromUtf8(v));
}

template <typename Set> void onFlag0(const tcSkinAttributes& a, const char* name, Set set)
{
    if (const char* v = a.get(name))
        set(skinFlag0(v));
}

template <typename Set> void onFlagN(const tcSkinAttributes& a, const char* name, Set set)
{
    if (const char* v = a.get(name))
        set(skinFlagN(v));
}

// An empty or unknown font name keeps the object's default.
template <typename Set> void onFont(tcSkinLoader& l, const tcSkinAttributes& a, const char* name, Set set)
{
    if (const char* v = a.get(name)) {
        if (tcSkinFont* font = l.fontValue(v))
            set(font);
    }
}

// A reference that gives no image keeps the object's bitmap.
template <typename Set> void onImage(tcSkinLoader& l, const tcSkinAttributes& a, const char* name, Set set)
{
    if (const char* v = a.get(name)) {
        if (tcGuiImage* image = l.imageValue(v))
            set(image);
    }
}

void applyPosition(tcSkinLoader& l, tcGuiObject* o, const tcSkinAttributes& a, bool width, bool height)
{
    onInt(l, a, "x", [o](int v) { o->setX(v); });
    onInt(l, a, "y", [o](int v) { o->setY(v); });
    if (width)
        onInt(l, a, "w", [o](int v) { o->setWidth(v); });
    if (height)
        onInt(l, a, "h", [o](int v) { o->setHeight(v); });
}

void applySize(tcSkinLoader& l, tcGuiObject* o, const tcSkinAttributes& a)
{
    onInt(l, a, "w", [o](int v) { o->setWidth(v); });
    onInt(l, a, "h", [o](int v) { o->setHeight(v); });
}

void applyCaption(tcSkinLoader& l, tcGuiObject* o, const tcSkinAttributes& a, bool align)
{
    onText(a, "value", [o](const QString& v) { o->setCaptionText(v); });
    onInt(l, a, "x", [o](int v) { o->setCaptionX(v); });
    onInt(l, a, "y", [o](int v) { o->setCaptionY(v); });
    onColor(l, a, "color", [o](QRgb v) { o->setCaptionColor(v); });
    onFont(l, a, "font", [o](tcSkinFont* v) { o->setCaptionFont(v); });
    if (const char* v = a.get("align"); v && align)
        o->setCaptionAlign(skinAlign(v));
}

template <typename T> tcSkinTarget captionWithListFont(tcSkinLoader& l, const tcSkinTarget& p, const tcSkinAttributes& a)
{
    T* object = as<T>(p);
    applyCaption(l, object, a, true);
    onFont(l, a, "dfont", [object](tcSkinFont* v) { object->setListFont(v); });
    return {};
}

template <typename T> tcSkinTarget imageBitmap(tcSkinLoader& l, const tcSkinTarget& p, const tcSkinAttributes& a)
{
    onImage(l, a, "image", [object = as<T>(p)](tcGuiImage* v) { object->setBitmap(v); });
    return {};
}

void applyEntry(tcSkinLoader&, const tcSkinAttributes& a, auto* object)
{
    if (a.get("editable"))
        object->setEditable(true);
    onText(a, "units", [object](const QString& v) { object->setUnits(v); });
    onText(a, "dlgregexp", [object](const QString& v) { object->setDlgRegExp(v); });
    onFlag0(a, "dclickable", [object](bool v) { object->setDClickable(v); });
}

template <typename T> tcSkinTarget listColors(tcSkinLoader& l, const tcSkinTarget& p, const tcSkinAttributes& a)
{
    T* object = as<T>(p);
    tcListColors c = object->colors();
    onColor(l, a, "fg", [&c](QRgb v) { c.fg = v; });
    onColor(l, a, "bg", [&c](QRgb v) { c.bg = v; });
    onColor(l, a, "fg_list", [&c](QRgb v) { c.fgList = v; });
    onColor(l, a, "bg_list", [&c](QRgb v) { c.bgList = v; });
    onColor(l, a, "fg_select", [&c](QRgb v) { c.fgSelect = v; });
    onColor(l, a, "bg_select", [&c](QRgb v) { c.bgSelect = v; });
    onColor(l, a, "fg_hilite", [&c](QRgb v) { c.fgHilite = v; });
    onColor(l, a, "bg_hilite", [&c](QRgb v) { c.bgHilite = v; });
    onColor(l, a, "bg_rail", [&c](QRgb v) { c.bgRail = v; });
    object->setColors(c);
    return {};
}

void applyGraphColors(tcSkinLoader& l, tcGuiGraph* graph, const tcSkinAttributes& a)
{
    tcGraphColors c = graph->colors();
    onColor(l, a, "plot_bg", [&c](QRgb v) { c.plotBg = v; });
    onColor(l, a, "gutter_fg", [&c](QRgb v) { c.gutterFg = v; });
    onColor(l, a, "gutter_bg", [&c](QRgb v) { c.gutterBg = v; });
    onColor(l, a, "axis_major", [&c](QRgb v) { c.axisMajor = v; });
    onColor(l, a, "axis_minor", [&c](QRgb v) { c.axisMinor = v; });
    graph->setColors(c);
}

// A display colour of a state; "TRANSPARENT" on a background also marks it transparent.
void applyDisplayColor(tcSkinLoader& l, tcGuiDisplay* display, const tcSkinAttributes& a, const char* name,
                       int state, bool background)
{
    const char* v = a.get(name);
    if (!v)
        return;
    display->setStateColor(state, background, l.colorValue(v));
    if (background && std::strcmp(v, TRANSPARENT_WORD) == 0)
        display->setStateTransparent(state, true);
}
}

tcSkinTarget positionXY(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    applyPosition(l, p.object, a, false, false);
    return {};
}

tcSkinTarget positionXYW(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    applyPosition(l, p.object, a, true, false);
    return {};
}

tcSkinTarget positionXYWH(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    applyPosition(l, p.object, a, true, true);
    return {};
}

tcSkinTarget sliderPosition(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* slider = as<tcGuiSlider>(p);
    applyPosition(l, slider, a, false, false);
    if (const char* v = a.get("direction")) {
        if (std::strcmp(v, "vert") == 0)
            slider->setDirection(tcGuiSlider::VERTICAL);
        else if (std::strcmp(v, "horz") == 0)
            slider->setDirection(tcGuiSlider::HORIZONTAL);
    }
    return {};
}

// bary and ovry set both channels and, applied last, win over the separate attributes.
tcSkinTarget meterPosition(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* m = as<tcGuiMeter>(p);
    applyPosition(l, m, a, false, false);
    onInt(l, a, "barlx", [m](int v) { m->setBarX(0, v); });
    onInt(l, a, "barrx", [m](int v) { m->setBarX(1, v); });
    onInt(l, a, "barly", [m](int v) { m->setBarY(0, v); });
    onInt(l, a, "barry", [m](int v) { m->setBarY(1, v); });
    onInt(l, a, "ovrlx", [m](int v) { m->setLampX(0, v); });
    onInt(l, a, "ovrrx", [m](int v) { m->setLampX(1, v); });
    onInt(l, a, "ovrly", [m](int v) { m->setLampY(0, v); });
    onInt(l, a, "ovrry", [m](int v) { m->setLampY(1, v); });
    onInt(l, a, "bary", [m](int v) { m->setBarY(0, v); m->setBarY(1, v); });
    onInt(l, a, "ovry", [m](int v) { m->setLampY(0, v); m->setLampY(1, v); });
    return {};
}

tcSkinTarget panelPosition(tcSkinLoader& l, const tcSkinTarget& p, const char* name, const tcSkinAttributes& a)
{
    auto* graph = as<tcGuiApGraph>(p);
    // "position1" ... "position9" name panels 0 ... 8.
    const int panel = name[std::strlen(name) - 1] - '1';
    onInt(l, a, "x", [graph, panel](int v) { graph->setPanelX(panel, v); });
    onInt(l, a, "y", [graph, panel](int v) { graph->setPanelY(panel, v); });
    onInt(l, a, "w", [graph, panel](int v) { graph->setPanelWidth(panel, v); });
    onInt(l, a, "h", [graph, panel](int v) { graph->setPanelHeight(panel, v); });
    return {};
}

tcSkinTarget captionText(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    applyCaption(l, p.object, a, true);
    return {};
}

tcSkinTarget comboText(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return captionWithListFont<tcGuiCombo>(l, p, a);
}

tcSkinTarget listboxText(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return captionWithListFont<tcGuiListbox>(l, p, a);
}

tcSkinTarget displayText(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    onFont(l, a, "font", [o = p.object](tcSkinFont* v) { o->setCaptionFont(v); });
    return {};
}

tcSkinTarget radioGroupText(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    applyCaption(l, p.object, a, false);
    return {};
}

tcSkinTarget meterText(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    tcGuiObject* o = p.object;
    onInt(l, a, "x", [o](int v) { o->setCaptionX(v); });
    onInt(l, a, "y", [o](int v) { o->setCaptionY(v); });
    onColor(l, a, "color", [o](QRgb v) { o->setCaptionColor(v); });
    return {};
}

tcSkinTarget buttonMode(tcSkinLoader&, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    onFlag0(a, "autorepeat", [o = p.object](bool v) { o->setAutoRepeat(v); });
    return {};
}

tcSkinTarget comboMode(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* combo = as<tcGuiCombo>(p);
    if (const char* v = a.get("type")) {
        const int type = tcGuiCombo::typeFromName(QString::fromUtf8(v));
        if (type >= 0)
            combo->setType(type);
    }
    onFlag0(a, "reverse", [combo](bool v) { combo->setReverse(v); });
    onFlag0(a, "autoroll", [combo](bool v) { combo->setAutoRepeat(v); });
    applyEntry(l, a, combo);
    return {};
}

tcSkinTarget listboxMode(tcSkinLoader&, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    if (const char* v = a.get("type")) {
        const int type = tcGuiListbox::typeFromName(QString::fromUtf8(v));
        if (type >= 0)
            as<tcGuiListbox>(p)->setType(type);
    }
    return {};
}

tcSkinTarget displayMode(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* display = as<tcGuiDisplay>(p);
    onFlag0(a, "marquee", [display](bool v) { display->setAutoRepeat(v); });
    applyEntry(l, a, display);
    return {};
}

tcSkinTarget buttonBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return imageBitmap<tcGuiButton>(l, p, a);
}

tcSkinTarget comboBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return imageBitmap<tcGuiCombo>(l, p, a);
}

tcSkinTarget listboxBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return imageBitmap<tcGuiListbox>(l, p, a);
}

tcSkinTarget lampBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return imageBitmap<tcGuiLamp>(l, p, a);
}

tcSkinTarget checkBoxBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return imageBitmap<tcGuiCheckBox>(l, p, a);
}

tcSkinTarget knobBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return imageBitmap<tcGuiKnob>(l, p, a);
}

tcSkinTarget sliderBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* slider = as<tcGuiSlider>(p);
    onImage(l, a, "rail", [slider](tcGuiImage* v) { slider->setRailBitmap(v); });
    onImage(l, a, "thumb", [slider](tcGuiImage* v) { slider->setThumbBitmap(v); });
    return {};
}

tcSkinTarget radioGroupBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* group = as<tcGuiRadioGroup>(p);
    onImage(l, a, "image", [group](tcGuiImage* v) { group->setBitmap(v); });
    onImage(l, a, "item", [group](tcGuiImage* v) { group->setItemBitmap(v); });
    applySize(l, group, a);
    return {};
}

tcSkinTarget meterBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* meter = as<tcGuiMeter>(p);
    onImage(l, a, "bg", [meter](tcGuiImage* v) { meter->setBackgroundBitmap(v); });
    onImage(l, a, "bar", [meter](tcGuiImage* v) { meter->setBarBitmap(v); });
    onImage(l, a, "ovr", [meter](tcGuiImage* v) { meter->setLampBitmap(v); });
    return {};
}

tcSkinTarget labelBitmap(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* label = as<tcGuiLabel>(p);
    onImage(l, a, "image", [label](tcGuiImage* v) { label->setBitmap(v); });
    applySize(l, label, a);
    return {};
}

tcSkinTarget comboColors(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return listColors<tcGuiCombo>(l, p, a);
}

tcSkinTarget listboxColors(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    return listColors<tcGuiListbox>(l, p, a);
}

tcSkinTarget displayColors(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* display = as<tcGuiDisplay>(p);
    applyDisplayColor(l, display, a, "fg", tcGuiDisplay::STATE_NORMAL, false);
    applyDisplayColor(l, display, a, "bg", tcGuiDisplay::STATE_NORMAL, true);
    applyDisplayColor(l, display, a, "fg_error", tcGuiDisplay::STATE_ERROR, false);
    applyDisplayColor(l, display, a, "bg_error", tcGuiDisplay::STATE_ERROR, true);
    applyDisplayColor(l, display, a, "fg_warn", tcGuiDisplay::STATE_WARNING, false);
    applyDisplayColor(l, display, a, "bg_warn", tcGuiDisplay::STATE_WARNING, true);
    return {};
}

tcSkinTarget apGraphColors(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* graph = as<tcGuiApGraph>(p);
    applyGraphColors(l, graph, a);
    onColor(l, a, "audio", [graph](QRgb v) { graph->setAudioColor(v); });
    return {};
}

tcSkinTarget dynGraphColors(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    static constexpr const char* CURVE_COLORS[MAX_DYNGRAPH_CURVES] = {"curve_1", "curve_2", "curve_3", "curve_4",
                                                                      "curve_5"};
    auto* graph = as<tcGuiDynGraph>(p);
    applyGraphColors(l, graph, a);
    for (int curve = 0; curve < MAX_DYNGRAPH_CURVES; ++curve)
        onColor(l, a, CURVE_COLORS[curve], [graph, curve](QRgb v) { graph->setCurveColor(curve, v); });
    return {};
}

tcSkinTarget comboDrop(tcSkinLoader& l, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    onInt(l, a, "rows", [combo = as<tcGuiCombo>(p)](int v) { combo->setDropRows(v); });
    return {};
}

tcSkinTarget meterType(tcSkinLoader&, const tcSkinTarget& p, const char*, const tcSkinAttributes& a)
{
    auto* m = as<tcGuiMeter>(p);
    if (const char* v = a.get("style")) {
        const int style = meterStyleFromName(QString::fromUtf8(v));
        if (style >= 0)
            m->setStyle(style, m->clip(), m->channels());
    }
    onFlagN(a, "clip", [m](bool v) { m->setStyle(m->style(), v, m->channels()); });
    if (const char* v = a.get("channels"))
        m->setStyle(m->style(), m->clip(), skinDecimal(v) == 1 ? 1 : 2);
    onFlagN(a, "vertical", [m](bool v) { m->setVertical(v); });
    return {};
}

tcSkinTarget openRadioItem(tcSkinLoader& l, const tcSkinTarget& p, const char* name, const tcSkinAttributes& a)
{
    const char* id = l.requireId(name, a);
    if (!id)
        return {};
    auto make = [](const QString& itemId, tcBench* bench, int serial) -> std::unique_ptr<tcGuiObject> {
        return std::make_unique<tcGuiRadioItem>(itemId, bench, serial);
    };
    auto* item = static_cast<tcGuiRadioItem*>(l.object(name, id, GUI_KIND_RADIOITEM, make));
    if (!item)
        return {};
    as<tcGuiRadioGroup>(p)->addItem(item);
    onInt(l, a, "x", [item](int v) { item->setItemX(v); });
    onInt(l, a, "y", [item](int v) { item->setItemY(v); });
    onText(a, "value", [item](const QString& v) { item->setCaptionText(v); });
    onColor(l, a, "color", [item](QRgb v) { item->setCaptionColor(v); });
    onFont(l, a, "font", [item](tcSkinFont* v) { item->setCaptionFont(v); });
    onInt(l, a, "tx", [item](int v) { item->setItemCaptionX(v); });
    onInt(l, a, "ty", [item](int v) { item->setItemCaptionY(v); });
    onImage(l, a, "image", [item](tcGuiImage* v) { item->setBitmap(v); });
    return {};
}
