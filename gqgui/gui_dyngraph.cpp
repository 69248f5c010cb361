#include "gqgui/gui_dyngraph.h"

#include <QPainter>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {
constexpr tcGuiGraph::Gutters DYNGRAPH_GUTTERS{30, 9, 9, 25};
constexpr int TICK_STEP_DB = 10;
constexpr int LABEL_STEP_DB = 20;
constexpr float DEFAULT_RATIO = 3.0f;
constexpr float DEFAULT_GAIN = 1.0f;

struct tcDynScaleRecipe
{
    const char* name;
    int minimum;
    int maximum;
};

// Axes of the scale modes, the same for input (x) and output (y).
constexpr tcDynScaleRecipe DYN_SCALES[DYNSCALE_COUNT] = {{"dBFS", -80, 0}, {"dB", -60, 20}, {"dB", -80, 20}};

// Ticks every 10 dB; the multiples of 20 are major and labelled, the others minor.
std::unique_ptr<tcGraphAxis> dynAxis(const tcDynScaleRecipe& recipe, tcGraphAxis::Orientation orientation)
{
    const int count = (recipe.maximum - recipe.minimum) / TICK_STEP_DB + 1;
    auto axis = std::make_unique<tcGraphAxis>(QString::fromLatin1(recipe.name), count, tcGraphAxis::LINEAR,
                                              orientation, 0, float(recipe.minimum), float(recipe.maximum));
    for (int i = 0; i < count; ++i) {
        const int value = recipe.minimum + i * TICK_STEP_DB;
        if (value % LABEL_STEP_DB == 0) {
            const QString label = value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
            axis->setTick(i, float(value), AXIS_TICK_MAJOR | AXIS_TICK_GRID | AXIS_TICK_LABEL, label);
        } else {
            axis->setTick(i, float(value), AXIS_TICK_MINOR | AXIS_TICK_GRID, QString());
        }
    }
    return axis;
}

[[noreturn]] void curveCountFault()
{
    qFatal("ASSERT failure in gui_dyngraph: \"max_curves > 0 && max_curves <= MAX_DYNGRAPH_CURVES\"");
}
}

tcGuiDynGraph::tcGuiDynGraph(const QString& id, tcBench* bench, int serial)
    : tcGuiGraph(id, bench, serial, GUI_KIND_DYNGRAPH, DYNGRAPH_GUTTERS)
{
    m_width = 180;
    m_height = 170;
    std::copy(std::begin(DYNGRAPH_CURVE_COLORS), std::end(DYNGRAPH_CURVE_COLORS), m_colors.begin());
    resetCurves();
}

tcGuiDynGraph::~tcGuiDynGraph() = default;

void tcGuiDynGraph::finishLoading()
{
    for (int mode = 0; mode < DYNSCALE_COUNT; ++mode) {
        m_xAxes[mode] = dynAxis(DYN_SCALES[mode], tcGraphAxis::HORIZONTAL);
        m_yAxes[mode] = dynAxis(DYN_SCALES[mode], tcGraphAxis::VERTICAL);
    }
    showScale();
    tcGuiGraph::finishLoading();
    recomputeAll();
}

bool tcGuiDynGraph::acceptsPress() const
{
    return false;
}

void tcGuiDynGraph::paintOwnLayer(QPainter& painter)
{
    painter.save();
    painter.setClipRect(m_plot.adjusted(0, 0, 1, 1), Qt::IntersectClip);
    for (int curve = 0; curve < m_count; ++curve) {
        if (!m_curves[curve].enabled)
            continue;
        painter.setPen(QColor::fromRgba(m_colors[curve]));
        painter.drawPolyline(m_curves[curve].points);
    }
    painter.restore();
}

void tcGuiDynGraph::setup(int type, int scaleMode, int curveCount)
{
    if (curveCount <= 0 || curveCount > MAX_DYNGRAPH_CURVES)
        curveCountFault();
    const int mode = scaleMode >= 0 && scaleMode < DYNSCALE_COUNT ? scaleMode : DYNSCALE_80_0;
    if (type == m_type && mode == m_scaleMode && curveCount == m_count)
        return;
    m_type = type;
    m_scaleMode = mode;
    m_count = curveCount;
    resetCurves();
    if (m_loaded)
        showScale();
    recomputeAll();
    redraw();
}

void tcGuiDynGraph::setCurveColor(int curve, QRgb color)
{
    if (curve >= 0 && curve < MAX_DYNGRAPH_CURVES)
        m_colors[curve] = color;
}

