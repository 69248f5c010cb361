#pragma once

#include <QString>

#include <vector>

// Tick flags.
inline constexpr int AXIS_TICK_MAJOR = 1;
inline constexpr int AXIS_TICK_MINOR = 2;
inline constexpr int AXIS_TICK_GRID = 4;
inline constexpr int AXIS_TICK_LABEL = 8;

struct tcAxisTick
{
    float value = 0.0f;
    int flags = 0;
    QString label;
};

// One axis of a graph: a linear or logarithmic scale over a length of pixels with its
// ticks, converting values to pixels and back. Vertical axes count from the top (the
// maximum at pixel 0), horizontal ones from the left (the minimum at pixel 0). Graphs use
// their own; the controllers make the dB scales they hand to the main graph. GUI thread only.
class tcGraphAxis
{
public:
    enum Scale { LINEAR = 0, LOGARITHMIC = 1 };
    enum Orientation { HORIZONTAL, VERTICAL };

    // tickCount ticks, all at the minimum with no flags until set.
    tcGraphAxis(const QString& name, int tickCount, int scale, Orientation orientation, int length, float minimum,
                float maximum);

    // Ignored for an index outside the tick count.
    void setTick(int index, float value, int flags, const QString& label);
    // The graph sets the length to its plot's width or height.
    void setLength(int length) { m_length = length; }
    void setName(const QString& name) { m_name = name; }

    // Pixel of a value. Linear: length - round((v - min) / (max - min) * length) from the
    // top, or round((v - min) / (max - min) * length) from the left; logarithmic:
    // round(log10(v / min) * length / log10(max / min)) from the left (from the bottom when
    // vertical). An axis without extent (no length, max = min, or a logarithmic range that
    // is not positive) puts every value at 0.
    int pixelOf(double value) const;
    // The value at a pixel, the inverse of pixelOf; such an axis gives its minimum.
    double valueAt(double pixel) const;

    const QString& name() const { return m_name; }
    int scale() const { return m_scale; }
    Orientation orientation() const { return m_orientation; }
    int length() const { return m_length; }
    float minimum() const { return m_minimum; }
    float maximum() const { return m_maximum; }
    const std::vector<tcAxisTick>& ticks() const { return m_ticks; }

private:
    bool hasExtent() const;
    // Fraction of the way from the minimum (0) to the maximum (1).
    double fraction(double value) const;
    double valueAtFraction(double fraction) const;

    QString m_name;
    int m_scale;
    Orientation m_orientation;
    int m_length;
    float m_minimum;
    float m_maximum;
    std::vector<tcAxisTick> m_ticks;
};
