#pragma once

#include "model/map_type.h"

#include <span>

// Integer entry of a parameter map, kept inside [minimum, maximum]. No map of this system
// holds one, but messages and preset files carry the type. Not locked; its map locks.
class MAP_INT final : public MAP_TYPE {
public:
    // value is clamped and becomes both the current value and the default; texts (may be
    // empty) are the display texts indexed by value.
    MAP_INT(quint16 id, quint32 value, quint32 minimum, quint32 maximum,
            std::span<const char* const> texts, QByteArrayView name);

    tcTypeCode type() const override { return TYPE_INT; }
    bool reset() override;
    QByteArray valueText() const override; // the table's text, else the value with "%d"
    QByteArray nameText() const override { return m_name; }

    quint32 value() const { return m_value; }
    quint32 defaultValue() const { return m_default; }
    quint32 minimum() const { return m_minimum; }
    quint32 maximum() const { return m_maximum; }
    bool set(quint32 value); // clamps; true when the value changed

private:
    quint32 clamp(quint32 value) const;

    quint32 m_value = 0;
    quint32 m_default = 0;
    quint32 m_minimum;
    quint32 m_maximum;
    std::span<const char* const> m_texts;
    QByteArray m_name;
};
