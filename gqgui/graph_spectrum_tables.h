#pragma once

#include "gqgui/graph_axis.h"

#include <QString>

#include <array>
#include <cstdint>

// What the main graph shows and how its spectrum data become pixel rows.

// Mode bits of the main graph.
inline constexpr int APGRAPH_MODE_CURVES = 1;     // curve editing: the controller's dragger is active
inline constexpr int APGRAPH_MODE_AUDIO = 2;      // audio spectrum
inline constexpr int APGRAPH_MODE_REDUCTION = 4;  // gain reduction

inline constexpr int SPECTRUM_POINTS = 500;
inline constexpr int SPECTRUM_RANGES = 8;
inline constexpr int SPECTRUM_ROWS = 256;
// A data byte spans a 50 dB window that moves up by 3 dB per range step.
inline constexpr int SPECTRUM_WINDOW_DB = 50;
inline constexpr int SPECTRUM_RANGE_STEP_DB = 3;

using tcSpectrumTable = std::array<int, SPECTRUM_ROWS>;
using tcSpectrumTables = std::array<tcSpectrumTable, SPECTRUM_RANGES>;

struct tcTickRecipe
{
    float value;
    int flags;
    const char* label;
};

inline constexpr int TICK_MAJOR_LABELLED = AXIS_TICK_MAJOR | AXIS_TICK_GRID | AXIS_TICK_LABEL;
inline constexpr int TICK_MINOR_GRID = AXIS_TICK_MINOR | AXIS_TICK_GRID;

// The frequency axis of the main graph, 20 Hz to 20 kHz.
inline constexpr float FREQUENCY_MINIMUM = 20.0f;
inline constexpr float FREQUENCY_MAXIMUM = 20000.0f;
inline constexpr tcTickRecipe FREQUENCY_TICKS[] = {
    {20, TICK_MAJOR_LABELLED, "20"},     {30, TICK_MINOR_GRID, ""},          {40, TICK_MINOR_GRID, ""},
    {50, TICK_MAJOR_LABELLED, "50"},     {60, TICK_MINOR_GRID, ""},          {70, TICK_MINOR_GRID, ""},
    {80, TICK_MINOR_GRID, ""},           {90, TICK_MINOR_GRID, ""},          {100, TICK_MAJOR_LABELLED, "100"},
    {200, TICK_MAJOR_LABELLED, "200"},   {300, TICK_MINOR_GRID, ""},         {400, TICK_MINOR_GRID, ""},
    {500, TICK_MAJOR_LABELLED, "500"},   {600, TICK_MINOR_GRID, ""},         {700, TICK_MINOR_GRID, ""},
    {800, TICK_MINOR_GRID, ""},          {900, TICK_MINOR_GRID, ""},         {1000, TICK_MAJOR_LABELLED, "1k"},
    {2000, TICK_MAJOR_LABELLED, "2k"},   {3000, TICK_MINOR_GRID, ""},        {4000, TICK_MINOR_GRID, ""},
    {5000, TICK_MAJOR_LABELLED, "5k"},   {6000, TICK_MINOR_GRID, ""},        {7000, TICK_MINOR_GRID, ""},
    {8000, TICK_MINOR_GRID, ""},         {9000, TICK_MINOR_GRID, ""},        {10000, TICK_MAJOR_LABELLED, "10k"},
    {20000, TICK_MAJOR_LABELLED, "20k"},
};

// Its own dB axis: the 50 dB window of range 0 fills the plot exactly.
inline constexpr float SPECTRUM_AXIS_MINIMUM = -50.0f;
inline constexpr float SPECTRUM_AXIS_MAXIMUM = 0.0f;
inline constexpr tcTickRecipe SPECTRUM_AXIS_TICKS[] = {
    {0, TICK_MAJOR_LABELLED, "0"},     {-5, TICK_MINOR_GRID, ""},  {-10, TICK_MAJOR_LABELLED, "-10"},
    {-15, TICK_MINOR_GRID, ""},        {-20, TICK_MAJOR_LABELLED, "-20"}, {-25, TICK_MINOR_GRID, ""},
    {-30, TICK_MAJOR_LABELLED, "-30"}, {-35, TICK_MINOR_GRID, ""}, {-40, TICK_MAJOR_LABELLED, "-40"},
    {-45, TICK_MINOR_GRID, ""},        {-50, TICK_MAJOR_LABELLED, "-50"},
};

// Channel names by naming (0 numbered, 1 left/right) and channel.
inline constexpr const char* SPECTRUM_CHANNEL_NAMES[2][2] = {{"Channel 1 ", "Channel 2 "}, {"Left ", "Right "}};

// An axis built from a tick table.
template <size_t N>
tcGraphAxis axisFromTicks(const QString& name, int scale, tcGraphAxis::Orientation orientation, float minimum,
                          float maximum, const tcTickRecipe (&ticks)[N])
{
    tcGraphAxis axis(name, int(N), scale, orientation, 0, minimum, maximum);
    for (size_t i = 0; i < N; ++i)
        axis.setTick(int(i), ticks[i].value, ticks[i].flags, QString::fromLatin1(ticks[i].label));
    return axis;
}

// For each range r, row v (1..255) is plotTop plus the axis pixel of
// (v / 255 - 1) * 50 + 3r dB; row 0 lies one pixel below the plot.
tcSpectrumTables spectrumTables(const tcGraphAxis& axis, int plotTop);
// The row of a gain-reduction sample: plotTop + round((1 - s / 128) * plotHeight / 2).
int reductionRow(int8_t sample, int plotTop, int plotHeight);
// The graph's title: the channel's "Audio" (mode bit 2), its "Gain Reduction" (bit 4) and
// the extra title (bit 1, when there is one), joined by " & ". Channels and namings
// outside 0..1 count as 0.
QString spectrumTitle(int mode, int channel, int naming, const QString& extra);
