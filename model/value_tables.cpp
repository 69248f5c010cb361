#include "model/value_tables.h"

#include "model/display_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// How the display text of a table's values is written.
enum class tcTextStyle { DECIBEL, FULL_SCALE, TIME, OCTAVE, RATIO, FREQ };

// Entries first..last stepping evenly from start; values in hundredths.
struct tcSegment {
    int first;
    int last;
    int start;
    int step;
};

// A table built from even steps.
struct tcSteppedTable {
    tcValueTable table;
    int size;
    tcTextStyle style;
    std::span<const tcSegment> segments;
};

constexpr tcSegment GAIN_SEGMENTS[] = {{0, 90, -2000, 100}};
constexpr tcSegment DEPTH_SEGMENTS[] = {{0, 80, 0, 50}};
constexpr tcSegment THRESH_SEGMENTS[] = {{0, 20, -8000, 100}, {20, 140, -6000, 50}};
constexpr tcSegment LEVEL_SEGMENTS[] = {{0, 20, -8000, 100}, {20, 255, -6000, 50}};
constexpr tcSegment TIME_SEGMENTS[] = {
    {0, 50, 0, 10},           {50, 75, 500, 20},        {75, 115, 1000, 100},
    {115, 140, 5000, 200},    {140, 180, 10000, 1000},  {180, 205, 50000, 2000},
    {205, 245, 100000, 10000}, {245, 255, 500000, 20000},
};
constexpr tcSegment OCTAVE_SEGMENTS[] = {{0, 40, 10, 1}, {40, 50, 50, 2}, {51, 52, 73, 3}, {53, 127, 80, 5}};

constexpr tcSteppedTable STEPPED_TABLES[] = {
    {GAIN_TABLE, 128, tcTextStyle::DECIBEL, GAIN_SEGMENTS},
    {DEPTH_TABLE, 128, tcTextStyle::DECIBEL, DEPTH_SEGMENTS},
    {THRESH_TABLE, 256, tcTextStyle::FULL_SCALE, THRESH_SEGMENTS},
    {LEVEL_TABLE, 256, tcTextStyle::DECIBEL, LEVEL_SEGMENTS},
    {TIME_TABLE, 256, tcTextStyle::TIME, TIME_SEGMENTS},
    {OCTAVE_TABLE, 128, tcTextStyle::OCTAVE, OCTAVE_SEGMENTS},
};

constexpr int RATIO_TABLE_SIZE = 256;
constexpr auto RATIO_VALUES = std::to_array<float>({
    1.00f, 1.02f, 1.04f, 1.06f, 1.08f, 1.10f, 1.13f, 1.15f, 1.17f, 1.20f, 1.22f, 1.25f, 1.27f, 1.30f,
    1.32f, 1.35f, 1.37f, 1.40f, 1.43f, 1.46f, 1.49f, 1.52f, 1.55f, 1.58f, 1.61f, 1.64f, 1.67f, 1.71f,
    1.74f, 1.78f, 1.81f, 1.85f, 1.88f, 1.92f, 1.96f, 2.00f, 2.04f, 2.08f, 2.12f, 2.16f, 2.21f, 2.25f,
    2.30f, 2.34f, 2.39f, 2.44f, 2.49f, 2.54f, 2.59f, 2.64f, 2.69f, 2.75f, 2.80f, 2.85f, 2.90f, 2.95f,
    3.00f, 3.07f, 3.15f, 3.22f, 3.28f, 3.35f, 3.41f, 3.48f, 3.55f, 3.62f, 3.69f, 3.77f, 3.84f, 3.92f,
    4.00f, 4.08f, 4.16f, 4.24f, 4.33f, 4.42f, 4.50f, 4.60f, 4.70f, 4.80f, 4.90f, 5.00f, 5.10f, 5.20f,
    5.30f, 5.40f, 5.50f, 5.60f, 5.70f, 5.85f, 6.00f, 6.10f, 6.18f, 6.30f, 6.43f, 6.55f, 6.70f, 6.85f,
    7.00f, 7.10f, 7.25f, 7.40f, 7.55f, 7.70f, 7.85f, 8.00f, 8.16f, 8.33f, 8.50f, 8.65f, 8.80f, 9.00f,
    9.20f, 9.40f, 9.60f, 9.80f, 10.0f, 10.1f, 10.3f, 10.5f, 10.7f, 11.0f, 11.2f, 11.4f, 11.6f, 11.8f,
    12.0f, 12.3f, 12.6f, 12.8f, 13.0f, 13.3f, 13.6f, 14.0f, 14.2f, 14.4f, 14.7f, 15.0f, 15.3f, 15.6f,
    16.0f, 16.3f, 16.6f, 17.0f, 17.3f, 17.6f, 18.0f, 18.3f, 18.7f, 19.0f, 19.5f, 20.0f,
});
static_assert(RATIO_VALUES.size() == 152);

// Frequencies follow 1000 * 2^((i - base) / 24) Hz, with a few entries pinned to round values.
constexpr int FREQ_TABLE_SIZE = 256;
constexpr float FREQ_FIRST = 16.0f;     // entry 0
constexpr int FREQ_LOW_BASE = 144;      // entries 1..84
constexpr int FREQ_PINNED_INDEX = 85;
constexpr float FREQ_PINNED = 180.0f;   // entry 85
constexpr int FREQ_HIGH_BASE = 145;     // entries 86..255

