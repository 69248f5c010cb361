#include "sim/unit_answers.h"

#include "link/entry_blocks.h"
#include "link/frame.h"
#include "link/le_bytes.h"
#include "link/message_codes.h"
#include "model/device_globals.h"
#include "model/global_list.h"
#include "model/param_map.h"

#include <algorithm>
#include <cstring>

namespace {

// Offsets of the version answer.
constexpr size_t VERSION_TEXT_OFFSET = 12;
constexpr size_t VERSION_TEXT_SIZE = 32;
// Offset of the flash acknowledgement's status and text.
constexpr size_t FLASH_ACK_STATUS_OFFSET = 12;
constexpr size_t FLASH_ACK_TEXT_OFFSET = 14;

tcFrame startFrame(size_t length, uint16_t code)
{
    tcFrame frame(length, 0);
    putU16Le(frame, 0, FRAME_START);
    putU16Le(frame, 2, static_cast<uint16_t>(length));
    putU16Le(frame, MSG_CODE_OFFSET, code);
    return frame;
}

void putText(tcFrame& frame, size_t offset, const char* text)
{
    const size_t size = std::min(std::strlen(text), VERSION_TEXT_SIZE);
    std::memcpy(frame.data() + offset, text, size);
}

} // namespace

// The unit answers a login in the 12-byte layout of the request: the result where the
// request has its zero word, the key's place left zero.
tcFrame buildLoginResult(uint16_t result)
{
    tcFrame frame = startFrame(LOGIN_LENGTH, MSG_LOGIN);
    putU16Le(frame, MSG_PAYLOAD_OFFSET, result);
    return frame;
}

tcFrame buildVersion(const tcSimVersion& version)
{
    tcFrame frame = startFrame(VERSION_LENGTH, MSG_VERSION);
    putU16Le(frame, 6, version.major);
    putU16Le(frame, 8, version.minor);
    putU16Le(frame, 10, version.build);
    putText(frame, VERSION_TEXT_OFFSET, version.buildText);
    putText(frame, VERSION_TEXT_OFFSET + VERSION_TEXT_SIZE, version.fpgaText);
    putText(frame, VERSION_TEXT_OFFSET + 2 * VERSION_TEXT_SIZE, version.dspText);
    return frame;
}

tcFrame buildPresetHeaderAnswer(const PRESET_HEADER& header)
{
    const auto frame = encodePresetHeaderFrame(header);
    return tcFrame(frame.begin(), frame.end());
}

tcFrames buildParamBlocks(const tcParamMap& map, std::span<const uint16_t> ids)
{
    tcEntryBlocks blocks(MSG_PARAMS);
    for (const uint16_t id : ids) {
        switch (paramType(id)) {
        case TYPE_FLOAT:
            blocks.appendFloat(id, map.getFloat(id));
            break;
        case TYPE_BOOL:
            blocks.appendBool(id, map.getBool(id));
            break;
        case TYPE_INT:
            blocks.appendInt(id, map.getInt(id));
            break;
        case TYPE_NONE:
            break;
        }
    }
    return blocks.take();
}

tcFrames buildAllParams(const tcParamMap& map)
{
    std::vector<uint16_t> ids;
    for (int i = 0; i < PARAM_COUNT; ++i)
        ids.push_back(PARAM_LIST[i].id);
    return buildParamBlocks(map, ids);
}

tcFrames buildGlobalBlocks(const tcDeviceGlobals& globals, std::span<const uint16_t> ids)
{
    tcEntryBlocks blocks(MSG_GLOBALS);
    for (const uint16_t id : ids) {
        if (globalType(id) == TYPE_INT)
            blocks.appendInt(id, globals.getInt(id));
        else if (globalType(id) == TYPE_BOOL)
            blocks.appendBool(id, globals.getBool(id));
    }
    return blocks.take();
}

tcFrames buildAllGlobals(const tcDeviceGlobals& globals)
{
    std::vector<uint16_t> ids;
    for (const tcGlobalRecord& record : GLOBAL_LIST)
        ids.push_back(record.id);
    return buildGlobalBlocks(globals, ids);
}

tcFrame buildFlashAck(uint16_t block, uint16_t total, uint16_t status, std::string_view text)
{
    const bool withText = status == FLASH_STATUS_TEXT || status == FLASH_ERROR_TEXT
        || status == FLASH_PROGRESS_TEXT;
    // Keep the frame inside the largest length a receiver takes in.
    const std::string_view kept = withText
        ? text.substr(0, std::min(text.size(), FRAME_MAX_LENGTH - FLASH_ACK_TEXT_OFFSET - 1))
        : std::string_view();
    const size_t length = FLASH_ACK_MIN_LENGTH + (withText ? kept.size() + 1 : 0);
    tcFrame frame = startFrame(length, MSG_FLASH_ACK);
    putU16Le(frame, 6, block);
    putU16Le(frame, 8, total);
    putU16Le(frame, FLASH_ACK_STATUS_OFFSET, status);
    std::copy(kept.begin(), kept.end(), frame.begin() + FLASH_ACK_TEXT_OFFSET);
    return frame;
}
