#pragma once

#include "link/preset_header.h"
#include "model/device_globals.h"
#include "model/param_map.h"
#include "sim/sim_flash.h"
#include "sim/unit_answers.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Where the logged-in application wants its meter datagrams: a UDP port of its address
// and the stream number to stamp into them.
struct tcMeterTarget
{
    uint16_t port;
    uint8_t stream;
};

// The simulated unit's behaviour on the control link, without sockets: it takes whole
// received frames and returns the frames to send back. It holds the unit's parameters,
// globals and preset header across connections; the login, the meter target and any
// firmware download belong to one connection. Events worth a log line are collected for
// takeEvents(). Times are milliseconds of a monotonic clock given by the caller.
class tcSimUnit
{
public:
    struct tcConfig
    {
        // The login key (CRC-32 of the password). Without one, every key is accepted until
        // a new key arrives as the "RCRC    " global (1008); from then on that one is checked.
        std::optional<uint32_t> loginKey;
        tcSimFlash::tcMode flash;
    };

    explicit tcSimUnit(const tcConfig& config);

    // A connection opened or ended: not logged in, no meter target, no download.
    void resetLink();

    // Handles one received frame (start word, length, code, payload; any length) and
    // returns the answers. Before a login is accepted only MSG_LOGIN is answered; while
    // muted nothing is.
    tcFrames handleFrame(std::span<const uint8_t> frame, int64_t nowMs);

    // Reports of a firmware download that are due at nowMs; none while muted.
    tcFrames tick(int64_t nowMs);
    std::optional<int64_t> nextDueMs() const;

    // Front panel: a parameter or a global changed on the unit. The value is stored (a
    // parameter as the table value nearest to it) and, to a logged-in application, sent
    // as MSG_PARAMS / MSG_GLOBALS with the stored value.
    tcFrames panelSetFloat(uint16_t id, float value);
    tcFrames panelSetBool(uint16_t id, bool on);
    tcFrames panelSetGlobal(uint16_t id, uint32_t value); // a bool global takes value != 0

    // A muted unit reads and ignores everything and sends nothing, meter datagrams included.
    void setMuted(bool muted) { m_muted = muted; }
    bool muted() const { return m_muted; }

    bool loggedIn() const { return m_loggedIn; }
    // Set by MSG_METER_START after the login; none otherwise.
    std::optional<tcMeterTarget> meterTarget() const { return m_meterTarget; }

    const tcParamMap& params() const { return m_params; }
    const tcDeviceGlobals& globals() const { return m_globals; }
    const PRESET_HEADER& header() const { return m_header; }

    // The log lines collected since the last call.
    std::vector<std::string> takeEvents();

private:
    tcFrames onLogin(std::span<const uint8_t> frame);
    tcFrames onParams(std::span<const uint8_t> frame);
    tcFrames onGlobals(std::span<const uint8_t> frame);
    tcFrames onMeterStart(std::span<const uint8_t> frame);
    tcFrames onPresetHeader(std::span<const uint8_t> frame);
    tcFrames onFlashData(std::span<const uint8_t> frame, int64_t nowMs);
    bool storeGlobal(uint16_t id, uint32_t value); // false for an ID that is not a global
    tcFrames sendIfLoggedIn(tcFrames frames) const;
    void event(std::string text);

    tcParamMap m_params;
    tcDeviceGlobals m_globals;
    PRESET_HEADER m_header;
    bool m_checkKey;
    tcSimFlash m_flash;
    bool m_loggedIn = false;
    bool m_muted = false;
    std::optional<tcMeterTarget> m_meterTarget;
    std::vector<std::string> m_events;
};
