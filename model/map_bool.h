#pragma once

#include "model/map_type.h"

// Switch entry of a parameter map: 0 or 1. Not locked; its map locks.
class MAP_BOOL final : public MAP_TYPE {
public:
    MAP_BOOL(quint16 id, bool defaultValue, QByteArrayView name);

    tcTypeCode type() const override { return TYPE_BOOL; }
    bool reset() override;
    QByteArray valueText() const override; // "In" for 1, "Out" for 0
    QByteArray nameText() const override { return m_name; }

    bool value() const { return m_value != 0; }
    bool defaultValue() const { return m_default != 0; }
    bool set(bool value); // true when the value changed

private:
    quint8 m_value;
    quint8 m_default;
    QByteArray m_name;
};
