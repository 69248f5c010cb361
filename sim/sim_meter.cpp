#include "sim/sim_meter.h"

#include "model/device_globals.h"
#include "model/param_map.h"
#include "sim/sim_spectrum.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// Parameter and global IDs the meters follow.
constexpr quint16 IN_GAIN = 2100;
constexpr quint16 EXP_IN = 4100, EXP_DEPTH = 4101, EXP_THRESH = 4102, EXP_CLOSE = 4103;
constexpr quint16 DES_IN = 5100, DES_THRESH = 5101, DES_RELEASE = 5102, DES_FREQ = 5103;
constexpr quint16 COMP_IN = 8100, COMP_THRESH = 8101, COMP_RATIO = 8102;
constexpr quint16 COMP_ATTACK = 8103, COMP_RELEASE = 8104;
constexpr quint16 OUT_GAIN = 9004;
constexpr quint16 OSCOPE = 1006, MAP_STRM = 1007;

// Byte offsets of the datagram.
constexpr size_t TYPE_OFFSET = 16;
constexpr size_t STREAM_OFFSET = 17;
constexpr size_t IN_LEVEL = 20, IN_PEAK = 21, IN_OVERLOAD = 22;
constexpr size_t EXP_LEVEL = 23, DES_LEVEL = 24, CMP_LEVEL = 25;
constexpr size_t OUT_LEVEL = 26, OUT_PEAK = 27;
constexpr size_t GRAPH_OFFSET = 28;
constexpr uint8_t NO_PEAK = 255;

// The voice before the input gain, in dBFS at 0 dB gain: syllables between -48 and -32
// while talking, room noise near -72 in the pauses, and a shout 14 dB louder for 0.3 s
// every 11 s (at the default gain of 20 dB it reaches full scale and lights the overload).
constexpr double TALK_FLOOR = -48.0, TALK_SPAN = 16.0, PAUSE_LEVEL = -72.0;
constexpr double PHRASE_SECONDS = 6.5, SYLLABLE_HZ = 4.3;
constexpr double SHOUT_EVERY = 11.0, SHOUT_AT = 2.0, SHOUT_SECONDS = 0.3, SHOUT_DB = 14.0;
// A level above this counts as an overload, which the lamp then holds for a second.
constexpr double OVERLOAD_DB = -0.1, OVERLOAD_HOLD = 1.0;
// Peaks hold for 1.5 s, then fall 20 dB a second; below -60 dBFS no peak is shown.
constexpr double PEAK_HOLD = 1.5, PEAK_FALL_DB = 20.0, PEAK_FLOOR = -60.0;
// Sibilants: how often one starts while talking (per 50 ms), how fast it fades, and how
// far the de-esser's band sits below the voice when tuned to 6 kHz.
constexpr double SIBILANT_CHANCE = 0.12, SIBILANT_FADE_SECONDS = 0.1, SIBILANT_BELOW = 14.0;
// The expander's opening and the de-esser's attack are taken as this fast (ms).
constexpr double FAST_MS = 1.0;

// Graph bytes: a spectrum point of L dBFS is written as 255 x (1 + L / 50), so the byte
// spans a 50 dB window whose top (255) is full scale; anything 50 dB or more below it is 0.
constexpr double SPECTRUM_WINDOW_DB = 50.0;
constexpr double SPECTRUM_JITTER_DB = 1.5;
// With the oscilloscope on, the graph carries 500 signed samples of the waveform instead,
// full scale being +/-127, and bit 0 of the first byte is set to tell them from a spectrum
// (whose first byte always has bit 0 clear).
constexpr double SCOPE_FULL_SCALE = 127.0;
constexpr double SCOPE_CYCLES = 1.5; // voice periods across the 500 samples

uint8_t levelIndex(double db)
{
    return static_cast<uint8_t>(std::clamp(std::lround(255.0 + 4.0 * db), 0L, 255L));
}

