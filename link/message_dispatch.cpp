#include "link/message_dispatch.h"

#include "link/flash_ack_sink.h"
#include "link/frame_rx.h"
#include "link/le_bytes.h"
#include "link/message_codes.h"
#include "link/unit_reports.h"
#include "model/device_globals.h"
#include "model/model_globals.h"
#include "model/param_map.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

tcLinkEvents g_events;
tcUnitReports* g_reports = nullptr;
QMutex g_flashLock; // guards g_flashSink against removal during a handler
tcFlashAckSink* g_flashSink = nullptr;

constexpr size_t kVersionNumbersEnd = 12;
constexpr size_t kVersionTextSize = 32;

void raise(void (*event)(void*))
{
    if (event)
        event(g_events.context);
}

// The number of entries a block may be read for: its count, limited to 149 and to the
// whole entries the frame holds.
size_t entryCount(std::span<const uint8_t> frame, size_t countOffset, size_t entriesOffset)
{
    if (frame.size() < entriesOffset)
        return 0;
    const size_t held = (frame.size() - entriesOffset) / BLOCK_ENTRY_SIZE;
    return std::min({size_t(getU16Le(frame, countOffset)), BLOCK_MAX_ENTRIES, held});
}

void onParams(std::span<const uint8_t> frame)
{
    tcParamMap* map = liveMap();
    // Blocks for the unit's preset memories have no receiver here.
    if (!map || frame.size() < PARAMS_ENTRIES_OFFSET || frame[6] != TARGET_LIVE)
        return;
    const size_t n = entryCount(frame, PARAMS_COUNT_OFFSET, PARAMS_ENTRIES_OFFSET);
    for (size_t i = 0; i < n; ++i) {
        const size_t at = PARAMS_ENTRIES_OFFSET + i * BLOCK_ENTRY_SIZE;
        const uint16_t id = getU16Le(frame, at);
        const uint32_t raw = getU32Le(frame, at + 4);
        switch (paramType(id)) {
        case TYPE_FLOAT: map->setFloat(id, std::bit_cast<float>(raw), TO_GUI); break;
        case TYPE_INT: map->setInt(id, raw, TO_GUI); break;
        case TYPE_BOOL: map->setBool(id, frame[at + 4] != 0, TO_GUI); break;
        default: break;
        }
    }
}

void onGlobals(std::span<const uint8_t> frame)
{
    tcDeviceGlobals* globals = deviceGlobals();
    if (!globals)
        return;
    const size_t n = entryCount(frame, GLOBALS_COUNT_OFFSET, GLOBALS_ENTRIES_OFFSET);
    for (size_t i = 0; i < n; ++i) {
        const size_t at = GLOBALS_ENTRIES_OFFSET + i * BLOCK_ENTRY_SIZE;
        const uint16_t id = getU16Le(frame, at);
        switch (globalType(id)) {
        case TYPE_INT: globals->setInt(id, getU32Le(frame, at + 4), TO_GUI); break;
        case TYPE_BOOL: globals->setBool(id, frame[at + 4] != 0, TO_GUI); break;
        default: break;
        }
    }
}

QByteArray versionText(std::span<const uint8_t> frame, size_t offset)
{
    const auto field = frame.subspan(offset, kVersionTextSize);
    const auto end = std::find(field.begin(), field.end(), uint8_t(0));
    return QByteArray(reinterpret_cast<const char*>(field.data()), end - field.begin());
}

void onVersion(std::span<const uint8_t> frame)
{
    if (frame.size() < kVersionNumbersEnd || !g_reports)
        return;
    tcUnitVersion version;
    version.major = getU16Le(frame, 6);
    version.minor = getU16Le(frame, 8);
    version.build = getU16Le(frame, 10);
    if (frame.size() == VERSION_LENGTH) {
        version.buildText = versionText(frame, 12);
        version.fpgaText = versionText(frame, 44);
        version.dspText = versionText(frame, 76);
    }
    g_reports->setVersion(version);
    raise(g_events.versionReceived);
}

void onLogin(std::span<const uint8_t> frame)
{
    if (frame.size() < LOGIN_RESULT_MIN_LENGTH)
        return;
    const uint16_t result = getU16Le(frame, 6);
    if (result == LOGIN_ACCEPTED)
        raise(g_events.loginAccepted);
    else if (result == LOGIN_REJECTED)
        raise(g_events.loginRejected);
}

void onPresetHeader(std::span<const uint8_t> frame)
{
    if (frame.size() < PRESET_HEADER_LENGTH || !g_reports)
        return;
    const PRESET_HEADER header = decodePresetHeaderFrame(frame.first<PRESET_HEADER_LENGTH>());
    if (g_reports->offerPresetHeader(header))
        raise(g_events.presetHeaderChanged);
}

void onFlashAck(std::span<const uint8_t> frame)
{
    if (frame.size() < FLASH_ACK_MIN_LENGTH)
        return;
    const QMutexLocker lock(&g_flashLock);
    if (!g_flashSink)
        return;
    // The text ends at its zero byte, or at the frame's end when none comes.
    const auto text = frame.subspan(FLASH_ACK_MIN_LENGTH);
    const auto end = std::find(text.begin(), text.end(), uint8_t(0));
    g_flashSink->flashAck(getU16Le(frame, 6), getU16Le(frame, 8), getU16Le(frame, 12),
                          QByteArray(reinterpret_cast<const char*>(text.data()), end - text.begin()));
}

} // namespace

void setLinkEvents(const tcLinkEvents& events, tcUnitReports* reports)
{
    g_events = events;
    g_reports = reports;
}

void setFlashAckSink(tcFlashAckSink* sink)
{
    const QMutexLocker lock(&g_flashLock);
    g_flashSink = sink;
}

void frame_dispatch(std::span<const uint8_t> frame, uint16_t, uint16_t)
{
    if (frame.size() < MSG_PAYLOAD_OFFSET)
        return;
    switch (getU16Le(frame, MSG_CODE_OFFSET)) {
    case MSG_VERSION: onVersion(frame); break;
    case MSG_PARAMS: onParams(frame); break;
    case MSG_GLOBALS: onGlobals(frame); break;
    case MSG_LOGIN: onLogin(frame); break;
    case MSG_PRESET_HEADER: onPresetHeader(frame); break;
    case MSG_FLASH_ACK: onFlashAck(frame); break;
    default: break;
    }
}

void installFrameDispatch()
{
    frame_set_dispatcher(frame_dispatch);
}
