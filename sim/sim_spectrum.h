#pragma once

#include <array>
#include <cstddef>

class tcParamMap;

// The sound the simulated unit "hears" spread over frequency: the shape of a voice and the
// response of the unit's filter and EQ, in dB, at the 500 points of a graph datagram.
namespace sim_spectrum {

// Points of the graph data of a meter datagram.
inline constexpr size_t POINTS = 500;

// Frequency of point i (0..499): logarithmic from 20 Hz to 20 kHz, as the graph draws them.
double pointFrequency(size_t i);

// Level of a voice at frequency f relative to its overall level, in dB (at most 0).
double voiceShapeDb(double f);

// The response of the high- and low-pass filter at f in dB when "Filter In" is set, else 0.
double filterResponseDb(const tcParamMap& map, double f);

// The summed response of the two peaking bands and two shelves at f in dB when "EQ In" is
// set, else 0. The same curves the front panel's graph draws for these settings.
double eqResponseDb(const tcParamMap& map, double f);

// The de-esser's band at f in dB (0 at its frequency, falling away from it).
double deesserBandDb(const tcParamMap& map, double f);

} // namespace sim_spectrum