void tcGuiDynGraph::setCurveEnabled(int curve, bool on)
{
    if (!validCurve(curve))
        return;
    m_curves[curve].enabled = on;
    update();
}

void tcGuiDynGraph::setCurveId(int curve, int id)
{
    if (validCurve(curve))
        m_curves[curve].id = id;
}

void tcGuiDynGraph::setThreshold(int curve, float dB)
{
    setParameter(curve, DYNPARAM_THRESHOLD, dB);
}

void tcGuiDynGraph::setRatio(int curve, float ratio)
{
    setParameter(curve, DYNPARAM_RATIO, ratio);
}

void tcGuiDynGraph::setDepth(int curve, float dB)
{
    setParameter(curve, DYNPARAM_DEPTH, dB);
}

void tcGuiDynGraph::setGain(int curve, float factor)
{
    setParameter(curve, DYNPARAM_GAIN, factor);
}

// The curve maths are the textbook static curves: an expander passes 1:1 above its
// threshold and expands downwards at its ratio below it, by at most its depth; a
// compressor passes 1:1 below its threshold and reduces at its ratio above it.
float tcGuiDynGraph::transfer(int curve, float input) const
{
    if (curve < 0 || curve >= MAX_DYNGRAPH_CURVES)
        return input;
    const auto& p = m_curves[curve].params;
    const float threshold = p[DYNPARAM_THRESHOLD];
    const float ratio = std::max(p[DYNPARAM_RATIO], 1.0f);
    const float depth = std::max(p[DYNPARAM_DEPTH], 0.0f);
    const float gain = p[DYNPARAM_GAIN] > 0.0f ? p[DYNPARAM_GAIN] : 1.0f;
    float output = input;
    if (m_type == DYNGRAPH_EXPANDER && input < threshold)
        output = input - std::min(depth, (threshold - input) * (ratio - 1.0f));
    else if (m_type != DYNGRAPH_EXPANDER && input > threshold)
        output = threshold + (input - threshold) / ratio;
    return output + 20.0f * std::log10(gain);
}

bool tcGuiDynGraph::curveEnabled(int curve) const
{
    return validCurve(curve) && m_curves[curve].enabled;
}

int tcGuiDynGraph::curveId(int curve) const
{
    return validCurve(curve) ? m_curves[curve].id : 0;
}

float tcGuiDynGraph::parameter(int curve, int param) const
{
    if (!validCurve(curve) || param < 0 || param >= DYNPARAM_COUNT)
        return 0.0f;
    return m_curves[curve].params[param];
}

QRgb tcGuiDynGraph::curveColor(int curve) const
{
    return curve >= 0 && curve < MAX_DYNGRAPH_CURVES ? m_colors[curve] : 0;
}

const QPolygon& tcGuiDynGraph::curvePoints(int curve) const
{
    static const QPolygon none;
    return validCurve(curve) ? m_curves[curve].points : none;
}

void tcGuiDynGraph::setParameter(int curve, int param, float value)
{
    if (!validCurve(curve))
        return;
    m_curves[curve].params[param] = value;
    recompute(curve);
    update();
}

void tcGuiDynGraph::resetCurves()
{
    for (int curve = 0; curve < MAX_DYNGRAPH_CURVES; ++curve) {
        Curve& c = m_curves[curve];
        c.params.fill(0.0f);
        c.params[DYNPARAM_RATIO] = DEFAULT_RATIO;
        c.params[DYNPARAM_GAIN] = DEFAULT_GAIN;
        // Curve 0 follows the controller; the others show once it enables them.
        c.enabled = curve == 0;
    }
}

void tcGuiDynGraph::recompute(int curve)
{
    Curve& c = m_curves[curve];
    const tcGraphAxis* x = xAxis();
    const tcGraphAxis* y = leftAxis();
    if (!x || !y) {
        c.points.clear();
        return;
    }
    const int columns = m_plot.width() + 1;
    c.points.resize(columns);
    for (int px = 0; px < columns; ++px) {
        const float output = transfer(curve, float(x->valueAt(px)));
        c.points[px] = QPoint(m_plot.left() + px, m_plot.top() + y->pixelOf(output));
    }
}

void tcGuiDynGraph::recomputeAll()
{
    for (int curve = 0; curve < m_count; ++curve)
        recompute(curve);
}

void tcGuiDynGraph::showScale()
{
    showAxes(m_xAxes[m_scaleMode].get(), m_yAxes[m_scaleMode].get(), nullptr);
}
