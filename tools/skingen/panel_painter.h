#pragma once

#include "tools/skingen/art_palette.h"
#include "tools/skingen/skin_sheet.h"

#include <QImage>
#include <QString>

#include <vector>

class QPainter;

// Draws the panel bitmaps of a skin (its background, the group backgrounds, the meter
// backgrounds) from the regions of its "layout.xml": a region whose id has no "/" is a
// panel, written to the lower-case id with ".png"; a region "PANEL/kind/name" is drawn on
// that panel in document order, in skin coordinates. Kinds: plate, band, bay, slot, logo
// (name drawn large), legend (name centred in the region), ticks (name: how many, spread
// over the height) and bus (a signal line with an arrow at its right end); for the other
// kinds the name only keeps the region's id unique.
class tcPanelPainter
{
public:
    explicit tcPanelPainter(const tcArtPalette& palette) : m_palette(palette) {}

    static bool isPanel(const QString& regionId) { return !regionId.contains(QLatin1Char('/')); }
    static QString fileName(const QString& panelId) { return panelId.toLower() + QStringLiteral(".png"); }

    // The panel's bitmap with its parts drawn; false with *error set for a part of an
    // unknown kind or outside the panel.
    bool paint(const tcSkinSheet::Region& panel, const std::vector<tcSkinSheet::Region>& regions, QImage* image,
               QString* error) const;

private:
    using PartFn = void (tcPanelPainter::*)(QPainter&, const QRectF&, const QString&) const;
    struct Kind
    {
        const char* name;
        PartFn draw;
    };
    static const Kind KINDS[];

    void plate(QPainter& painter, const QRectF& rect, const QString& text) const;
    void band(QPainter& painter, const QRectF& rect, const QString& text) const;
    void bay(QPainter& painter, const QRectF& rect, const QString& text) const;
    void slot(QPainter& painter, const QRectF& rect, const QString& text) const;
    void logo(QPainter& painter, const QRectF& rect, const QString& text) const;
    void legend(QPainter& painter, const QRectF& rect, const QString& text) const;
    void ticks(QPainter& painter, const QRectF& rect, const QString& text) const;
    void bus(QPainter& painter, const QRectF& rect, const QString& text) const;

    const tcArtPalette& m_palette;
};
