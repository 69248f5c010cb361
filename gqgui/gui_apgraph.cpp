#include "gqgui/gui_apgraph.h"

#include "gqgui/bench.h"
#include "gqgui/graph_spectrum_dragger.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {
constexpr tcGuiGraph::Gutters APGRAPH_GUTTERS{30, 30, 15, 20};
constexpr int PART_X = 0;
constexpr int PART_Y = 1;
constexpr int PART_W = 2;
constexpr int PART_H = 3;
// The trace may reach two pixels past the plot's edges.
constexpr int FRAME_MARGIN = 2;
constexpr int DRAG_SHIFT_FACTOR = 5;
constexpr int WHEEL_STEPS = 3;
constexpr int WHEEL_SHIFT_STEPS = 10;
}

tcGuiApGraph::tcGuiApGraph(const QString& id, tcBench* bench, int serial)
    : tcGuiGraph(id, bench, serial, GUI_KIND_APGRAPH, APGRAPH_GUTTERS),
      m_frequencyAxis(axisFromTicks(QString(), tcGraphAxis::LOGARITHMIC, tcGraphAxis::HORIZONTAL, FREQUENCY_MINIMUM,
                                    FREQUENCY_MAXIMUM, FREQUENCY_TICKS)),
      m_spectrumAxis(axisFromTicks(QStringLiteral("dB"), tcGraphAxis::LINEAR, tcGraphAxis::VERTICAL,
                                   SPECTRUM_AXIS_MINIMUM, SPECTRUM_AXIS_MAXIMUM, SPECTRUM_AXIS_TICKS))
{
    m_width = 560;
    m_height = 250;
    m_spectrumDragger = std::make_unique<tcSpectrumDragger>(this);
}

tcGuiApGraph::~tcGuiApGraph() = default;

void tcGuiApGraph::finishLoading()
{
    for (int panel = 0; panel < PANELS; ++panel) {
        const PanelParts& parts = m_panelParts[panel];
        m_panels[panel] = QRect(parts[PART_X].value_or(m_x), parts[PART_Y].value_or(m_y),
                                parts[PART_W].value_or(m_width), parts[PART_H].value_or(m_height));
    }
    tcGuiGraph::finishLoading();
    rebuildAxes();
}

bool tcGuiApGraph::mousePress(int x, int y)
{
    if (inputRefused())
        return false;
    m_leftHeld = true;
    m_pressToSpectrum = outsidePlot(x);
    m_lastX = x;
    m_lastY = y;
    handle(pressDragger()->onPress(x - m_plot.left(), y - m_plot.top()));
    return true;
}

void tcGuiApGraph::mouseRelease(int x, int y)
{
    if (m_leftHeld) {
        tcGuiGraphDragger* dragger = pressDragger();
        m_leftHeld = false;
        m_pressToSpectrum = false;
        handle(dragger->onRelease(x - m_plot.left(), y - m_plot.top()));
    } else if (m_rightHeld) {
        m_rightHeld = false;
        handle(activeDragger()->onRightRelease(x - m_plot.left(), y - m_plot.top()));
    }
}

bool tcGuiApGraph::rightPress(int x, int y)
{
    if (inputRefused())
        return false;
    m_rightHeld = true;
    handle(activeDragger()->onRightPress(x - m_plot.left(), y - m_plot.top()));
    return true;
}

void tcGuiApGraph::mouseDrag(int x, int y, int modifiers)
{
    if (!m_leftHeld)
        return;
    const int factor = (modifiers & GUI_MOD_SHIFT) ? DRAG_SHIFT_FACTOR : 1;
    const int dx = (x - m_lastX) * factor;
    const int dy = (y - m_lastY) * factor;
    m_lastX = x;
    m_lastY = y;
    handle(pressDragger()->onDrag(dx, dy));
}

// Hover is no gesture: it never asks the lock, and leaves the graph's hover look alone.
void tcGuiApGraph::mouseHover(int x, int y, int)
{
    if (hitTest(x, y))
        handle(activeDragger()->onHover(x - m_plot.left(), y - m_plot.top()));
}

