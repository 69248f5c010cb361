#include "sim/sim_unit.h"

#include "link/le_bytes.h"
#include "link/message_codes.h"
#include "sim/frame_text.h"
#include "sim/received_entries.h"

#include <array>
#include <bit>
#include <cstdio>
#include <utility>

namespace {

constexpr quint16 RCRC = 1008;
constexpr quint16 IS_LOCAL = 1011;
constexpr char START_NAME[] = "Unknown";

constexpr size_t LOGIN_KEY_OFFSET = 8;
constexpr size_t PARAMS_TARGET_OFFSET = 6;
constexpr size_t METER_PORT_OFFSET = 6;
constexpr size_t METER_STREAM_OFFSET = 8;

std::string hex(uint32_t value)
{
    std::array<char, 11> text{};
    std::snprintf(text.data(), text.size(), "0x%08X", unsigned(value));
    return text.data();
}

} // namespace

tcSimUnit::tcSimUnit(const tcConfig& config)
    : m_header(PRESET_HEADER::fresh()), m_checkKey(config.loginKey.has_value()), m_flash(config.flash)
{
    m_header.setName(START_NAME);
    m_globals.setInt(RCRC, config.loginKey.value_or(0), TO_GUI);
    // The simulated unit starts under remote control, so the application may change values
    // at once; "local on" on the front panel switches to local mode.
    m_globals.setBool(IS_LOCAL, false, TO_GUI);
}

void tcSimUnit::resetLink()
{
    m_loggedIn = false;
    m_meterTarget.reset();
    m_flash.reset();
}

std::vector<std::string> tcSimUnit::takeEvents()
{
    return std::exchange(m_events, {});
}

void tcSimUnit::event(std::string text)
{
    m_events.push_back(std::move(text));
}

tcFrames tcSimUnit::handleFrame(std::span<const uint8_t> frame, int64_t nowMs)
{
    if (frame.size() < MSG_PAYLOAD_OFFSET)
        return {};
    const uint16_t code = getU16Le(frame, MSG_CODE_OFFSET);
    if (m_muted) {
        event("muted: ignored " + describeFrame(frame, true));
        return {};
    }
    // A unit without an accepted login keeps its values to itself and takes no orders.
    if (!m_loggedIn && code != MSG_LOGIN) {
        event("not logged in: ignored " + describeFrame(frame, true));
        return {};
    }
    switch (code) {
    case MSG_LOGIN:
        return onLogin(frame);
    case MSG_VERSION_REQUEST:
        return {buildVersion(SIM_VERSION)};
    case MSG_PARAMS:
        return onParams(frame);
    case MSG_GLOBALS:
        return onGlobals(frame);
    case MSG_METER_START:
        return onMeterStart(frame);
    case MSG_HEADER_QUERY:
        return {buildPresetHeaderAnswer(m_header)};
    case MSG_PRESET_HEADER:
        return onPresetHeader(frame);
    case MSG_FLASH_DATA:
        return onFlashData(frame, nowMs);
    default:
        event("ignored " + describeFrame(frame, true));
        return {};
    }
}

tcFrames tcSimUnit::onLogin(std::span<const uint8_t> frame)
{
    if (frame.size() < LOGIN_LENGTH) {
        event("short login frame dropped");
        return {};
    }
    const uint32_t key = getU32Le(frame, LOGIN_KEY_OFFSET);
    const uint32_t wanted = m_globals.getInt(RCRC);
    if (m_checkKey && key != wanted) {
        m_loggedIn = false;
        m_meterTarget.reset();
        event("login rejected: key " + hex(key) + ", wanted " + hex(wanted));
        return {buildLoginResult(LOGIN_REJECTED)};
    }
    m_loggedIn = true;
    event("login accepted: key " + hex(key));
    tcFrames frames{buildLoginResult(LOGIN_ACCEPTED)};
    for (tcFrame& block : buildAllParams(m_params))
        frames.push_back(std::move(block));
    for (tcFrame& block : buildAllGlobals(m_globals))
        frames.push_back(std::move(block));
    return frames;
}

