#pragma once

#include "model/model_types.h"
#include "model/value_tables.h"

#include <array>

// One record of the directory of processing parameters and the entry it creates.
struct tcParamRecord {
    quint16 id;
    tcTypeCode type;
    const char* name;
    float defaultValue; // a switch: 0 or 1
    float lower;        // floats only
    float upper;        // floats only
    tcValueTable table; // floats only
};

inline constexpr int PARAM_COUNT = 31;

// The directory of processing parameters in directory order, the order of every iteration
// (first and next ID, checksums, copying, sending all values, preset files); the EQ block is
// not ascending by ID. Closed by the record (ID_END, TYPE_NONE).
inline constexpr std::array<tcParamRecord, PARAM_COUNT + 1> PARAM_LIST = {{
    {2100, TYPE_FLOAT, "In Gain", 20.0f, -10.0f, 70.0f, GAIN_TABLE},
    {2101, TYPE_BOOL, "Decorrelator", 0.0f, 0.0f, 0.0f, NO_TABLE},
    {3100, TYPE_BOOL, "Filter In", 0.0f, 0.0f, 0.0f, NO_TABLE},
    {3101, TYPE_FLOAT, "Filter HPF Freq", 80.0f, 20.0f, 1000.0f, FREQ_TABLE},
    {3102, TYPE_FLOAT, "Filter LPF Freq", 4000.0f, 1000.0f, 20000.0f, FREQ_TABLE},
    {4100, TYPE_BOOL, "Expander In", 0.0f, 0.0f, 0.0f, NO_TABLE},
    {4101, TYPE_FLOAT, "Expander Depth", 14.0f, 0.0f, 40.0f, DEPTH_TABLE},
    {4102, TYPE_FLOAT, "Expander Thresh", 0.0f, -60.0f, 0.0f, THRESH_TABLE},
    {4103, TYPE_FLOAT, "Expander Close", 300.0f, 50.0f, 3000.0f, TIME_TABLE},
    {5100, TYPE_BOOL, "De-Esser In", 0.0f, 0.0f, 0.0f, NO_TABLE},
    {5101, TYPE_FLOAT, "De-Esser Thresh", -40.0f, -60.0f, -10.0f, THRESH_TABLE},
    {5102, TYPE_FLOAT, "De-Esser Release", 100.0f, 50.0f, 500.0f, TIME_TABLE},
    {5103, TYPE_FLOAT, "De-Esser Freq", 4000.0f, 20.0f, 20000.0f, FREQ_TABLE},
    {6100, TYPE_BOOL, "EQ Pre DYN", 1.0f, 0.0f, 0.0f, NO_TABLE},
    {6101, TYPE_BOOL, "EQ In", 0.0f, 0.0f, 0.0f, NO_TABLE},
    {6108, TYPE_FLOAT, "Lo Shelf Freq", 50.0f, 20.0f, 200.0f, FREQ_TABLE},
    {6110, TYPE_FLOAT, "Lo Shelf Lift", 6.0f, -14.0f, 14.0f, LEVEL_TABLE},
    {6102, TYPE_FLOAT, "PEQ 1 Freq", 800.0f, 20.0f, 20000.0f, FREQ_TABLE},
    {6106, TYPE_FLOAT, "PEQ 1 Lift", -4.0f, -14.0f, 14.0f, LEVEL_TABLE},
    {6104, TYPE_FLOAT, "PEQ 1 BW", 0.5f, 0.2f, 3.0f, OCTAVE_TABLE},
    {6103, TYPE_FLOAT, "PEQ 2 Freq", 2800.0f, 20.0f, 20000.0f, FREQ_TABLE},
    {6105, TYPE_FLOAT, "PEQ 2 BW", 0.67f, 0.2f, 3.0f, OCTAVE_TABLE},
    {6107, TYPE_FLOAT, "PEQ 2 Lift", 3.0f, -14.0f, 14.0f, LEVEL_TABLE},
    {6109, TYPE_FLOAT, "Hi Shelf Freq", 8000.0f, 2000.0f, 20000.0f, FREQ_TABLE},
    {6111, TYPE_FLOAT, "Hi Shelf Lift", 8.0f, -14.0f, 14.0f, LEVEL_TABLE},
    {8100, TYPE_BOOL, "Comp In", 0.0f, 0.0f, 0.0f, NO_TABLE},
    {8101, TYPE_FLOAT, "Comp Thresh", -40.0f, -50.0f, -10.0f, THRESH_TABLE},
    {8102, TYPE_FLOAT, "Comp Ratio", 2.0f, 1.0f, 20.0f, RATIO_TABLE},
    {8103, TYPE_FLOAT, "Comp Attack", 1.0f, 0.2f, 1000.0f, TIME_TABLE},
    {8104, TYPE_FLOAT, "Comp Release", 150.0f, 33.0f, 1000.0f, TIME_TABLE},
    {9004, TYPE_FLOAT, "Out Gain", 0.0f, -80.0f, 18.0f, LEVEL_TABLE},
    {ID_END, TYPE_NONE, "", 0.0f, 0.0f, 0.0f, NO_TABLE},
}};

// Index of an ID in directory order, -1 for an ID that is not in the directory.
constexpr int paramIndex(quint16 id)
{
    for (int i = 0; i < PARAM_COUNT; ++i) {
        if (PARAM_LIST[i].id == id)
            return i;
    }
    return -1;
}

// Type code of an ID; TYPE_NONE (255) for an ID that is not in the directory.
constexpr tcTypeCode paramType(quint16 id)
{
    const int index = paramIndex(id);
    return index < 0 ? TYPE_NONE : PARAM_LIST[index].type;
}

// First ID in directory order (2100).
constexpr quint16 firstParamId()
{
    return PARAM_LIST[0].id;
}

// The ID after id in directory order; ID_END after the last and for an unknown ID.
constexpr quint16 nextParamId(quint16 id)
{
    const int index = paramIndex(id);
    return index < 0 ? ID_END : PARAM_LIST[index + 1].id;
}

// Number of processing parameters (31).
constexpr int paramCount()
{
    return PARAM_COUNT;
}
