#include "groups/group_scales.h"

#include "gqgui/graph_axis.h"
#include "gqgui/gui_apgraph.h"

#include <span>

namespace {

struct tcTickLabel
{
    float value;
    const char* label;
};

constexpr int SCALE_TICKS = 11;

constexpr tcTickLabel BOOST_CUT_TICKS[SCALE_TICKS] = {
    {-15.0f, "-15"}, {-12.0f, "-12"}, {-9.0f, "-9"}, {-6.0f, "-6"}, {-3.0f, "-3"}, {0.0f, "0"},
    {3.0f, "+3"},    {6.0f, "+6"},    {9.0f, "+9"},  {12.0f, "+12"}, {15.0f, "+15"},
};

constexpr tcTickLabel DEPTH_TICKS[SCALE_TICKS] = {
    {-30.0f, "-30"}, {-27.0f, "-27"}, {-24.0f, "-24"}, {-21.0f, "-21"}, {-18.0f, "-18"}, {-15.0f, "-15"},
    {-12.0f, "-12"}, {-9.0f, "-9"},   {-6.0f, "-6"},   {-3.0f, "-3"},   {0.0f, "0"},
};

// Every tick is gridded and labelled; only a marked zero line is a major tick.
std::unique_ptr<tcGraphAxis> makeScale(const char* title, int width, float minimum, float maximum,
                                       std::span<const tcTickLabel, SCALE_TICKS> ticks, bool zeroLine)
{
    auto scale = std::make_unique<tcGraphAxis>(QString::fromLatin1(title), SCALE_TICKS, tcGraphAxis::LINEAR,
                                               tcGraphAxis::VERTICAL, width, minimum, maximum);
    for (int i = 0; i < SCALE_TICKS; ++i) {
        const tcTickLabel& tick = ticks[size_t(i)];
        const int weight = zeroLine && tick.value == 0.0f ? AXIS_TICK_MAJOR : AXIS_TICK_MINOR;
        scale->setTick(i, tick.value, weight | AXIS_TICK_GRID | AXIS_TICK_LABEL, QString::fromLatin1(tick.label));
    }
    return scale;
}

} // namespace

int scaleWidth(const tcGuiApGraph* graph)
{
    if (!graph)
        return DEFAULT_SCALE_WIDTH;
    return graph->width() - graph->gutters().left - graph->gutters().right;
}

std::unique_ptr<tcGraphAxis> makeBoostCutScale(int width)
{
    return makeScale("Filter Boost / Cut dB", width, -15.0f, 15.0f, BOOST_CUT_TICKS, true);
}

std::unique_ptr<tcGraphAxis> makeDepthScale(int width)
{
    // Its 0 dB end is the top of the plot, not a zero line inside it.
    return makeScale("", width, -30.0f, 0.0f, DEPTH_TICKS, false);
}
