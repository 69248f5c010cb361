#pragma once

class tcBench;
class tcControlGroupMain;

// What the control groups need of the bench that owns them: the objects to bind, the
// main group, the processing-block selection, the graph source, the "OPTIONS" settings
// and the quick-save store. The application's bench implements it; every group keeps it
// borrowed for its whole life. GUI thread only.
class tcGroupHost
{
public:
    virtual ~tcGroupHost() = default;

    // The bench whose object list the groups bind from: an object is found by its skin id
    // text. Its interactionLocked() is the local-mode lock that every bound object asks,
    // with the object ID the group gave it, before it takes a gesture.
    virtual tcBench& skinBench() = 0;

    // The main group (main graph, flow buttons, meters); none until the bench has made it.
    virtual tcControlGroupMain* mainGroup() const = 0;

    // The processing group shown: 0 system, 1 compressor, 2 parametric EQ, 3 de-esser,
    // 4 expander, 5 input.
    virtual int controlIndex() const = 0;
    // Shows the processing group of the index (any value but 0-4 shows the input group),
    // attaching the main graph to it, and stores the index as "OPTIONS"/"CONTROL".
    virtual void selectControl(int index) = 0;

    // The graph source: stores the flag, sets the "MAP_STRM" global to 1 (output) or 0
    // (input) with TO_UNIT and redraws the main graph.
    virtual void setStreamFlag(bool output) = 0;

    // An integer of the settings' "OPTIONS" section, or the default when it is not stored.
    virtual int option(const char* key, int defaultValue) const = 0;
    // Stores an integer in the settings' "OPTIONS" section.
    virtual void setOption(const char* key, int value) = 0;

    // The current quick-save slot: 0 for A, 1 for B.
    virtual int quickSaveSlot() const = 0;
    // Switches the live values to the slot (0 or 1) with the live map; the slot being
    // left keeps the values the user had. Another slot number, or the current one, does nothing.
    virtual void quickSaveSelect(int slot) = 0;
    // Stores the live values into both slots; the current slot stays.
    virtual void quickSaveStoreBoth() = 0;
};
