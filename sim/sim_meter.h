#pragma once

#include "link/meter_iface.h"

#include <cstdint>
#include <random>

class tcDeviceGlobals;
class tcParamMap;

// The meter readings of the simulated unit: a voice that talks in phrases with pauses and
// an occasional shout, run through the unit's input gain, expander, de-esser, compressor
// and output gain as set in its parameter map, and written as 528-byte meter datagrams.
// Each call to next() advances the simulated time by one datagram period; the same
// settings give the same datagrams (the noise is seeded).
//
// Scales of the level bytes (those of the front panel's meters): a level index i means
// (i - 255) / 4 dBFS, so 255 is 0 dBFS and 0 is -63.75 dBFS; a gain-reduction index i
// means (255 - i) / 4 dB of reduction, so 255 is none.
class tcSimMeter
{
public:
    // ratePerSecond: datagrams per second (at least 1).
    explicit tcSimMeter(int ratePerSecond);

    // The next datagram, of type 1 with the given stream number.
    tMeterDatagram next(const tcParamMap& map, const tcDeviceGlobals& globals, uint8_t stream);

private:
    // A smoothed gain reduction moving towards its target with separate attack and
    // release times (milliseconds).
    void follow(double& reduction, double target, double attackMs, double releaseMs) const;
    double sourceLevel(); // also sets m_talking
    void updatePeak(double& peak, double& hold, double level) const;
    void updateDynamics(const tcParamMap& map, double input);
    void writeGraph(tMeterDatagram& datagram, const tcParamMap& map, const tcDeviceGlobals& globals,
                    double input, double output);

    double m_dt;             // seconds per datagram
    double m_time = 0.0;     // simulated seconds
    std::minstd_rand m_random{7};
    bool m_talking = false;   // in a phrase, not in a pause
    double m_sibilance = 0.0; // 0..1, decaying after each "s"
    double m_expander = 0.0;  // gain reductions in dB
    double m_deesser = 0.0;
    double m_compressor = 0.0;
    double m_inPeak = -100.0; // peak levels in dBFS and their remaining hold times
    double m_inHold = 0.0;
    double m_outPeak = -100.0;
    double m_outHold = 0.0;
    double m_overloadHold = 0.0;
};
