#pragma once

#include "gqgui/gui_graph.h"

#include <QPolygon>

#include <array>
#include <memory>

inline constexpr int MAX_DYNGRAPH_CURVES = 5;

// Graph types: the expander's curve and the compressor's; any type other than 0 draws
// the compressor's curve.
inline constexpr int DYNGRAPH_EXPANDER = 0;
inline constexpr int DYNGRAPH_COMPRESSOR = 3;

// Scale modes: the input and output range of the axes in dB.
enum tcDynScale { DYNSCALE_80_0, DYNSCALE_60_20, DYNSCALE_80_20, DYNSCALE_COUNT };

// The float parameters of a curve.
enum tcDynParam { DYNPARAM_THRESHOLD, DYNPARAM_RATIO, DYNPARAM_DEPTH, DYNPARAM_GAIN, DYNPARAM_COUNT };

// Default curve colours, curve_1 to curve_5.
inline constexpr QRgb DYNGRAPH_CURVE_COLORS[MAX_DYNGRAPH_CURVES] = {0xFFFF0000, 0xFFFF8020, 0xFFFFFF00,
                                                                    0xFF40FF40, 0xFF4080FF};

// The static input/output transfer curves of a dynamics section (expander or compressor)
// on dB axes, up to five curves. GUI thread only.
class tcGuiDynGraph : public tcGuiGraph
{
public:
    tcGuiDynGraph(const QString& id, tcBench* bench, int serial);
    ~tcGuiDynGraph() override;

    void finishLoading() override;
    bool acceptsPress() const override;
    // The enabled curves, clipped to the plot.
    void paintOwnLayer(QPainter& painter) override;

    // Graph type, scale mode (0..2; others count as 0) and curve count. A count outside
    // 1..5 is a fatal error. When anything changed, every curve's parameters are reset
    // and only curve 0 stays enabled.
    void setup(int type, int scaleMode, int curveCount);
    void setCurveColor(int curve, QRgb color);

    // Per-curve setters; a curve outside 0..count-1 is ignored. Each recomputes the curve.
    void setCurveEnabled(int curve, bool on);
    void setCurveId(int curve, int id);
    void setThreshold(int curve, float dB);
    // A ratio below 1 counts as 1.
    void setRatio(int curve, float ratio);
    // The expander's depth, in dB of attenuation (0 and up).
    void setDepth(int curve, float dB);
    // Output gain as a factor (1 = unity); a factor of 0 or less counts as 1.
    void setGain(int curve, float factor);

    // The output level in dB of a curve of this graph's type for an input level in dB.
    float transfer(int curve, float input) const;

    int type() const { return m_type; }
    int scaleMode() const { return m_scaleMode; }
    int curveCount() const { return m_count; }
    bool curveEnabled(int curve) const;
    int curveId(int curve) const;
    float parameter(int curve, int param) const;
    QRgb curveColor(int curve) const;
    // Points of a curve in skin coordinates, one per plot column.
    const QPolygon& curvePoints(int curve) const;

private:
    struct Curve
    {
        bool enabled = false;
        int id = 0;
        std::array<float, DYNPARAM_COUNT> params{};
        QPolygon points;
    };

    bool validCurve(int curve) const { return curve >= 0 && curve < m_count; }
    void setParameter(int curve, int param, float value);
    void resetCurves();
    void recompute(int curve);
    void recomputeAll();
    void showScale();

    int m_type = DYNGRAPH_EXPANDER;
    int m_scaleMode = DYNSCALE_80_0;
    int m_count = 1;
    std::array<Curve, MAX_DYNGRAPH_CURVES> m_curves;
    std::array<QRgb, MAX_DYNGRAPH_CURVES> m_colors;
    // x and y axis of each scale mode.
    std::array<std::unique_ptr<tcGraphAxis>, DYNSCALE_COUNT> m_xAxes;
    std::array<std::unique_ptr<tcGraphAxis>, DYNSCALE_COUNT> m_yAxes;
};
