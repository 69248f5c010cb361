#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;
struct tcArtPalette;

// Drawing primitives shared by the strip and panel painters: keys, recesses and LEDs in
// the palette of a skin. Every function leaves the painter's state as it found it.
namespace skinart {

// How a key face is drawn: the states a bitmap section shows.
struct KeyLook
{
    bool hover = false;
    bool pressed = false;
    bool selected = false; // accent frame: the key stands for what is shown
    bool dim = false;      // darker face: the key's block is out
};

// t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// A raised key with rounded corners, lit from above.
void drawKey(QPainter& painter, const QRectF& rect, qreal radius, const tcArtPalette& palette, const KeyLook& look);

// A recess cut into the face: dark fill, shadowed upper edge, lit lower edge.
void drawRecess(QPainter& painter, const QRectF& rect, qreal radius, const tcArtPalette& palette);

// A round LED; lit ones glow past their edge by a third of the radius.
void drawLed(QPainter& painter, const QPointF& centre, qreal radius, const QColor& colour, const tcArtPalette& palette,
             bool lit);

// A rectangular LED window (check boxes, switches, overload lamps).
void drawLedBar(QPainter& painter, const QRectF& rect, const QColor& colour, const tcArtPalette& palette, bool lit);

// The colour of an unlit LED of that colour.
QColor unlit(const QColor& colour, const tcArtPalette& palette);

} // namespace skinart