struct tcFreqValue {
    int index;
    float value;
};
constexpr tcFreqValue FREQ_VALUES[] = {
    {8, 20.0f},    {40, 50.0f},   {41, 51.0986f}, {47, 60.0f},   {54, 74.3544f},
    {57, 80.0f},   {71, 120.0f},  {89, 200.0f},   {136, 780.0f}, {137, 800.0f},
    {181, 2800.0f}, {182, 2900.0f}, {249, 20000.0f},
};

struct tcFreqText {
    int index;
    const char* text;
};
constexpr tcFreqText FREQ_TEXTS[] = {{24, " 31.3 Hz"}, {54, " 74.3 Hz"}};

tcTableEntry makeEntry(float value, QByteArrayView text)
{
    tcTableEntry entry{value, {}};
    std::copy_n(text.data(), qMin<qsizetype>(text.size(), DISPLAY_TEXT_MAX), entry.text.begin());
    return entry;
}

// Sign, magnitude with one decimal in 4 characters, unit: "-20.0 dB", "  0.0 FS", "+ 0.5 dB".
QByteArray signedText(float value, const char* unit)
{
    const char sign = value < 0.0f ? '-' : (value > 0.0f ? '+' : ' ');
    return displayText("%c%4.1f%s", sign, std::fabs(double(value)), unit);
}

QByteArray freqText(float value)
{
    const double hz = value;
    if (hz < 100.0)
        return displayText("%5.1f Hz", hz);
    if (hz < 1000.0)
        return displayText("%4.0f  Hz", hz);
    if (hz < 10000.0)
        return displayText("%4.2f kHz", hz / 1000.0);
    return displayText("%4.1f kHz", hz / 1000.0);
}

QByteArray styledText(float value, tcTextStyle style)
{
    const double v = value;
    switch (style) {
    case tcTextStyle::DECIBEL:
        return signedText(value, " dB");
    case tcTextStyle::FULL_SCALE:
        return signedText(value, " FS");
    case tcTextStyle::TIME:
        return v < 1000.0 ? displayText("%5.1f mS", v) : displayText("%5.3f S ", v / 1000.0);
    case tcTextStyle::OCTAVE:
        return displayText("%4.2f oct", v);
    case tcTextStyle::RATIO:
        return v < 10.0 ? displayText("%4.2f : 1", v) : displayText("%4.1f : 1", v);
    case tcTextStyle::FREQ:
        return freqText(value);
    }
    return {};
}

tcTableEntry styledEntry(float value, tcTextStyle style)
{
    return makeEntry(value, styledText(value, style));
}

std::vector<tcTableEntry> fillerTable(int size)
{
    return std::vector<tcTableEntry>(size, makeEntry(TABLE_FILLER_VALUE, UNKNOWN_TEXT));
}

std::vector<tcTableEntry> buildStepped(const tcSteppedTable& shape)
{
    std::vector<tcTableEntry> entries = fillerTable(shape.size);
    for (const tcSegment& segment : shape.segments) {
        for (int i = segment.first; i <= segment.last; ++i) {
            // Dividing two exact integers in float gives the nearest f32 of the decimal value.
            const float value = float(segment.start + (i - segment.first) * segment.step) / 100.0f;
            entries[i] = styledEntry(value, shape.style);
        }
    }
    return entries;
}

std::vector<tcTableEntry> buildRatio()
{
    std::vector<tcTableEntry> entries = fillerTable(RATIO_TABLE_SIZE);
    for (std::size_t i = 0; i < RATIO_VALUES.size(); ++i)
        entries[i] = styledEntry(RATIO_VALUES[i], tcTextStyle::RATIO);
    return entries;
}

float freqValue(int index)
{
    if (index == 0)
        return FREQ_FIRST;
    if (index == FREQ_PINNED_INDEX)
        return FREQ_PINNED;
    const int base = index < FREQ_PINNED_INDEX ? FREQ_LOW_BASE : FREQ_HIGH_BASE;
    return float(1000.0 * std::exp2((index - base) / 24.0));
}

std::vector<tcTableEntry> buildFreq()
{
    std::vector<tcTableEntry> entries;
    entries.reserve(FREQ_TABLE_SIZE);
    for (int i = 0; i < FREQ_TABLE_SIZE; ++i)
        entries.push_back(styledEntry(freqValue(i), tcTextStyle::FREQ));
    for (const tcFreqValue& pinned : FREQ_VALUES)
        entries[pinned.index] = styledEntry(pinned.value, tcTextStyle::FREQ);
    for (const tcFreqText& text : FREQ_TEXTS)
        entries[text.index] = makeEntry(entries[text.index].value, text.text);
    return entries;
}

using tcAllTables = std::array<std::vector<tcTableEntry>, FREQ_TABLE + 1>;

tcAllTables buildAll()
{
    tcAllTables tables;
    for (const tcSteppedTable& shape : STEPPED_TABLES)
        tables[shape.table] = buildStepped(shape);
    tables[RATIO_TABLE] = buildRatio();
    tables[FREQ_TABLE] = buildFreq();
    return tables;
}

} // namespace

std::span<const tcTableEntry> valueTable(tcValueTable table)
{
    static const tcAllTables tables = buildAll(); // thread-safe one-time initialisation
    if (table >= tables.size())
        return {};
    return tables[table];
}
