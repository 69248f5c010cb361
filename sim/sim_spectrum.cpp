#include "sim/sim_spectrum.h"

#include "model/param_map.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace sim_spectrum {

namespace {

// Parameter IDs of the filter, EQ and de-esser.
constexpr quint16 FILTER_IN = 3100, HPF_FREQ = 3101, LPF_FREQ = 3102;
constexpr quint16 DEESSER_FREQ = 5103;
constexpr quint16 EQ_IN = 6101;
constexpr quint16 LO_SHELF_FREQ = 6108, LO_SHELF_LIFT = 6110;
constexpr quint16 HI_SHELF_FREQ = 6109, HI_SHELF_LIFT = 6111;

// The two peaking bands: frequency, bandwidth and lift.
struct tcPeakBand {
    quint16 freq;
    quint16 bandwidth;
    quint16 lift;
};
constexpr std::array<tcPeakBand, 2> PEAK_BANDS = {{{6102, 6104, 6106}, {6103, 6105, 6107}}};

double toDb(double magnitude)
{
    return 20.0 * std::log10(std::max(magnitude, 1e-12));
}

double amplitude(double gainDb)
{
    return std::pow(10.0, gainDb / 20.0);
}

double peakDb(double f, double fc, double bandwidth, double gainDb)
{
    const double a = amplitude(gainDb);
    const double x = (gainDb < 0.0 ? a : 1.0) / bandwidth;
    const double r = f / fc;
    const std::complex<double> h = 1.0 + (a - 1.0) / std::complex<double>(1.0, x * (r - 1.0 / r));
    return toDb(std::abs(h));
}

double lowShelfDb(double f, double fc, double gainDb)
{
    const double a = amplitude(gainDb);
    const double s = f / (2.75 * (gainDb < 0.0 ? fc / a : fc));
    return toDb(std::abs(1.0 + (a - 1.0) / std::complex<double>(1.0, s)));
}

double highShelfDb(double f, double fc, double gainDb)
{
    const double a = amplitude(gainDb);
    const double s = f / (0.364 * (gainDb < 0.0 ? fc * a : fc));
    const std::complex<double> js(0.0, s);
    return toDb(std::abs(1.0 + (a - 1.0) * js / (1.0 + js)));
}

// Second-order filter slope; u is the normalised distance into the stop band.
double passDb(double u)
{
    return toDb(1.0 / std::sqrt(u * u * u * u + 3.836073575902432e-05 * u * u + 1.0));
}

// A bump of height dB centred on centre Hz, width in octaves squared.
double bump(double f, double centre, double width, double height)
{
    const double octaves = std::log2(f / centre);
    return height * std::exp(-octaves * octaves / width);
}

} // namespace

double pointFrequency(size_t i)
{
    return 20.0 * std::pow(1000.0, double(i) / double(POINTS - 1));
}

double voiceShapeDb(double f)
{
    // Falls 12 dB per octave below 150 Hz and 6 dB per octave above 700 Hz, with a first
    // formant near 300 Hz and a presence bump near 2.5 kHz.
    const double low = 12.0 * std::max(0.0, std::log2(150.0 / f));
    const double high = 6.0 * std::max(0.0, std::log2(f / 700.0));
    return std::min(0.0, -5.0 - low - high + bump(f, 300.0, 0.5, 3.0) + bump(f, 2500.0, 0.3, 2.0));
}

double filterResponseDb(const tcParamMap& map, double f)
{
    if (!map.getBool(FILTER_IN))
        return 0.0;
    return passDb(0.7937 * map.getFloat(HPF_FREQ) / f) + passDb(f / (1.256 * map.getFloat(LPF_FREQ)));
}

double eqResponseDb(const tcParamMap& map, double f)
{
    if (!map.getBool(EQ_IN))
        return 0.0;
    double sum = 0.0;
    for (const tcPeakBand& band : PEAK_BANDS)
        sum += peakDb(f, map.getFloat(band.freq), map.getFloat(band.bandwidth), map.getFloat(band.lift));
    sum += lowShelfDb(f, map.getFloat(LO_SHELF_FREQ), map.getFloat(LO_SHELF_LIFT));
    sum += highShelfDb(f, map.getFloat(HI_SHELF_FREQ), map.getFloat(HI_SHELF_LIFT));
    return sum;
}

double deesserBandDb(const tcParamMap& map, double f)
{
    const double r = f / map.getFloat(DEESSER_FREQ);
    const double t = r - 1.0 / r;
    return toDb(1.0 / std::sqrt(t * t + 1.0));
}

} // namespace sim_spectrum
