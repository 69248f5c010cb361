#pragma once

#include "model/map_bool.h"
#include "model/map_float.h"
#include "model/map_int.h"
#include "model/model_types.h"
#include "model/param_list.h"

#include <QByteArray>

#include <array>
#include <memory>
#include <optional>

// A checksum over map values and the number of values fed into it.
struct tcCrcCount {
    quint32 crc;
    quint16 count;
};

// Typed map of the 31 processing parameters, one entry per directory record. The live map
// mirrors the connected unit; further instances hold presets and quick-save slots.
//
// Threads: the link's receive thread stores into the live map while the GUI thread reads
// and writes it. Every operation takes modelLock(); the notification runs while it is held.
// An ID that is not in the directory is ignored by the setters, reads as 0 and shows
// "????????".
class tcParamMap {
public:
    tcParamMap(); // every entry at its default; no notification
    ~tcParamMap();
    tcParamMap(const tcParamMap&) = delete;
    tcParamMap& operator=(const tcParamMap&) = delete;

    // Called with (context, ID, flag) after a setter changed a value; nullptr for none.
    void setNotify(tcChangeNotify notify, void* context);

    // The entry of an ID when it has that type, else nullptr. The pointer stays valid for the
    // map's lifetime; hold modelLock() while using an entry of the live map.
    MAP_FLOAT* floatEntry(quint16 id) const;
    MAP_BOOL* boolEntry(quint16 id) const;
    MAP_INT* intEntry(quint16 id) const;

    // Setters clamp, store and, when the value changed and a notification is set, notify with
    // (ID, flag). They return whether the value changed. A setter of another type than the
    // entry's does nothing.
    bool setPosition(quint16 id, quint32 position, tcChangeFlag flag); // any type; a bool stores position != 0
    bool setFloat(quint16 id, float value, tcChangeFlag flag);
    bool setBool(quint16 id, bool value, tcChangeFlag flag);
    bool setInt(quint16 id, quint32 value, tcChangeFlag flag);

    quint32 getPosition(quint16 id) const;     // float: position; int: value; bool: 0/1
    quint32 lowestPosition(quint16 id) const;  // float: lowest position; others 0
    quint32 highestPosition(quint16 id) const; // float: highest; int: maximum; bool: 1; unknown: 255
    float getFloat(quint16 id) const;          // value at the position; 0.0 when not a float
    float defaultFloat(quint16 id) const;      // the stored (clamped) default; 0.0 when not a float
    // The bool and int getters give 0 for an ID that is not of their type.
    bool getBool(quint16 id) const;
    bool defaultBool(quint16 id) const;
    quint32 getInt(quint16 id) const;
    quint32 defaultInt(quint16 id) const;

    // The position that setFloat would store, without storing; nullopt when not a float.
    std::optional<quint32> positionOfValue(quint16 id, float value) const;

    // The display text (at most 8 characters) with the switch texts of the front panel:
    // "IN      "/"OUT     " for the block switches, "EQ-->DYN"/"DYN-->EQ" for 6100.
    QByteArray valueText(quint16 id) const;
    QByteArray nameText(quint16 id) const;

    // Takes every value of other in directory order (floats through their value), without
    // notification. Copying a map onto itself does nothing.
    void copyFrom(const tcParamMap& other);

    // CRC-32 over every entry but "In Gain" in directory order: floats as 4 bytes of f32,
    // ints as 4 bytes, both little-endian, bools as one byte 0/1. Count 30.
    tcCrcCount settingsCrc() const;
    // CRC-32 over the f32 of "In Gain" fed twice (8 bytes). Count always 9.
    tcCrcCount gainCrc() const;

private:
    MAP_TYPE* entry(quint16 id) const;
    bool notifyIf(bool changed, quint16 id, tcChangeFlag flag) const;

    tcChangeNotify m_notify = nullptr;
    void* m_context = nullptr;
    std::array<std::unique_ptr<MAP_TYPE>, PARAM_COUNT> m_entries;
};
