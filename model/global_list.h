#pragma once

#include "model/model_types.h"

#include <array>

// How the display text of a global is written.
enum class tcGlobalText : quint8 {
    PAIR,         // "%d  %d": bits 8-15, then bits 0-7
    YES_NO,       // "Y" / "N"
    HEX,          // "%08X"
    ON_OFF,       // "ON" / "OFF"
    DECIMAL,      // "%d"
    INPUT_OUTPUT, // "INPUT" when 1, "OUTPUT" when 0
};

// One of the unit's global settings.
struct tcGlobalRecord {
    quint16 id;
    const char* name; // 8 characters padded with blanks, except "METER"
    tcTypeCode type;  // TYPE_INT (32-bit) or TYPE_BOOL
    quint32 defaultValue;
    tcGlobalText text;
};

inline constexpr int GLOBAL_COUNT = 13;

// The globals in iteration order; IDs 1003-1005 are not used.
inline constexpr std::array<tcGlobalRecord, GLOBAL_COUNT> GLOBAL_LIST = {{
    {1000, "PASSWORD", TYPE_INT, 0, tcGlobalText::PAIR},
    {1001, "LOCKED  ", TYPE_BOOL, 0, tcGlobalText::YES_NO},
    {1002, "ACCESS  ", TYPE_INT, 0, tcGlobalText::HEX},
    {1006, "OSCOPE  ", TYPE_BOOL, 0, tcGlobalText::ON_OFF},
    {1007, "MAP_STRM", TYPE_INT, 0, tcGlobalText::DECIMAL},
    {1008, "RCRC    ", TYPE_INT, 0, tcGlobalText::HEX},
    {1009, "UCRC    ", TYPE_INT, 0, tcGlobalText::HEX},
    {1010, "UFLAGS  ", TYPE_INT, 0, tcGlobalText::HEX},
    {1011, "IS_LOCAL", TYPE_BOOL, 1, tcGlobalText::YES_NO},
    {1012, "CURRFREQ", TYPE_INT, 0, tcGlobalText::DECIMAL},
    {1013, "AES_MUTE", TYPE_INT, 0, tcGlobalText::DECIMAL},
    {1014, "PNTM_PWR", TYPE_BOOL, 0, tcGlobalText::ON_OFF},
    {1015, "METER", TYPE_BOOL, 0, tcGlobalText::INPUT_OUTPUT},
}};

// Index of a global ID in iteration order, -1 for an ID that is not a global.
constexpr int globalIndex(quint16 id)
{
    for (int i = 0; i < GLOBAL_COUNT; ++i) {
        if (GLOBAL_LIST[i].id == id)
            return i;
    }
    return -1;
}

// TYPE_INT or TYPE_BOOL; TYPE_NONE for an ID that is not a global (outside 1000-1015, 1003-1005).
constexpr tcTypeCode globalType(quint16 id)
{
    const int index = globalIndex(id);
    return index < 0 ? TYPE_NONE : GLOBAL_LIST[index].type;
}

// First global ID in iteration order (1000).
constexpr quint16 firstGlobalId()
{
    return GLOBAL_LIST[0].id;
}

// The global ID after id; ID_END after the last and for an ID that is not a global.
constexpr quint16 nextGlobalId(quint16 id)
{
    const int index = globalIndex(id);
    return index < 0 || index + 1 == GLOBAL_COUNT ? ID_END : GLOBAL_LIST[index + 1].id;
}
