#include "tools/skingen/art_shapes.h"

#include "tools/skingen/art_palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <utility>

namespace skinart {

namespace {

// How much of the lit colour an unlit LED keeps.
constexpr double UNLIT_SHARE = 0.22;

} // namespace

QColor mix(const QColor& a, const QColor& b, double t)
{
    const auto blend = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()),
                  blend(a.alpha(), b.alpha()));
}

QColor unlit(const QColor& colour, const tcArtPalette& palette)
{
    return mix(palette.bay, colour, UNLIT_SHARE);
}

void drawKey(QPainter& painter, const QRectF& rect, qreal radius, const tcArtPalette& palette, const KeyLook& look)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor top = look.hover ? palette.capHi.lighter(112) : palette.capHi;
    QColor bottom = look.hover ? palette.cap.lighter(110) : palette.capLo;
    if (look.dim) {
        top = mix(top, palette.bay, 0.45);
        bottom = mix(bottom, palette.bay, 0.45);
    }
    if (look.pressed)
        std::swap(top, bottom);
    const QRectF outer = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    // The key's shadow on the face, then the key itself.
    painter.setPen(Qt::NoPen);
    painter.setBrush(mix(palette.bay, Qt::black, 0.4));
    painter.drawRoundedRect(outer, radius, radius);
    const QRectF body = outer.adjusted(1, 1, -1, look.pressed ? -1 : -1.5);
    QLinearGradient gradient(body.topLeft(), body.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.setBrush(gradient);
    painter.drawRoundedRect(body, radius - 0.5, radius - 0.5);
    if (!look.pressed) {
        painter.setPen(QPen(mix(top, Qt::white, 0.18), 1.0));
        painter.drawLine(QPointF(body.left() + radius, body.top() + 0.5), QPointF(body.right() - radius, body.top() + 0.5));
    }
    if (look.selected) {
        QColor glow = palette.accent;
        glow.setAlpha(60);
        painter.setPen(QPen(glow, 3.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
        painter.setPen(QPen(palette.accent, 1.2));
        painter.drawRoundedRect(body, radius - 0.5, radius - 0.5);
    }
    painter.restore();
}

void drawRecess(QPainter& painter, const QRectF& rect, qreal radius, const tcArtPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.edgeHi);
    painter.drawRoundedRect(outer, radius, radius);
    painter.setBrush(palette.edgeLo);
    painter.drawRoundedRect(outer.adjusted(0, 0, 0, -1), radius, radius);
    painter.setBrush(palette.bay);
    painter.drawRoundedRect(outer.adjusted(1, 1.5, -1, -1), radius, radius);
    painter.restore();
}

void drawLed(QPainter& painter, const QPointF& centre, qreal radius, const QColor& colour, const tcArtPalette& palette,
             bool lit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (lit) {
        QRadialGradient glow(centre, radius * 1.35);
        QColor halo = colour;
        halo.setAlpha(90);
        glow.setColorAt(0.6, halo);
        halo.setAlpha(0);
        glow.setColorAt(1.0, halo);
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius * 1.35, radius * 1.35);
    }
    painter.setBrush(mix(palette.bay, Qt::black, 0.5));
    painter.drawEllipse(centre, radius, radius);
    const QColor body = lit ? colour : unlit(colour, palette);
    QRadialGradient lens(centre - QPointF(radius * 0.3, radius * 0.35), radius);
    lens.setColorAt(0.0, lit ? mix(body, Qt::white, 0.55) : body.lighter(135));
    lens.setColorAt(1.0, body);
    painter.setBrush(lens);
    painter.drawEllipse(centre, radius - 0.8, radius - 0.8);
    painter.restore();
}

void drawLedBar(QPainter& painter, const QRectF& rect, const QColor& colour, const tcArtPalette& palette, bool lit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(mix(palette.bay, Qt::black, 0.5));
    painter.drawRoundedRect(rect, 1.5, 1.5);
    const QColor body = lit ? colour : unlit(colour, palette);
    const QRectF lens = rect.adjusted(0.8, 0.8, -0.8, -0.8);
    QLinearGradient gradient(lens.topLeft(), lens.bottomLeft());
    gradient.setColorAt(0.0, lit ? mix(body, Qt::white, 0.45) : body.lighter(125));
    gradient.setColorAt(1.0, body);
    painter.setBrush(gradient);
    painter.drawRoundedRect(lens, 1.0, 1.0);
    painter.restore();
}

} // namespace skinart
