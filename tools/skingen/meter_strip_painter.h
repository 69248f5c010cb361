#pragma once

#include "tools/skingen/art_palette.h"

#include <QSize>

class QPainter;

// Draws the six sections of a meter's bar and overload lamp strips: lit and unlit for the
// 30/40 dB scales, the 60 dB scales and the gain-reduction scales. Bars are drawn
// vertically, full scale at the top, as LED rows.
class tcMeterStripPainter
{
public:
    // Pixels of one LED row and of the gap below it.
    static constexpr int ROW_PITCH = 3;
    static constexpr int ROW_GAP = 1;

    explicit tcMeterStripPainter(const tcArtPalette& palette) : m_palette(palette) {}

    void bar(QPainter& painter, int section, QSize size) const;
    void overload(QPainter& painter, int section, QSize size) const;

private:
    // The lit colour at a fraction of the bar from its top (0 = full scale).
    QColor levelColour(int section, double fromTop) const;

    const tcArtPalette& m_palette;
};
