#include "gqgui/graph_dragger.h"

#include "gqgui/gui_apgraph.h"

tcGuiGraphDragger::tcGuiGraphDragger(tcGuiApGraph* graph) : m_graph(graph)
{
    if (graph) {
        m_plotWidth = graph->plotRect().width();
        m_plotHeight = graph->plotRect().height();
    }
}

void tcGuiGraphDragger::setPlotSize(int width, int height)
{
    m_plotWidth = width;
    m_plotHeight = height;
}

void tcGuiGraphDragger::paintFill(QPainter&)
{
}

void tcGuiGraphDragger::paintCurves(QPainter&)
{
}

void tcGuiGraphDragger::paintHandles(QPainter&)
{
}

void tcGuiGraphDragger::paintReduction(QPainter&)
{
}

int tcGuiGraphDragger::onPress(int x, int y)
{
    m_pressX = x;
    m_pressY = y;
    return 0;
}

int tcGuiGraphDragger::onRelease(int, int)
{
    return 0;
}

int tcGuiGraphDragger::onRightPress(int x, int y)
{
    m_rightPressX = x;
    m_rightPressY = y;
    return 0;
}

int tcGuiGraphDragger::onRightRelease(int, int)
{
    return 0;
}

int tcGuiGraphDragger::onDoubleClick(int, int)
{
    return 0;
}

int tcGuiGraphDragger::onHover(int, int)
{
    return 0;
}

int tcGuiGraphDragger::onDrag(int, int)
{
    return 0;
}

int tcGuiGraphDragger::onWheel(int)
{
    return 0;
}
