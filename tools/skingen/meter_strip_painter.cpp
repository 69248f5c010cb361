#include "tools/skingen/meter_strip_painter.h"

#include "tools/skingen/art_shapes.h"

#include <QPainter>

#include <algorithm>

namespace {

// Sections: pairs of lit, unlit for the 30/40 dB, 60 dB and reduction scales.
constexpr int PAIR_WIDE = 1;      // 60 dB scales
constexpr int PAIR_REDUCTION = 2; // gain reduction

// Share of the bar from the top drawn in the top and in the middle colour, per scale:
// the top 3 dB and the next 6 dB of a 30 dB bar, the same decibels of a 60 dB bar.
struct tcZones
{
    double high;
    double mid;
};
constexpr tcZones ZONES_NARROW{0.10, 0.30};
constexpr tcZones ZONES_WIDE{0.05, 0.15};

} // namespace

void tcMeterStripPainter::bar(QPainter& painter, int section, QSize size) const
{
    const bool lit = section % 2 == 0;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, size.width(), size.height(), skinart::mix(m_palette.bay, Qt::black, 0.5));
    for (int y = 0; y < size.height(); y += ROW_PITCH) {
        const int rowHeight = std::min(ROW_PITCH - ROW_GAP, size.height() - y);
        const QColor colour = levelColour(section, double(y) / std::max(1, size.height() - 1));
        painter.fillRect(1, y, size.width() - 2, rowHeight, lit ? colour : skinart::unlit(colour, m_palette));
    }
}

void tcMeterStripPainter::overload(QPainter& painter, int section, QSize size) const
{
    const QColor colour = section / 2 == PAIR_REDUCTION ? m_palette.ledAmber : m_palette.ledRed;
    skinart::drawLedBar(painter, QRectF(0, 0, size.width(), size.height()), colour, m_palette, section % 2 == 0);
}

QColor tcMeterStripPainter::levelColour(int section, double fromTop) const
{
    const int pair = section / 2;
    if (pair == PAIR_REDUCTION)
        return skinart::mix(m_palette.meterGr, m_palette.meterGr.darker(135), fromTop);
    const tcZones zones = pair == PAIR_WIDE ? ZONES_WIDE : ZONES_NARROW;
    if (fromTop < zones.high)
        return m_palette.meterHigh;
    if (fromTop < zones.mid)
        return m_palette.meterMid;
    return m_palette.meterLow;
}
