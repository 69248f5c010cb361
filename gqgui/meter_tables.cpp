#include "gqgui/meter_tables.h"

#include <cmath>

namespace {
constexpr double QUARTER_DB = 4.0;
constexpr int TICK_SCALE_DB = 30;
constexpr int TICK_STEP_DB = 3;

int scaled(double fraction, int length)
{
    return int(std::lround(fraction * (length - 1)));
}
}

int meterStyleFromName(const QString& name)
{
    for (int style = 0; style < METER_STYLE_COUNT; ++style) {
        if (name == QLatin1String(METER_STYLE_NAMES[style]))
            return style;
    }
    return -1;
}

bool meterStyleValid(int style)
{
    return style >= 0 && style < METER_STYLE_COUNT;
}

bool meterStyleIsGainReduction(int style)
{
    return style == METER_GR20 || style == METER_GR30;
}

tcMeterPixels meterPixels(int range, int length, bool vertical)
{
    tcMeterPixels pixels{};
    for (int i = 0; i < METER_INDEX_COUNT; ++i) {
        const double below = (METER_FULL_INDEX - i) / QUARTER_DB;
        const int offset = scaled(below / range, length);
        pixels[i] = vertical ? offset : length - offset;
    }
    return pixels;
}

tcMeterPixelTables meterPixelTables(int length, bool vertical)
{
    tcMeterPixelTables tables{};
    for (int table = 0; table < METER_TABLE_COUNT; ++table)
        tables[table] = meterPixels(METER_TABLE_RANGE[table], length, vertical);
    return tables;
}

tcMeterTicks meterTicks(int length, bool vertical)
{
    tcMeterTicks ticks{};
    for (int k = 0; k < METER_LABEL_COUNT; ++k) {
        const int offset = scaled(double(TICK_STEP_DB * k) / TICK_SCALE_DB, length);
        ticks[k] = vertical ? offset : length - offset;
    }
    return ticks;
}
