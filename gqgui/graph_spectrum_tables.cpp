#include "gqgui/graph_spectrum_tables.h"

#include <QStringList>

#include <cmath>

namespace {
constexpr double FULL_BYTE = 255.0;
constexpr double REDUCTION_HALF_SCALE = 128.0;

int pick(int value)
{
    return value == 1 ? 1 : 0;
}
}

tcSpectrumTables spectrumTables(const tcGraphAxis& axis, int plotTop)
{
    tcSpectrumTables tables{};
    const int belowPlot = plotTop + axis.length() + 1;
    for (int range = 0; range < SPECTRUM_RANGES; ++range) {
        tables[range][0] = belowPlot;
        for (int v = 1; v < SPECTRUM_ROWS; ++v) {
            const double dB = (v / FULL_BYTE - 1.0) * SPECTRUM_WINDOW_DB + SPECTRUM_RANGE_STEP_DB * range;
            tables[range][v] = plotTop + axis.pixelOf(dB);
        }
    }
    return tables;
}

int reductionRow(int8_t sample, int plotTop, int plotHeight)
{
    return plotTop + int(std::lround((1.0 - sample / REDUCTION_HALF_SCALE) * plotHeight / 2.0));
}

QString spectrumTitle(int mode, int channel, int naming, const QString& extra)
{
    const QString name = QString::fromLatin1(SPECTRUM_CHANNEL_NAMES[pick(naming)][pick(channel)]);
    QStringList parts;
    if (mode & APGRAPH_MODE_AUDIO)
        parts.append(name + QStringLiteral("Audio"));
    if (mode & APGRAPH_MODE_REDUCTION)
        parts.append(name + QStringLiteral("Gain Reduction"));
    // The joiner stands only between parts: a title never starts with " & ".
    if ((mode & APGRAPH_MODE_CURVES) && !extra.isEmpty())
        parts.append(extra);
    return parts.join(QStringLiteral(" & "));
}
