#include "model/map_float.h"

#include "model/display_text.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

constexpr quint32 TABLELESS_STEPS = 255;

// log2 of the table size when it is a power of two from 4 to 4096, else 0.
quint32 searchWidthOf(std::size_t size)
{
    if (size < 4 || size > 4096 || !std::has_single_bit(size))
        return 0;
    return static_cast<quint32>(std::countr_zero(size));
}

// Distances are taken in double, where the difference of two floats is exact, so a value
// exactly half way between two entries is a true tie.
double distance(float a, float b)
{
    return std::fabs(double(a) - double(b));
}

} // namespace

MAP_FLOAT::MAP_FLOAT(quint16 id, float defaultValue, float lower, float upper,
                     std::span<const tcTableEntry> table, QByteArrayView name)
    : MAP_TYPE(id), m_default(0.0f), m_lower(lower), m_upper(upper), m_table(table),
      m_searchWidth(searchWidthOf(table.size())), m_name(entryName(name))
{
    m_default = clampValue(defaultValue);
    if (!m_table.empty()) {
        m_lowest = unclampedPosition(m_lower);
        m_highest = std::max(m_lowest, unclampedPosition(m_upper));
    }
    m_position = positionOf(m_default);
}

bool MAP_FLOAT::reset()
{
    return setValue(m_default);
}

QByteArray MAP_FLOAT::valueText() const
{
    if (!m_table.empty())
        return m_table[m_position].textView().toByteArray();
    return displayText("%+4.1f", double(value()));
}

float MAP_FLOAT::valueAt(quint32 position) const
{
    const quint32 clamped = clampPosition(position);
    if (!m_table.empty())
        return m_table[clamped].value;
    return float(m_lower + (double(m_upper) - m_lower) * clamped / double(TABLELESS_STEPS));
}

quint32 MAP_FLOAT::positionOf(float value) const
{
    return clampPosition(unclampedPosition(clampValue(value)));
}

bool MAP_FLOAT::setPosition(quint32 position)
{
    const quint32 stored = clampPosition(position);
    const bool changed = stored != m_position;
    m_position = stored;
    return changed;
}

bool MAP_FLOAT::setValue(float value)
{
    return setPosition(positionOf(value));
}

float MAP_FLOAT::clampValue(float value) const
{
    // A value that is not a number (a corrupt message or file) is taken as the lower limit.
    if (std::isnan(value))
        return m_lower;
    if (m_upper < value)
        return m_upper;
    if (m_lower > value)
        return m_lower;
    return value;
}

quint32 MAP_FLOAT::clampPosition(quint32 position) const
{
    return std::clamp(position, m_lowest, m_highest);
}

// value is already inside the limits.
quint32 MAP_FLOAT::unclampedPosition(float value) const
{
    if (!m_table.empty())
        return tablePosition(value);
    // Limits that span nothing leave only position 0 (and avoid dividing by zero).
    if (!(m_upper > m_lower))
        return 0;
    const double step = (double(value) - m_lower) * double(TABLELESS_STEPS) / (double(m_upper) - m_lower);
    return static_cast<quint32>(step + 0.5);
}

// Bitwise search for the largest index whose value is not above the value, then the nearer
// of it and the next entry; a tie keeps the lower index.
quint32 MAP_FLOAT::tablePosition(float value) const
{
    if (m_searchWidth == 0)
        return 0;
    quint32 index = 0;
    for (quint32 bit = 1u << (m_searchWidth - 1); bit != 0; bit >>= 1) {
        index |= bit;
        if (m_table[index].value > value)
            index &= ~bit;
    }
    if (index + 1 < m_table.size() && distance(value, m_table[index + 1].value) < distance(value, m_table[index].value))
        ++index;
    return index;
}