void tcGuiApGraph::wheel(int delta, int modifiers)
{
    if (inputRefused())
        return;
    const int steps = delta * ((modifiers & GUI_MOD_SHIFT) ? WHEEL_SHIFT_STEPS : WHEEL_STEPS);
    handle(activeDragger()->onWheel(steps));
}

void tcGuiApGraph::doubleClick(int x, int y)
{
    if (inputRefused())
        return;
    handle(activeDragger()->onDoubleClick(x - m_plot.left(), y - m_plot.top()));
}

bool tcGuiApGraph::acceptsRightPress() const
{
    return true;
}

bool tcGuiApGraph::acceptsWheel() const
{
    return true;
}

bool tcGuiApGraph::acceptsDoubleClick() const
{
    return true;
}

bool tcGuiApGraph::wantsHover() const
{
    return true;
}

void tcGuiApGraph::paintOwnLayer(QPainter& painter)
{
    if (m_mode & APGRAPH_MODE_AUDIO)
        paintTrace(painter);
    if ((m_mode & APGRAPH_MODE_REDUCTION) && m_external && m_inputFlags == 0) {
        painter.save();
        painter.setClipRect(m_bounds, Qt::IntersectClip);
        painter.translate(m_plot.topLeft());
        m_external->paintReduction(painter);
        painter.restore();
    }
}

void tcGuiApGraph::paintTrace(QPainter& painter) const
{
    QPolygon points(SPECTRUM_POINTS);
    // The running x is kept exact and rounded per point, so that a plot narrower than the
    // point count still spreads the points over its whole width.
    const double step = double(m_plot.width()) / SPECTRUM_POINTS;
    for (int i = 0; i < SPECTRUM_POINTS; ++i)
        points[i] = QPoint(m_plot.left() + int(std::lround(i * step)), traceRow(i));
    painter.save();
    painter.setClipRect(m_plot.adjusted(-FRAME_MARGIN, -FRAME_MARGIN, FRAME_MARGIN + 1, FRAME_MARGIN + 1),
                        Qt::IntersectClip);
    painter.setPen(QColor::fromRgba(m_audioColor));
    painter.drawPolyline(points);
    painter.restore();
}

int tcGuiApGraph::traceRow(int point) const
{
    if (point < 0 || point >= SPECTRUM_POINTS)
        return m_plot.top();
    const uint8_t value = m_data[size_t(point)];
    const int row = (m_data[0] & 1) ? reductionRow(int8_t(value), m_plot.top(), m_plot.height())
                                    : m_tables[size_t(m_range)][value];
    const int bottom = m_plot.top() + m_plot.height();
    return row > bottom ? bottom + FRAME_MARGIN : row;
}

void tcGuiApGraph::setPanelX(int panel, int x)
{
    setPanelPart(panel, PART_X, x);
}

void tcGuiApGraph::setPanelY(int panel, int y)
{
    setPanelPart(panel, PART_Y, y);
}

void tcGuiApGraph::setPanelWidth(int panel, int width)
{
    setPanelPart(panel, PART_W, width);
}

void tcGuiApGraph::setPanelHeight(int panel, int height)
{
    setPanelPart(panel, PART_H, height);
}

void tcGuiApGraph::setPanelPart(int panel, int part, int value)
{
    if (panel >= 0 && panel < PANELS)
        m_panelParts[size_t(panel)][size_t(part)] = value;
}

void tcGuiApGraph::selectPanel(int panel)
{
    if (panel < 0 || panel >= PANELS || panel == m_panel || !m_loaded)
        return;
    const QRect old = m_bounds.united(m_captionBox);
    m_panel = panel;
    const QRect& rect = m_panels[size_t(panel)];
    m_x = rect.x();
    m_y = rect.y();
    m_width = rect.width();
    m_height = rect.height();
    placePlot();
    setBoundsFromGeometry();
    m_captionBox = m_bounds;
    rebuildAxes();
    if (m_bench)
        m_bench->invalidate(old.united(m_bounds));
}

