#include "gqgui/graph_axis.h"

#include <algorithm>
#include <cmath>

namespace {
// Pixels far outside any plot are held here, so that rounding stays defined.
constexpr double PIXEL_LIMIT = 1.0e6;
}

tcGraphAxis::tcGraphAxis(const QString& name, int tickCount, int scale, Orientation orientation, int length,
                         float minimum, float maximum)
    : m_name(name), m_scale(scale == LOGARITHMIC ? LOGARITHMIC : LINEAR), m_orientation(orientation),
      m_length(length), m_minimum(minimum), m_maximum(maximum),
      m_ticks(size_t(std::max(tickCount, 0)), tcAxisTick{minimum, 0, QString()})
{
}

void tcGraphAxis::setTick(int index, float value, int flags, const QString& label)
{
    if (index >= 0 && index < int(m_ticks.size()))
        m_ticks[size_t(index)] = tcAxisTick{value, flags, label};
}

int tcGraphAxis::pixelOf(double value) const
{
    if (!hasExtent() || std::isnan(value))
        return 0;
    const double offset = std::clamp(fraction(value) * m_length, -PIXEL_LIMIT, PIXEL_LIMIT);
    // Vertical axes put the maximum at the top.
    const double pixel = m_orientation == VERTICAL ? m_length - std::lround(offset) : std::lround(offset);
    return int(pixel);
}

double tcGraphAxis::valueAt(double pixel) const
{
    if (!hasExtent())
        return m_minimum;
    const double offset = m_orientation == VERTICAL ? m_length - pixel : pixel;
    return valueAtFraction(offset / m_length);
}

bool tcGraphAxis::hasExtent() const
{
    if (m_length <= 0 || m_maximum == m_minimum)
        return false;
    return m_scale == LINEAR || (m_minimum > 0.0f && m_maximum > 0.0f);
}

double tcGraphAxis::fraction(double value) const
{
    if (m_scale == LINEAR)
        return (value - m_minimum) / (double(m_maximum) - m_minimum);
    // Values at or below zero lie infinitely far below a logarithmic axis.
    if (!(value > 0.0))
        return -PIXEL_LIMIT;
    return std::log10(value / m_minimum) / std::log10(double(m_maximum) / m_minimum);
}

double tcGraphAxis::valueAtFraction(double fraction) const
{
    if (m_scale == LINEAR)
        return m_minimum + fraction * (double(m_maximum) - m_minimum);
    return m_minimum * std::pow(10.0, std::log10(double(m_maximum) / m_minimum) * fraction);
}
