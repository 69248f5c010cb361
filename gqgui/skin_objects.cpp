// Handlers of the object elements of a skin: each finds or creates its object and applies
// the element's own attribute.

#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_display.h"
#include "gqgui/gui_dyngraph.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_label.h"
#include "gqgui/gui_lamp.h"
#include "gqgui/gui_listbox.h"
#include "gqgui/gui_meter.h"
#include "gqgui/gui_radio.h"
#include "gqgui/gui_slider.h"
#include "gqgui/skin_elements.h"

namespace {
template <typename T> std::unique_ptr<tcGuiObject> make(const QString& id, tcBench* bench, int serial)
{
    return std::make_unique<T>(id, bench, serial);
}

// The element's object of class T (kind code `kind`), as the target of a `context`.
template <typename T>
tcSkinTarget openObject(tcSkinLoader& loader, const char* name, const tcSkinAttributes& a, int kind,
                        tcSkinContext context, T** object = nullptr)
{
    const char* id = loader.requireId(name, a);
    if (!id)
        return {};
    tcGuiObject* found = loader.object(name, id, kind, make<T>);
    if (!found)
        return {};
    if (object)
        *object = static_cast<T*>(found);
    return tcSkinTarget{context, found, nullptr};
}

// Applies the `type` attribute: a word that typeFromName knows, other text leaves the default.
template <typename T, typename Apply> void applyType(const tcSkinAttributes& a, T* object, int (*fromName)(const QString&),
                                                      Apply apply)
{
    const char* text = a.get("type");
    if (!object || !text)
        return;
    const int type = fromName(QString::fromUtf8(text));
    if (type >= 0)
        apply(object, type);
}
}

tcSkinTarget openButton(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiButton>(loader, name, a, GUI_KIND_BUTTON, tcSkinContext::BUTTON);
}

tcSkinTarget openCombo(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    tcGuiCombo* combo = nullptr;
    const tcSkinTarget target = openObject(loader, name, a, GUI_KIND_COMBO, tcSkinContext::COMBO, &combo);
    applyType(a, combo, tcGuiCombo::typeFromName, [](tcGuiCombo* c, int type) { c->setType(type); });
    return target;
}

tcSkinTarget openListbox(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    tcGuiListbox* listbox = nullptr;
    const tcSkinTarget target = openObject(loader, name, a, GUI_KIND_LISTBOX, tcSkinContext::LISTBOX, &listbox);
    applyType(a, listbox, tcGuiListbox::typeFromName, [](tcGuiListbox* l, int type) { l->setType(type); });
    return target;
}

tcSkinTarget openLamp(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiLamp>(loader, name, a, GUI_KIND_LAMP, tcSkinContext::LAMP);
}

tcSkinTarget openCheckBox(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiCheckBox>(loader, name, a, GUI_KIND_CHECKBOX, tcSkinContext::CHECKBOX);
}

tcSkinTarget openDisplay(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiDisplay>(loader, name, a, GUI_KIND_DISPLAY, tcSkinContext::DISPLAY);
}

tcSkinTarget openKnob(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    tcGuiKnob* knob = nullptr;
    const tcSkinTarget target = openObject(loader, name, a, GUI_KIND_KNOB, tcSkinContext::KNOB, &knob);
    applyType(a, knob, tcGuiKnob::styleFromName, [](tcGuiKnob* k, int style) { k->setStyle(style); });
    return target;
}

tcSkinTarget openSlider(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiSlider>(loader, name, a, GUI_KIND_SLIDER, tcSkinContext::SLIDER);
}

tcSkinTarget openRadioGroup(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiRadioGroup>(loader, name, a, GUI_KIND_RADIOGROUP, tcSkinContext::RADIOGROUP);
}

tcSkinTarget openMeter(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiMeter>(loader, name, a, GUI_KIND_METER, tcSkinContext::METER);
}

tcSkinTarget openApGraph(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiApGraph>(loader, name, a, GUI_KIND_APGRAPH, tcSkinContext::APGRAPH);
}

tcSkinTarget openDynGraph(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiDynGraph>(loader, name, a, GUI_KIND_DYNGRAPH, tcSkinContext::DYNGRAPH);
}

tcSkinTarget openLabel(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    return openObject<tcGuiLabel>(loader, name, a, GUI_KIND_LABEL, tcSkinContext::LABEL);
}
