#include "tools/skingen/strip_painter.h"

#include "tools/skingen/art_shapes.h"
#include "tools/skingen/meter_strip_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Degrees of a ring segment's arc; the rest of each step is the gap between segments.
constexpr double SEGMENT_ARC_DEGREES = 9.0;
// Knurls around the edge of a knob cap.
constexpr int CAP_KNURLS = 32;
// Opacity of a knob drawn disabled.
constexpr double DISABLED_OPACITY = 0.45;
// Sections of the ring knob.
constexpr int KNOB_BASE = 0;
constexpr int KNOB_HOVER = 1;
constexpr int KNOB_DISABLED = 2;

struct tcKnobGeometry
{
    QPointF centre;
    qreal segmentWidth;
    qreal ringRadius;
    qreal capRadius;
};

tcKnobGeometry knobGeometry(QSize size)
{
    const qreal s = std::min(size.width(), size.height());
    tcKnobGeometry g;
    g.centre = QPointF(size.width() / 2.0, size.height() / 2.0);
    g.segmentWidth = std::max(2.5, s * 0.07);
    g.ringRadius = s / 2.0 - g.segmentWidth - 0.5;
    g.capRadius = g.ringRadius - g.segmentWidth - 3.0;
    return g;
}

// The arc of segment i (0..20), clockwise from the lower left.
QPainterPath segmentArc(const tcKnobGeometry& g, int segment)
{
    const double centreDegrees = tcStripPainter::RING_START_DEGREES + tcStripPainter::RING_STEP_DEGREES * segment;
    // Qt counts angles anticlockwise from three o'clock; the ring counts clockwise from the top.
    const double start = 90.0 - (centreDegrees + SEGMENT_ARC_DEGREES / 2.0);
    const QRectF box(g.centre.x() - g.ringRadius, g.centre.y() - g.ringRadius, 2 * g.ringRadius, 2 * g.ringRadius);
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, SEGMENT_ARC_DEGREES);
    return path;
}

QPolygonF triangle(const QPointF& centre, qreal width, qreal height, bool up)
{
    const qreal tip = up ? -height / 2 : height / 2;
    return QPolygonF({centre + QPointF(-width / 2, -tip), centre + QPointF(width / 2, -tip), centre + QPointF(0, tip)});
}

} // namespace