uint8_t reductionIndex(double db)
{
    return static_cast<uint8_t>(std::clamp(std::lround(255.0 - 4.0 * db), 0L, 255L));
}

uint8_t peakIndex(double peak)
{
    return peak < PEAK_FLOOR ? NO_PEAK : std::min<uint8_t>(levelIndex(peak), NO_PEAK - 1);
}

} // namespace

tcSimMeter::tcSimMeter(int ratePerSecond) : m_dt(1.0 / std::max(1, ratePerSecond)) {}

double tcSimMeter::sourceLevel()
{
    std::normal_distribution<double> noise(0.0, 1.5);
    const double jitter = noise(m_random);
    const double tau = 2.0 * std::numbers::pi;
    m_talking = std::sin(tau * m_time / PHRASE_SECONDS) > -0.35;
    const double syllable = 0.5 + 0.5 * std::sin(tau * SYLLABLE_HZ * m_time + 1.3 * std::sin(tau * 0.7 * m_time));
    const double shout = std::fmod(m_time, SHOUT_EVERY);
    const bool shouting = m_talking && shout >= SHOUT_AT && shout < SHOUT_AT + SHOUT_SECONDS;
    return (m_talking ? TALK_FLOOR + TALK_SPAN * syllable : PAUSE_LEVEL) + (shouting ? SHOUT_DB : 0.0) + jitter;
}

void tcSimMeter::follow(double& reduction, double target, double attackMs, double releaseMs) const
{
    const double ms = std::max(target > reduction ? attackMs : releaseMs, 0.1);
    reduction += (target - reduction) * (1.0 - std::exp(-m_dt * 1000.0 / ms));
}

void tcSimMeter::updatePeak(double& peak, double& hold, double level) const
{
    if (level >= peak) {
        peak = level;
        hold = PEAK_HOLD;
    } else if (hold > 0.0) {
        hold -= m_dt;
    } else {
        peak -= PEAK_FALL_DB * m_dt;
    }
}

void tcSimMeter::updateDynamics(const tcParamMap& map, double input)
{
    // Expander: 1:2 downward expansion below its threshold, at most its depth.
    const double expTarget = map.getBool(EXP_IN)
        ? std::clamp(double(map.getFloat(EXP_THRESH)) - input, 0.0, double(map.getFloat(EXP_DEPTH)))
        : 0.0;
    follow(m_expander, expTarget, map.getFloat(EXP_CLOSE), FAST_MS);

    // De-esser: the sibilant energy in its band, the farther from 6 kHz the less of it.
    const double tuning = 6.0 * std::abs(std::log2(map.getFloat(DES_FREQ) / 6000.0));
    const double band = input - SIBILANT_BELOW + 12.0 * m_sibilance - tuning;
    const double desTarget = map.getBool(DES_IN)
        ? std::clamp((band - map.getFloat(DES_THRESH)) * 0.8, 0.0, 24.0)
        : 0.0;
    follow(m_deesser, desTarget, FAST_MS, map.getFloat(DES_RELEASE));

    // Compressor: above its threshold the level rises only 1/ratio dB per dB. The de-esser
    // works in its band only, so the broadband level that the compressor sees skips it.
    const double level = input - m_expander;
    const double over = level - map.getFloat(COMP_THRESH);
    const double cmpTarget = map.getBool(COMP_IN) && over > 0.0 ? over * (1.0 - 1.0 / map.getFloat(COMP_RATIO)) : 0.0;
    follow(m_compressor, cmpTarget, map.getFloat(COMP_ATTACK), map.getFloat(COMP_RELEASE));
}

