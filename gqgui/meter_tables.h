#pragma once

#include <QString>

#include <array>

// The meter styles, their scales and the pixel tables a meter draws its bars from.

enum tcMeterStyle { METER_VU30, METER_VU40, METER_VU60, METER_VUFS30, METER_VUFS40, METER_VUFS60, METER_GR20,
                    METER_GR30, METER_STYLE_COUNT };

// Skin words of the styles, in style order.
inline constexpr const char* METER_STYLE_NAMES[METER_STYLE_COUNT] = {"VU30",   "VU40",   "VU60", "VUFS30",
                                                                      "VUFS40", "VUFS60", "GR20", "GR30"};

inline constexpr int METER_LABEL_COUNT = 11;
inline constexpr int METER_INDEX_COUNT = 256;
// A level index of 255 is 0 dB; each step below it is a quarter dB.
inline constexpr int METER_FULL_INDEX = 255;
// A peak index of 255 means no peak marker.
inline constexpr int METER_NO_PEAK = 255;

// Scale labels of each style, top (or right) end first.
inline constexpr const char* METER_LABELS[METER_STYLE_COUNT][METER_LABEL_COUNT] = {
    {"+20", "+17", "+14", "+11", "+8", "+5", "+2", "-1", "-4", "-7", "-10"},
    {"+20", "+16", "+12", "+8", "+4", "0", "-4", "-8", "-12", "-16", "-40"},
    {"+20", "+14", "+8", "+2", "-4", "-10", "-16", "-22", "-28", "-34", "-40"},
    {"0", "-3", "-6", "-9", "-12", "-15", "-18", "-21", "-24", "-27", "-30"},
    {"0", "-4", "-8", "-12", "-16", "-20", "-24", "-28", "-32", "-36", "-60"},
    {"0", "-6", "-12", "-18", "-24", "-30", "-36", "-42", "-48", "-54", "-60"},
    {"0", "-2", "-4", "-6", "-8", "-10", "-12", "-14", "-16", "-18", "-20"},
    {"0", "-3", "-6", "-9", "-12", "-15", "-18", "-21", "-24", "-27", "-30"},
};

// The five pixel tables: 30, 40 and 60 dB level scales, 30 and 20 dB gain reduction.
enum tcMeterTable { METER_TABLE_30, METER_TABLE_40, METER_TABLE_60, METER_TABLE_GR30, METER_TABLE_GR20,
                    METER_TABLE_COUNT };

// The range in dB each table spans.
inline constexpr int METER_TABLE_RANGE[METER_TABLE_COUNT] = {30, 40, 60, 30, 20};

// The table each style draws from.
inline constexpr tcMeterTable METER_STYLE_TABLE[METER_STYLE_COUNT] = {
    METER_TABLE_30, METER_TABLE_40, METER_TABLE_60, METER_TABLE_30,
    METER_TABLE_40, METER_TABLE_60, METER_TABLE_GR20, METER_TABLE_GR30};

// Bar and lamp bitmaps hold a lit and an unlit section per group of styles.
inline constexpr int METER_SECTION_COUNT = 6;
inline constexpr int METER_LIT_SECTION[METER_STYLE_COUNT] = {0, 0, 2, 0, 0, 2, 4, 4};

using tcMeterPixels = std::array<int, METER_INDEX_COUNT>;
using tcMeterPixelTables = std::array<tcMeterPixels, METER_TABLE_COUNT>;
using tcMeterTicks = std::array<int, METER_LABEL_COUNT>;

// The style of a skin word, or -1.
int meterStyleFromName(const QString& name);
// A style outside 0..7 is no style.
bool meterStyleValid(int style);
// Gain-reduction styles light the bar from the top end down.
bool meterStyleIsGainReduction(int style);

// One table for a bar of length pixels: entry i is round(-dB / range * (length - 1)) with
// dB = -(255 - i) / 4 (from the top on a vertical bar), or length minus that (from the left
// on a horizontal one). Entries may lie beyond the bar.
tcMeterPixels meterPixels(int range, int length, bool vertical);
tcMeterPixelTables meterPixelTables(int length, bool vertical);
// The eleven label positions of a 30 dB scale along a bar of length pixels.
tcMeterTicks meterTicks(int length, bool vertical);
