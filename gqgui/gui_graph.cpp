#include "gqgui/gui_graph.h"

#include "gqgui/bench.h"
#include "gqgui/graph_dragger.h"
#include "gqgui/skin_font.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int LABEL_GAP = 2;
constexpr int TEXT_FLAGS = Qt::TextSingleLine | Qt::TextDontClip;
constexpr int LEFT_TITLE_ANGLE = 270;
constexpr int RIGHT_TITLE_ANGLE = 90;

// Draws text aligned relative to a point.
void drawAt(QPainter& painter, int x, int y, int alignment, const QString& text)
{
    painter.drawText(QRect(x, y, 0, 0), alignment | TEXT_FLAGS, text);
}

void drawTurned(QPainter& painter, int x, int y, int angle, const QString& text)
{
    painter.save();
    painter.translate(x, y);
    painter.rotate(angle);
    drawAt(painter, 0, 0, Qt::AlignCenter, text);
    painter.restore();
}
}

tcGuiGraph::tcGuiGraph(const QString& id, tcBench* bench, int serial, int kind, const Gutters& gutters)
    : tcGuiObject(id, bench, serial, kind), m_gutters(gutters)
{
}

void tcGuiGraph::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    placePlot();
    setBoundsFromGeometry();
    m_captionBox = m_bounds;
    m_loaded = true;
}

void tcGuiGraph::paint(QPainter& painter)
{
    if (m_needsRedraw)
        drawPicture();
    if (!m_picture.isNull())
        painter.drawPixmap(m_x, m_y, m_picture);
    paintFirstHook(painter);
    paintBackLayer(painter);
    paintMiddleLayer(painter);
    paintFrontLayer(painter);
    paintOwnLayer(painter);
}

void tcGuiGraph::paintFirstHook(QPainter&)
{
}

void tcGuiGraph::paintBackLayer(QPainter& painter)
{
    paintLayer(painter, &tcGuiGraphDragger::paintFill);
}

void tcGuiGraph::paintMiddleLayer(QPainter& painter)
{
    paintLayer(painter, &tcGuiGraphDragger::paintCurves);
}

void tcGuiGraph::paintFrontLayer(QPainter& painter)
{
    paintLayer(painter, &tcGuiGraphDragger::paintHandles);
}

void tcGuiGraph::paintOwnLayer(QPainter&)
{
}

void tcGuiGraph::setColors(const tcGraphColors& colors)
{
    m_colors = colors;
    m_needsRedraw = true;
}

void tcGuiGraph::redraw()
{
    m_needsRedraw = true;
    update();
}

tcGuiGraphDragger* tcGuiGraph::activeDragger() const
{
    return nullptr;
}

void tcGuiGraph::placePlot()
{
    const int width = std::clamp(m_width - m_gutters.left - m_gutters.right, 0, MAX_SIDE);
    const int height = std::clamp(m_height - m_gutters.top - m_gutters.bottom, 0, MAX_SIDE);
    m_plot = QRect(m_x + m_gutters.left, m_y + m_gutters.top, width, height);
    showAxes(m_xAxis, m_leftAxis, m_rightAxis);
}

void tcGuiGraph::showAxes(tcGraphAxis* x, tcGraphAxis* left, tcGraphAxis* right)
{
    m_xAxis = x;
    m_leftAxis = left;
    m_rightAxis = right;
    if (m_xAxis)
        m_xAxis->setLength(m_plot.width());
    for (tcGraphAxis* axis : {m_leftAxis, m_rightAxis}) {
        if (axis)
            axis->setLength(m_plot.height());
    }
    m_needsRedraw = true;
}

QFont tcGuiGraph::labelFont() const
{
    tcSkinFont* font = m_captionFont ? m_captionFont : (m_bench ? m_bench->headerFont() : nullptr);
    return font ? font->font() : QFont();
}

void tcGuiGraph::drawPicture()
{
    m_needsRedraw = false;
    const bool drawable = m_width > 0 && m_height > 0 && m_width <= MAX_SIDE && m_height <= MAX_SIDE;
    if (!drawable) {
        m_picture = QPixmap();
        return;
    }
    if (m_picture.size() != QSize(m_width, m_height))
        m_picture = QPixmap(m_width, m_height);
    m_picture.fill(QColor::fromRgba(m_colors.gutterBg));
    QPainter painter(&m_picture);
    const QRect plot = m_plot.translated(-m_x, -m_y);
    painter.fillRect(plot.adjusted(0, 0, 1, 1), QColor::fromRgba(m_colors.plotBg));
    drawGrid(painter, plot);
    painter.setFont(labelFont());
    painter.setPen(QColor::fromRgba(m_colors.gutterFg));
    drawLabels(painter, plot);
    drawTitles(painter, plot);
}

