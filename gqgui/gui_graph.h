#pragma once

#include "gqgui/graph_axis.h"
#include "gqgui/gui_object.h"

#include <QPixmap>

class tcGuiGraphDragger;

// The colours of a graph.
struct tcGraphColors
{
    QRgb plotBg = 0xFF000000;
    QRgb gutterFg = 0xFFFFFFFF;  // labels and titles
    QRgb gutterBg = 0xFF000000;
    QRgb axisMajor = 0xFFC0C0C0;
    QRgb axisMinor = 0xFF606060;
};

// Base of the two graphs: a plot inside gutters with an x axis and a left and a right y
// axis, grid and labels kept in an off-screen picture that is redrawn only when marked,
// then three dragger layers and the subclass's own drawing. Not created by itself.
// GUI thread only.
class tcGuiGraph : public tcGuiObject
{
public:
    // Larger plots and pictures than this are not made: a skin cannot make a graph take
    // gigabytes.
    static constexpr int MAX_SIDE = 4096;

    struct Gutters
    {
        int left;
        int right;
        int top;
        int bottom;
    };

    void finishLoading() override;
    void paint(QPainter& painter) override;

    // The graph's own operations, in their fixed order.
    virtual void paintFirstHook(QPainter& painter);
    // The three layers of the active dragger, painter at the plot origin, while
    // inputFlags is 0.
    virtual void paintBackLayer(QPainter& painter);
    virtual void paintMiddleLayer(QPainter& painter);
    virtual void paintFrontLayer(QPainter& painter);
    // The subclass's own drawing, after the dragger layers.
    virtual void paintOwnLayer(QPainter& painter);

    void setColors(const tcGraphColors& colors);
    const tcGraphColors& colors() const { return m_colors; }
    // Marks the off-screen picture for redrawing and repaints the graph.
    void redraw();

    // Skin rectangle of the plot: the object less its gutters. The plot's bottom and right
    // edges are at top + height and left + width, where the axes put their ends.
    const QRect& plotRect() const { return m_plot; }
    const Gutters& gutters() const { return m_gutters; }
    const QString& title() const { return m_title; }
    bool needsRedraw() const { return m_needsRedraw; }
    // The axes shown (none for a side that shows nothing).
    const tcGraphAxis* xAxis() const { return m_xAxis; }
    const tcGraphAxis* leftAxis() const { return m_leftAxis; }
    const tcGraphAxis* rightAxis() const { return m_rightAxis; }

protected:
    tcGuiGraph(const QString& id, tcBench* bench, int serial, int kind, const Gutters& gutters);

    // The dragger whose layers are drawn; none in the base.
    virtual tcGuiGraphDragger* activeDragger() const;
    // Places the plot in the current rectangle (at most MAX_SIDE each way), sizes the shown
    // axes and marks the picture for redrawing at the object's size.
    void placePlot();
    // The axes to show; borrowed, each may be none. Marks the picture for redrawing.
    void showAxes(tcGraphAxis* x, tcGraphAxis* left, tcGraphAxis* right);
    void setTitle(const QString& title) { m_title = title; }
    QFont labelFont() const;

    tcGraphColors m_colors;
    QRect m_plot;

private:
    // Draws background, grid, labels and titles into the picture, made at the object's
    // size when that changed; none for an empty or oversized object.
    void drawPicture();
    void drawGrid(QPainter& painter, const QRect& plot) const;
    void drawLabels(QPainter& painter, const QRect& plot) const;
    void drawTitles(QPainter& painter, const QRect& plot) const;
    // Calls a layer of the active dragger with the painter at the plot origin.
    template <typename Layer> void paintLayer(QPainter& painter, Layer layer);

    Gutters m_gutters;
    QPixmap m_picture;
    bool m_needsRedraw = true;
    QString m_title;
    tcGraphAxis* m_xAxis = nullptr;
    tcGraphAxis* m_leftAxis = nullptr;
    tcGraphAxis* m_rightAxis = nullptr;
};