tcFrames tcSimUnit::onParams(std::span<const uint8_t> frame)
{
    if (frame.size() < PARAMS_ENTRIES_OFFSET) {
        event("short parameter block dropped");
        return {};
    }
    // Blocks for the unit's preset memories are not simulated.
    if (frame[PARAMS_TARGET_OFFSET] != TARGET_LIVE) {
        event("parameter block for target " + std::to_string(frame[PARAMS_TARGET_OFFSET]) + " ignored");
        return {};
    }
    size_t applied = 0;
    const std::vector<tcRawEntry> entries = readBlockEntries(frame);
    for (const tcRawEntry& entry : entries) {
        switch (paramType(entry.id)) {
        case TYPE_FLOAT:
            m_params.setFloat(entry.id, std::bit_cast<float>(entry.raw), TO_GUI);
            break;
        case TYPE_BOOL:
            m_params.setBool(entry.id, (entry.raw & 0xFF) != 0, TO_GUI);
            break;
        case TYPE_INT:
            m_params.setInt(entry.id, entry.raw, TO_GUI);
            break;
        case TYPE_NONE:
            continue;
        }
        ++applied;
    }
    event("applied " + std::to_string(applied) + " of " + std::to_string(entries.size()) + " parameters");
    return {};
}

bool tcSimUnit::storeGlobal(uint16_t id, uint32_t value)
{
    const tcTypeCode type = globalType(id);
    if (type == TYPE_NONE)
        return false;
    if (id == RCRC) {
        m_checkKey = true;
        event("login key is now " + hex(value));
    }
    if (type == TYPE_BOOL)
        m_globals.setBool(id, value != 0, TO_GUI);
    else
        m_globals.setInt(id, value, TO_GUI);
    return true;
}

tcFrames tcSimUnit::onGlobals(std::span<const uint8_t> frame)
{
    if (frame.size() < GLOBALS_ENTRIES_OFFSET) {
        event("short globals block dropped");
        return {};
    }
    size_t applied = 0;
    const std::vector<tcRawEntry> entries = readBlockEntries(frame);
    for (const tcRawEntry& entry : entries) {
        const uint32_t value = globalType(entry.id) == TYPE_BOOL ? (entry.raw & 0xFF) : entry.raw;
        if (storeGlobal(entry.id, value))
            ++applied;
    }
    event("applied " + std::to_string(applied) + " of " + std::to_string(entries.size()) + " globals");
    return {};
}

tcFrames tcSimUnit::onMeterStart(std::span<const uint8_t> frame)
{
    const uint16_t port = getU16Le(frame, METER_PORT_OFFSET);
    if (frame.size() < METER_START_LENGTH || port == 0) {
        event("meter start without a usable port dropped");
        return {};
    }
    m_meterTarget = tcMeterTarget{port, frame[METER_STREAM_OFFSET]};
    event("meter start: stream " + std::to_string(m_meterTarget->stream) + ", port " + std::to_string(port));
    return {};
}

tcFrames tcSimUnit::onPresetHeader(std::span<const uint8_t> frame)
{
    if (frame.size() < PRESET_HEADER_LENGTH) {
        event("short preset header dropped");
        return {};
    }
    m_header = decodePresetHeaderFrame(frame.first<PRESET_HEADER_LENGTH>());
    event("preset header kept: \"" + printableText(m_header.nameString()) + "\"");
    return {};
}

tcFrames tcSimUnit::onFlashData(std::span<const uint8_t> frame, int64_t nowMs)
{
    tcFrames frames = m_flash.onBlock(frame, nowMs);
    if (std::string text = m_flash.takeEvent(); !text.empty())
        event(std::move(text));
    return frames;
}

tcFrames tcSimUnit::tick(int64_t nowMs)
{
    if (m_muted)
        return {};
    tcFrames frames = m_flash.tick(nowMs);
    if (std::string text = m_flash.takeEvent(); !text.empty())
        event(std::move(text));
    return frames;
}

std::optional<int64_t> tcSimUnit::nextDueMs() const
{
    return m_muted ? std::nullopt : m_flash.nextDueMs();
}

tcFrames tcSimUnit::sendIfLoggedIn(tcFrames frames) const
{
    return m_loggedIn && !m_muted ? frames : tcFrames();
}

tcFrames tcSimUnit::panelSetFloat(uint16_t id, float value)
{
    if (paramType(id) != TYPE_FLOAT)
        return {};
    m_params.setFloat(id, value, TO_GUI);
    const uint16_t ids[] = {id};
    return sendIfLoggedIn(buildParamBlocks(m_params, ids));
}

tcFrames tcSimUnit::panelSetBool(uint16_t id, bool on)
{
    if (paramType(id) != TYPE_BOOL)
        return {};
    m_params.setBool(id, on, TO_GUI);
    const uint16_t ids[] = {id};
    return sendIfLoggedIn(buildParamBlocks(m_params, ids));
}

tcFrames tcSimUnit::panelSetGlobal(uint16_t id, uint32_t value)
{
    if (!storeGlobal(id, value))
        return {};
    const uint16_t ids[] = {id};
    return sendIfLoggedIn(buildGlobalBlocks(m_globals, ids));
}