tMeterDatagram tcSimMeter::next(const tcParamMap& map, const tcDeviceGlobals& globals, uint8_t stream)
{
    const double input = sourceLevel() + map.getFloat(IN_GAIN);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    const double sibilantChance = 1.0 - std::pow(1.0 - SIBILANT_CHANCE, m_dt / 0.05);
    if (chance(m_random) < sibilantChance && m_talking)
        m_sibilance = 1.0;
    else
        m_sibilance *= std::exp(-m_dt / SIBILANT_FADE_SECONDS);
    updateDynamics(map, input);
    const double output = input - m_expander - m_compressor + map.getFloat(OUT_GAIN);

    m_overloadHold = input > OVERLOAD_DB ? OVERLOAD_HOLD : std::max(0.0, m_overloadHold - m_dt);
    updatePeak(m_inPeak, m_inHold, std::min(input, 0.0));
    updatePeak(m_outPeak, m_outHold, std::min(output, 0.0));

    tMeterDatagram datagram{};
    std::memcpy(datagram.data(), METER_TAG, METER_TAG_SIZE);
    datagram[TYPE_OFFSET] = METER_TYPE_LEVELS;
    datagram[STREAM_OFFSET] = stream;
    datagram[IN_LEVEL] = levelIndex(input);
    datagram[IN_PEAK] = peakIndex(m_inPeak);
    datagram[IN_OVERLOAD] = m_overloadHold > 0.0 ? 1 : 0;
    datagram[EXP_LEVEL] = reductionIndex(m_expander);
    datagram[DES_LEVEL] = reductionIndex(m_deesser);
    datagram[CMP_LEVEL] = reductionIndex(m_compressor);
    datagram[OUT_LEVEL] = levelIndex(output);
    datagram[OUT_PEAK] = peakIndex(m_outPeak);
    writeGraph(datagram, map, globals, input, output);
    m_time += m_dt;
    return datagram;
}

void tcSimMeter::writeGraph(tMeterDatagram& datagram, const tcParamMap& map, const tcDeviceGlobals& globals,
                            double input, double output)
{
    // The graph shows the input (before the processing) or the output, as MAP_STRM says.
    const bool atOutput = globals.getInt(MAP_STRM) == 1;
    const double level = atOutput ? output : input;
    std::normal_distribution<double> jitter(0.0, SPECTRUM_JITTER_DB);
    uint8_t* graph = datagram.data() + GRAPH_OFFSET;
    if (globals.getBool(OSCOPE)) {
        const double amplitude = SCOPE_FULL_SCALE * std::pow(10.0, std::min(level, 0.0) / 20.0);
        const double phase = m_time * 37.0; // a new stretch of the wave each datagram
        const double step = 2.0 * std::numbers::pi * SCOPE_CYCLES / sim_spectrum::POINTS;
        for (size_t i = 0; i < sim_spectrum::POINTS; ++i) {
            const double w = phase + step * double(i);
            const double wave = 0.6 * std::sin(w) + 0.3 * std::sin(2.0 * w + 0.5) + 0.1 * std::sin(3.0 * w + 1.1);
            const double sample = std::clamp(amplitude * (wave + 0.02 * jitter(m_random)), -127.0, 127.0);
            graph[i] = static_cast<uint8_t>(static_cast<int8_t>(std::lround(sample)));
        }
        graph[0] |= 0x01;
        return;
    }
    for (size_t i = 0; i < sim_spectrum::POINTS; ++i) {
        const double f = sim_spectrum::pointFrequency(i);
        double db = level + sim_spectrum::voiceShapeDb(f) + jitter(m_random);
        if (atOutput) {
            // The filter and EQ shape the output; the de-esser takes its reduction in its band.
            db += sim_spectrum::filterResponseDb(map, f) + sim_spectrum::eqResponseDb(map, f);
            db -= m_deesser * std::pow(10.0, sim_spectrum::deesserBandDb(map, f) / 20.0);
        }
        graph[i] = static_cast<uint8_t>(std::clamp(std::lround(255.0 * (1.0 + db / SPECTRUM_WINDOW_DB)), 0L, 255L));
    }
    graph[0] &= 0xFE;
}
