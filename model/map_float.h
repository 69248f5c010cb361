#pragma once

#include "model/map_type.h"
#include "model/value_tables.h"

#include <span>

// Float entry of a parameter map. The value is held as a position: an index into a value
// table, or, without a table, a step 0..255 on a straight line between the limits. Knobs
// move positions; messages, preset files and checksums carry the value at the position.
// Not locked; its map locks.
class MAP_FLOAT final : public MAP_TYPE {
public:
    // The default is clamped into [lower, upper]; table may be empty (a table-less entry).
    MAP_FLOAT(quint16 id, float defaultValue, float lower, float upper,
              std::span<const tcTableEntry> table, QByteArrayView name);

    tcTypeCode type() const override { return TYPE_FLOAT; }
    bool reset() override;
    QByteArray valueText() const override; // the table's text, else the value with "%+4.1f"
    QByteArray nameText() const override { return m_name; }

    quint32 position() const { return m_position; }
    quint32 lowestPosition() const { return m_lowest; }
    quint32 highestPosition() const { return m_highest; }
    float defaultValue() const { return m_default; }
    float lowerLimit() const { return m_lower; }
    float upperLimit() const { return m_upper; }
    quint32 searchWidth() const { return m_searchWidth; }

    float value() const { return valueAt(m_position); }
    float valueAt(quint32 position) const;  // the position is clamped into [lowest, highest]
    quint32 positionOf(float value) const;  // the position that setValue would store

    bool setPosition(quint32 position);     // clamped; true when the position changed
    bool setValue(float value);             // stores positionOf(value)

private:
    float clampValue(float value) const;
    quint32 clampPosition(quint32 position) const;
    quint32 unclampedPosition(float value) const;
    quint32 tablePosition(float value) const;

    quint32 m_position = 0;
    quint32 m_lowest = 0;
    quint32 m_highest = 255;
    float m_default;
    float m_lower;
    float m_upper;
    std::span<const tcTableEntry> m_table;
    quint32 m_searchWidth = 0;
    // No entry of this system gives a table-less entry its own format, so none is stored:
    // table-less values always print with "%+4.1f".
    QByteArray m_name;
};