void tcGuiGraph::drawGrid(QPainter& painter, const QRect& plot) const
{
    auto penFor = [this](int flags) {
        return QColor::fromRgba((flags & AXIS_TICK_MAJOR) ? m_colors.axisMajor : m_colors.axisMinor);
    };
    const int right = plot.left() + plot.width();
    const int bottom = plot.top() + plot.height();
    if (m_xAxis) {
        for (const tcAxisTick& tick : m_xAxis->ticks()) {
            if (!(tick.flags & AXIS_TICK_GRID))
                continue;
            const int x = plot.left() + m_xAxis->pixelOf(tick.value);
            painter.setPen(penFor(tick.flags));
            painter.drawLine(x, plot.top(), x, bottom);
        }
    }
    // One y grid: the left axis's, else the right one's.
    const tcGraphAxis* y = m_leftAxis ? m_leftAxis : m_rightAxis;
    if (!y)
        return;
    for (const tcAxisTick& tick : y->ticks()) {
        if (!(tick.flags & AXIS_TICK_GRID))
            continue;
        const int row = plot.top() + y->pixelOf(tick.value);
        painter.setPen(penFor(tick.flags));
        painter.drawLine(plot.left(), row, right, row);
    }
}

void tcGuiGraph::drawLabels(QPainter& painter, const QRect& plot) const
{
    const int right = plot.left() + plot.width();
    const int bottom = plot.top() + plot.height();
    auto labelled = [](const tcAxisTick& tick) { return (tick.flags & AXIS_TICK_LABEL) != 0; };
    if (m_xAxis) {
        for (const tcAxisTick& tick : m_xAxis->ticks()) {
            if (labelled(tick))
                drawAt(painter, plot.left() + m_xAxis->pixelOf(tick.value), bottom + LABEL_GAP,
                       Qt::AlignHCenter | Qt::AlignTop, tick.label);
        }
    }
    if (m_leftAxis) {
        for (const tcAxisTick& tick : m_leftAxis->ticks()) {
            if (labelled(tick))
                drawAt(painter, plot.left() - LABEL_GAP, plot.top() + m_leftAxis->pixelOf(tick.value),
                       Qt::AlignRight | Qt::AlignVCenter, tick.label);
        }
    }
    if (m_rightAxis) {
        for (const tcAxisTick& tick : m_rightAxis->ticks()) {
            if (labelled(tick))
                drawAt(painter, right + LABEL_GAP, plot.top() + m_rightAxis->pixelOf(tick.value),
                       Qt::AlignLeft | Qt::AlignVCenter, tick.label);
        }
    }
}

void tcGuiGraph::drawTitles(QPainter& painter, const QRect& plot) const
{
    const QFontMetrics metrics(painter.font());
    const int half = metrics.height() / 2;
    const int middle = plot.top() + plot.height() / 2;
    if (!m_title.isEmpty())
        drawAt(painter, m_width / 2, m_gutters.top / 2, Qt::AlignCenter, m_title);
    if (m_leftAxis && !m_leftAxis->name().isEmpty())
        drawTurned(painter, half, middle, LEFT_TITLE_ANGLE, m_leftAxis->name());
    if (m_rightAxis && !m_rightAxis->name().isEmpty())
        drawTurned(painter, m_width - half, middle, RIGHT_TITLE_ANGLE, m_rightAxis->name());
    if (m_xAxis && !m_xAxis->name().isEmpty())
        drawAt(painter, plot.left() + plot.width() / 2, plot.top() + plot.height() + LABEL_GAP + metrics.height(),
               Qt::AlignHCenter | Qt::AlignTop, m_xAxis->name());
}

template <typename Layer> void tcGuiGraph::paintLayer(QPainter& painter, Layer layer)
{
    tcGuiGraphDragger* dragger = activeDragger();
    if (!dragger || m_inputFlags != 0)
        return;
    painter.save();
    painter.setClipRect(m_bounds, Qt::IntersectClip);
    painter.translate(m_plot.topLeft());
    (dragger->*layer)(painter);
    painter.restore();
}
