#pragma once

class tcGuiObject;

// The state skinshot shows the objects in, so that a preview shows what the bitmaps draw:
// knobs part way round, meters with a level, the shown group's flow button and switches
// lit, value displays with a dash pattern and the status displays with their start texts,
// the graph with a sample spectrum and the dynamics graphs with a curve. Nothing comes from
// a unit; the values are samples.
class tcPreviewState
{
public:
    // Puts a shown object of the main area or of the group of the control index in its
    // preview state.
    static void apply(tcGuiObject& object, int controlIndex);

private:
    static void applyButton(tcGuiObject& object, int controlIndex);
    static void applyCheckBox(tcGuiObject& object);
    static void applyDisplay(tcGuiObject& object);
    static void applyMeter(tcGuiObject& object);
    static void applyGraph(tcGuiObject& object, int controlIndex);
    static void applyDynGraph(tcGuiObject& object);
};
