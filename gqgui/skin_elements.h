#pragma once

#include "gqgui/skin_loader.h"

// One element kind of the skin file: its name and the handler that opens it. The handler
// finds or creates its target, applies the attributes in their fixed order and returns
// the context of what the element holds (LEAF for none, or to ignore its content).
struct tcSkinElement
{
    using Open = tcSkinTarget (*)(tcSkinLoader& loader, const tcSkinTarget& parent, const char* name,
                                  const tcSkinAttributes& attributes);

    const char* name;
    Open open;
};

// The element of that name allowed inside the parent's kind, or none.
const tcSkinElement* skinElement(tcSkinContext parent, const char* name);

// Handlers of the definition elements.
tcSkinTarget openSkin(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openColor(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openOffset(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openRegion(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openFont(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openScreen(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openScreenObj(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openImage(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);

// Handlers of the object elements.
tcSkinTarget openButton(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openCombo(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openListbox(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openLamp(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openCheckBox(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openDisplay(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openKnob(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openSlider(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openRadioGroup(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openRadioItem(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openMeter(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openApGraph(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openDynGraph(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget openLabel(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);

// Handlers of the child elements of objects; they act on the parent's object.
tcSkinTarget positionXY(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget positionXYW(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget positionXYWH(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget sliderPosition(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget meterPosition(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
// position1 ... position9 of the main graph.
tcSkinTarget panelPosition(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget captionText(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget comboText(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget listboxText(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget displayText(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget radioGroupText(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget meterText(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget buttonMode(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget comboMode(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget listboxMode(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget displayMode(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget buttonBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget comboBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget listboxBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget lampBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget checkBoxBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget knobBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget sliderBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget radioGroupBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget meterBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget labelBitmap(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget comboColors(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget listboxColors(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget displayColors(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget apGraphColors(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget dynGraphColors(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget comboDrop(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
tcSkinTarget meterType(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&);