QRect tcGuiApGraph::panelRect(int panel) const
{
    return panel >= 0 && panel < PANELS ? m_panels[size_t(panel)] : QRect();
}

void tcGuiApGraph::setMode(int mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    rebuildAxes();
    update();
}

void tcGuiApGraph::setChannel(int channel, int naming)
{
    const int newChannel = channel == 1 ? 1 : 0;
    const int newNaming = naming == 1 ? 1 : 0;
    if (newChannel == m_channel && newNaming == m_naming)
        return;
    m_channel = newChannel;
    m_naming = newNaming;
    rebuildAxes();
    update();
}

void tcGuiApGraph::setExtraTitle(const QString& text)
{
    if (text == m_extraTitle)
        return;
    m_extraTitle = text;
    rebuildAxes();
    update();
}

void tcGuiApGraph::setSpectrumData(std::span<const uint8_t> data)
{
    const size_t count = std::min(data.size(), m_data.size());
    std::copy_n(data.begin(), count, m_data.begin());
    std::fill(m_data.begin() + ptrdiff_t(count), m_data.end(), uint8_t(0));
    if (m_mode & (APGRAPH_MODE_AUDIO | APGRAPH_MODE_REDUCTION))
        update();
}

void tcGuiApGraph::clearSpectrumData()
{
    setSpectrumData({});
}

void tcGuiApGraph::setSpectrumRange(int range)
{
    const int clamped = std::clamp(range, 0, RANGE_MAX);
    if (clamped == m_range)
        return;
    m_range = clamped;
    rebuildAxes();
    update();
}

void tcGuiApGraph::setRanges(int first, int second)
{
    m_ranges = {first, second};
}

void tcGuiApGraph::setDragger(tcGuiGraphDragger* dragger)
{
    m_external = dragger;
    if (dragger)
        dragger->setPlotSize(m_plot.width(), m_plot.height());
    update();
}

void tcGuiApGraph::setScales(tcGraphAxis* left, tcGraphAxis* right)
{
    m_leftScale = left;
    m_rightScale = right;
    rebuildAxes();
    update();
}

tcGuiGraphDragger* tcGuiApGraph::activeDragger() const
{
    if ((m_mode & APGRAPH_MODE_CURVES) && m_external)
        return m_external;
    return m_spectrumDragger.get();
}

// While curves are edited the controller's scales are shown; otherwise the right side
// shows its own dB axis while audio is shown. Its spectrum tables always
// use that dB axis, whichever scale is shown.
void tcGuiApGraph::rebuildAxes()
{
    const bool curves = (m_mode & APGRAPH_MODE_CURVES) != 0;
    tcGraphAxis* spectrum = (m_mode & APGRAPH_MODE_AUDIO) ? &m_spectrumAxis : nullptr;
    tcGraphAxis* right = curves && m_rightScale ? m_rightScale : spectrum;
    showAxes(&m_frequencyAxis, curves ? m_leftScale : nullptr, right);
    m_spectrumAxis.setLength(m_plot.height());
    m_tables = ::spectrumTables(m_spectrumAxis, m_plot.top());
    m_spectrumDragger->setPlotSize(m_plot.width(), m_plot.height());
    if (m_external)
        m_external->setPlotSize(m_plot.width(), m_plot.height());
    setTitle(spectrumTitle(m_mode, m_channel, m_naming, m_extraTitle));
}

void tcGuiApGraph::handle(int result)
{
    if (result & DRAG_REDRAW)
        redraw();
    else if (result & DRAG_REPAINT)
        update();
}

tcGuiGraphDragger* tcGuiApGraph::pressDragger() const
{
    return m_pressToSpectrum ? m_spectrumDragger.get() : activeDragger();
}

bool tcGuiApGraph::outsidePlot(int x) const
{
    return x < m_plot.left() || x > m_plot.left() + m_plot.width();
}
