#pragma once

#include "tools/skingen/art_palette.h"
#include "tools/skingen/strip_recipes.h"

#include <QImage>
#include <QSize>

class QPainter;

// Draws the bitmap strips of the skin objects: every section of a strip side by side,
// section 0 at the left, in the sections' order that the drawing objects read.
class tcStripPainter
{
public:
    // Sweep of the knob ring: 21 segments from 135 degrees left of the top to 135 right.
    static constexpr double RING_START_DEGREES = -135.0;
    static constexpr double RING_STEP_DEGREES = 13.5;

    explicit tcStripPainter(const tcArtPalette& palette) : m_palette(palette) {}

    // The strip of the recipe with sections of the given size (transparent background).
    QImage paint(const tcStripRecipe& recipe, QSize section) const;

private:
    void paintSection(QPainter& painter, tcStripKind kind, int section, QSize size) const;
    void knob(QPainter& painter, int section, QSize size) const;
    void knobBase(QPainter& painter, QSize size, bool hover) const;
    void ringSegment(QPainter& painter, QSize size, int segment, bool lit) const;
    void button(QPainter& painter, int section, QSize size, bool withLed) const;
    void checkbox(QPainter& painter, int section, QSize size, bool asSwitch) const;
    void lamp(QPainter& painter, int section, QSize size, const QColor& colour) const;
    void comboArrow(QPainter& painter, int section, QSize size) const;
    void scrollThumb(QPainter& painter, QSize size) const;
    void tab(QPainter& painter, QSize size) const;

    tcArtPalette m_palette;
};
