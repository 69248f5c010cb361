#pragma once

#include <memory>

class tcGraphAxis;
class tcGuiApGraph;

// The plot width scales are made for when the skin has no main graph.
inline constexpr int DEFAULT_SCALE_WIDTH = 250;

// The vertical dB scales the processing groups hand to the main graph while they are shown.
// Each has 11 labelled ticks and is made for a plot width; the graph sets its length.

// The main graph's width less its left and right gutters; 250 when there is no graph.
int scaleWidth(const tcGuiApGraph* graph);
// "Filter Boost / Cut dB" from -15 to +15 dB, a tick every 3 dB; the 0 dB tick is drawn in
// the style of the zero line.
std::unique_ptr<tcGraphAxis> makeBoostCutScale(int width);
// Untitled, from -30 to 0 dB, a tick every 3 dB: the de-esser's depth.
std::unique_ptr<tcGraphAxis> makeDepthScale(int width);
