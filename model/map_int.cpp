#include "model/map_int.h"

#include "model/display_text.h"

#include <algorithm>

MAP_INT::MAP_INT(quint16 id, quint32 value, quint32 minimum, quint32 maximum,
                 std::span<const char* const> texts, QByteArrayView name)
    // A maximum below the minimum is taken as the minimum, so the range is never empty.
    : MAP_TYPE(id), m_minimum(minimum), m_maximum(std::max(minimum, maximum)), m_texts(texts),
      m_name(entryName(name))
{
    m_value = clamp(value);
    m_default = m_value;
}

bool MAP_INT::reset()
{
    return set(m_default);
}

QByteArray MAP_INT::valueText() const
{
    if (m_value < m_texts.size() && m_texts[m_value] != nullptr)
        return displayText("%s", m_texts[m_value]);
    return displayText("%d", static_cast<int>(m_value));
}

bool MAP_INT::set(quint32 value)
{
    const quint32 stored = clamp(value);
    const bool changed = stored != m_value;
    m_value = stored;
    return changed;
}

quint32 MAP_INT::clamp(quint32 value) const
{
    return std::clamp(value, m_minimum, m_maximum);
}