QImage tcStripPainter::paint(const tcStripRecipe& recipe, QSize section) const
{
    QImage strip(section.width() * recipe.sections, section.height(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < recipe.sections; ++n) {
        painter.save();
        painter.setClipRect(n * section.width(), 0, section.width(), section.height());
        painter.translate(n * section.width(), 0);
        paintSection(painter, recipe.kind, n, section);
        painter.restore();
    }
    return strip;
}

void tcStripPainter::paintSection(QPainter& painter, tcStripKind kind, int section, QSize size) const
{
    switch (kind) {
    case tcStripKind::KNOB: knob(painter, section, size); break;
    case tcStripKind::BUTTON: button(painter, section, size, false); break;
    case tcStripKind::FLOW_BUTTON: button(painter, section, size, true); break;
    case tcStripKind::CHECKBOX: checkbox(painter, section, size, false); break;
    case tcStripKind::SWITCH: checkbox(painter, section, size, true); break;
    case tcStripKind::LAMP_RED: lamp(painter, section, size, m_palette.ledRed); break;
    case tcStripKind::LAMP_AMBER: lamp(painter, section, size, m_palette.ledAmber); break;
    case tcStripKind::METER_BAR: tcMeterStripPainter(m_palette).bar(painter, section, size); break;
    case tcStripKind::METER_OVR: tcMeterStripPainter(m_palette).overload(painter, section, size); break;
    case tcStripKind::COMBO_ARROW: comboArrow(painter, section, size); break;
    case tcStripKind::SCROLL_THUMB: scrollThumb(painter, size); break;
    case tcStripKind::TAB: tab(painter, size); break;
    }
}

void tcStripPainter::knob(QPainter& painter, int section, QSize size) const
{
    if (section == KNOB_BASE || section == KNOB_HOVER) {
        knobBase(painter, size, section == KNOB_HOVER);
    } else if (section == KNOB_DISABLED) {
        painter.setOpacity(DISABLED_OPACITY);
        knobBase(painter, size, false);
    } else if (section >= KNOB_FIRST_SEGMENT_SECTION) {
        // Segment sections are drawn over the base: only the lit segment is opaque.
        ringSegment(painter, size, section - KNOB_FIRST_SEGMENT_SECTION, true);
    }
}

void tcStripPainter::knobBase(QPainter& painter, QSize size, bool hover) const
{
    const tcKnobGeometry g = knobGeometry(size);
    for (int i = 0; i < KNOB_SEGMENTS; ++i)
        ringSegment(painter, size, i, false);
    const qreal r = g.capRadius;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawEllipse(g.centre + QPointF(0, 1.2), r + 1.5, r + 1.5);
    QRadialGradient skirt(g.centre, r);
    skirt.setColorAt(0.75, m_palette.cap);
    skirt.setColorAt(1.0, m_palette.capLo);
    painter.setBrush(skirt);
    painter.drawEllipse(g.centre, r, r);
    QColor knurl = m_palette.capHi;
    knurl.setAlpha(110);
    painter.setPen(QPen(knurl, 1.0));
    for (int k = 0; k < CAP_KNURLS; ++k) {
        const double a = 2.0 * std::numbers::pi * k / CAP_KNURLS;
        const QPointF dir(std::sin(a), -std::cos(a));
        painter.drawLine(g.centre + dir * (r - 2.6), g.centre + dir * (r - 0.6));
    }
    const qreal top = r - 3.2;
    QLinearGradient face(g.centre - QPointF(0, top), g.centre + QPointF(0, top));
    face.setColorAt(0.0, m_palette.capHi);
    face.setColorAt(1.0, m_palette.capLo);
    painter.setPen(QPen(skinart::mix(m_palette.capLo, Qt::black, 0.4), 0.8));
    painter.setBrush(face);
    painter.drawEllipse(g.centre, top, top);
    QColor sheen(255, 255, 255, 26);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawEllipse(QRectF(g.centre.x() - top * 0.6, g.centre.y() - top * 0.85, top * 1.2, top * 0.7));
    if (hover) {
        QColor ring = m_palette.accent;
        ring.setAlpha(150);
        painter.setPen(QPen(ring, 1.3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(g.centre, r + 1.2, r + 1.2);
    }
}

void tcStripPainter::ringSegment(QPainter& painter, QSize size, int segment, bool lit) const
{
    const tcKnobGeometry g = knobGeometry(size);
    const QPainterPath arc = segmentArc(g, segment);
    painter.setBrush(Qt::NoBrush);
    if (lit) {
        QColor glow = m_palette.accent;
        glow.setAlpha(70);
        painter.setPen(QPen(glow, g.segmentWidth * 2.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawPath(arc);
        painter.setPen(QPen(m_palette.accent, g.segmentWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawPath(arc);
        painter.setPen(QPen(skinart::mix(m_palette.accent, Qt::white, 0.45), g.segmentWidth * 0.35, Qt::SolidLine,
                            Qt::FlatCap));
        painter.drawPath(arc);
    } else {
        painter.setPen(QPen(m_palette.ringOff, g.segmentWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawPath(arc);
    }
}

void tcStripPainter::button(QPainter& painter, int section, QSize size, bool withLed) const
{
    const int style = section / 3;
    const int state = section % 3;
    skinart::KeyLook look;
    look.hover = state == 1;
    look.pressed = state == 2;
    look.selected = (style & 1) != 0;
    // A flow button shows its block's state with the LED; other keys with a darker face.
    look.dim = !withLed && (style & 2) != 0;
    const QRectF rect(0, 0, size.width(), size.height());
    skinart::drawKey(painter, rect, std::min(3.5, size.height() / 4.0), m_palette, look);
    if (withLed) {
        const qreal radius = std::max(2.5, size.height() * 0.13);
        const qreal shift = look.pressed ? 0.8 : 0.0;
        const QPointF centre(size.height() * 0.45 + shift, size.height() / 2.0 + shift);
        skinart::drawLed(painter, centre, radius, m_palette.ledGreen, m_palette, (style & 2) == 0);
    }
}

void tcStripPainter::checkbox(QPainter& painter, int section, QSize size, bool asSwitch) const
{
    const bool checked = section >= 3;
    skinart::KeyLook look;
    look.hover = section % 3 == 1;
    look.pressed = section % 3 == 2;
    const QRectF rect(0, 0, size.width(), size.height());
    skinart::drawKey(painter, rect, asSwitch ? 3.0 : 2.5, m_palette, look);
    const qreal shift = look.pressed ? 0.6 : 0.0;
    if (asSwitch) {
        const qreal inset = std::max(3.5, size.height() * 0.22);
        const QRectF led(inset + shift, inset + shift, std::max(4.0, size.width() * 0.16), size.height() - 2 * inset);
        skinart::drawLedBar(painter, led, m_palette.ledGreen, m_palette, checked);
    } else {
        const qreal side = std::max(4.0, size.width() * 0.42);
        const QRectF led((size.width() - side) / 2 + shift, (size.height() - side) / 2 + shift, side, side);
        skinart::drawLedBar(painter, led, m_palette.accent, m_palette, checked);
    }
}

void tcStripPainter::lamp(QPainter& painter, int section, QSize size, const QColor& colour) const
{
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal outer = std::min(size.width(), size.height()) / 2.0 - 0.5;
    QLinearGradient bezel(centre - QPointF(0, outer), centre + QPointF(0, outer));
    bezel.setColorAt(0.0, m_palette.capLo);
    bezel.setColorAt(1.0, m_palette.capHi);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bezel);
    painter.drawEllipse(centre, outer, outer);
    skinart::drawLed(painter, centre, outer * 0.68, colour, m_palette, section == 1);
}

void tcStripPainter::comboArrow(QPainter& painter, int section, QSize size) const
{
    const bool upLit = section == 1 || section == 3;
    const bool downLit = section == 2 || section == 4;
    const QRectF rect(0, 0, size.width(), size.height());
    skinart::drawKey(painter, rect, 2.0, m_palette, skinart::KeyLook{});
    const qreal half = size.height() / 2.0;
    if (section >= 3) {
        // The pressed half sinks into the key.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawRect(QRectF(1.5, section == 3 ? 1.5 : half, size.width() - 3, half - 1.5));
    }
    painter.setPen(QPen(skinart::mix(m_palette.capLo, Qt::black, 0.5), 1.0));
    painter.drawLine(QPointF(2, half), QPointF(size.width() - 2, half));
    const qreal w = size.width() * 0.45;
    const qreal h = std::min(size.height() * 0.2, w * 0.7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(upLit ? m_palette.accent : m_palette.silkDim);
    painter.drawPolygon(triangle(QPointF(size.width() / 2.0, half / 2.0 + 0.5), w, h, true));
    painter.setBrush(downLit ? m_palette.accent : m_palette.silkDim);
    painter.drawPolygon(triangle(QPointF(size.width() / 2.0, half * 1.5), w, h, false));
}

void tcStripPainter::scrollThumb(QPainter& painter, QSize size) const
{
    const QRectF rect(0, 0, size.width(), size.height());
    skinart::drawKey(painter, rect, std::min(3.0, size.width() / 3.0), m_palette, skinart::KeyLook{});
    // Grip lines near the top, where the list cuts the thumb to one row's height.
    painter.setPen(QPen(m_palette.silkDim, 1.0));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 4.5 + 2.0 * i;
        painter.drawLine(QPointF(3, y), QPointF(size.width() - 3, y));
    }
}

void tcStripPainter::tab(QPainter& painter, QSize size) const
{
    const QRectF rect(0, 0, size.width(), size.height());
    skinart::drawRecess(painter, rect, 3.0, m_palette);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_palette.accent);
    painter.drawRoundedRect(QRectF(3, 4, 3, size.height() - 8), 1.0, 1.0);
}
