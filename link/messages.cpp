#include "link/messages.h"

#include "link/frame.h"
#include "link/le_bytes.h"
#include "link/message_codes.h"

#include <algorithm>

namespace {

std::vector<uint8_t> frameOf(tMsgCode code, size_t length)
{
    std::vector<uint8_t> frame(length, 0);
    putU16Le(frame, 0, FRAME_START);
    putU16Le(frame, 2, static_cast<uint16_t>(length));
    putU16Le(frame, MSG_CODE_OFFSET, code);
    return frame;
}

void sendFrame(std::vector<uint8_t> frame)
{
    if (!frame.empty())
        frame_send(frame);
}

} // namespace

std::vector<uint8_t> buildVersionRequest()
{
    return frameOf(MSG_VERSION_REQUEST, VERSION_REQUEST_LENGTH);
}

std::vector<uint8_t> buildMeterStart(uint16_t port, uint8_t stream)
{
    std::vector<uint8_t> frame = frameOf(MSG_METER_START, METER_START_LENGTH);
    putU16Le(frame, 6, port);
    frame[8] = stream;
    return frame;
}

std::vector<uint8_t> buildLogin(uint32_t key)
{
    std::vector<uint8_t> frame = frameOf(MSG_LOGIN, LOGIN_LENGTH);
    putU32Le(frame, 8, key);
    return frame;
}

std::vector<uint8_t> buildHeaderQuery()
{
    return frameOf(MSG_HEADER_QUERY, HEADER_QUERY_LENGTH);
}

std::vector<uint8_t> buildPresetHeader(const PRESET_HEADER& header)
{
    const auto frame = encodePresetHeaderFrame(header);
    return {frame.begin(), frame.end()};
}

std::vector<uint8_t> buildFlashData(uint16_t block, uint16_t total, std::span<const uint8_t> data)
{
    if (data.empty() || data.size() > FLASH_BLOCK_SIZE)
        return {};
    std::vector<uint8_t> frame = frameOf(MSG_FLASH_DATA, FLASH_DATA_LENGTH);
    putU16Le(frame, 6, block);
    putU16Le(frame, 8, total);
    putU16Le(frame, 10, static_cast<uint16_t>(data.size()));
    std::copy(data.begin(), data.end(), frame.begin() + 12);
    return frame;
}

void sendVersionRequest() { sendFrame(buildVersionRequest()); }
void sendMeterStart(uint16_t port, uint8_t stream) { sendFrame(buildMeterStart(port, stream)); }
void sendLogin(uint32_t key) { sendFrame(buildLogin(key)); }
void sendHeaderQuery() { sendFrame(buildHeaderQuery()); }
void sendPresetHeader(const PRESET_HEADER& header) { sendFrame(buildPresetHeader(header)); }

bool sendFlashData(uint16_t block, uint16_t total, std::span<const uint8_t> data)
{
    std::vector<uint8_t> frame = buildFlashData(block, total, data);
    if (frame.empty())
        return false;
    sendFrame(std::move(frame));
    return true;
}
