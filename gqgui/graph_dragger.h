#pragma once

#include <QObject>

class QPainter;
class tcGuiApGraph;

// Result bits of the mouse operations of a dragger.
inline constexpr int DRAG_REPAINT = 1;           // repaint the graph
inline constexpr int DRAG_REDRAW = 2;            // redraw its off-screen picture first
inline constexpr int DRAG_REDRAW_CURVES = DRAG_REPAINT | DRAG_REDRAW;

// What the main graph calls for its paint layers and mouse input: the graph's own
// spectrum dragger, and the response-curve editors the controllers install. All
// coordinates are relative to the plot's top-left corner. GUI thread only.
class tcGuiGraphDragger : public QObject
{
    Q_OBJECT

public:
    // Takes the graph's plot size; the graph is borrowed.
    explicit tcGuiGraphDragger(tcGuiApGraph* graph);

    virtual void setPlotSize(int width, int height);
    // Paint layers, painter translated to the plot origin.
    virtual void paintFill(QPainter& painter);
    virtual void paintCurves(QPainter& painter);
    virtual void paintHandles(QPainter& painter);
    // Drawn while the graph shows gain reduction.
    virtual void paintReduction(QPainter& painter);
    // Mouse operations; each returns DRAG_ bits (0 asks for nothing).
    virtual int onPress(int x, int y);
    virtual int onRelease(int x, int y);
    virtual int onRightPress(int x, int y);
    virtual int onRightRelease(int x, int y);
    virtual int onDoubleClick(int x, int y);
    virtual int onHover(int x, int y);
    // Pixel delta since the last mouse position (five times it with Shift).
    virtual int onDrag(int dx, int dy);
    // Wheel steps (three per notch, ten with Shift).
    virtual int onWheel(int steps);

    tcGuiApGraph* graph() const { return m_graph; }
    int plotWidth() const { return m_plotWidth; }
    int plotHeight() const { return m_plotHeight; }
    int pressX() const { return m_pressX; }
    int pressY() const { return m_pressY; }
    int rightPressX() const { return m_rightPressX; }
    int rightPressY() const { return m_rightPressY; }

private:
    tcGuiApGraph* m_graph;
    int m_plotWidth = 0;
    int m_plotHeight = 0;
    int m_pressX = 0;
    int m_pressY = 0;
    int m_rightPressX = 0;
    int m_rightPressY = 0;
};
