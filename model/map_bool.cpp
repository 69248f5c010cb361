#include "model/map_bool.h"

MAP_BOOL::MAP_BOOL(quint16 id, bool defaultValue, QByteArrayView name)
    : MAP_TYPE(id), m_value(defaultValue ? 1 : 0), m_default(m_value), m_name(entryName(name))
{
}

bool MAP_BOOL::reset()
{
    return set(defaultValue());
}

QByteArray MAP_BOOL::valueText() const
{
    return value() ? QByteArray("In") : QByteArray("Out");
}

bool MAP_BOOL::set(bool value)
{
    const quint8 stored = value ? 1 : 0;
    const bool changed = stored != m_value;
    m_value = stored;
    return changed;
}
