// Fuzzes the message handlers with whole frames of every code. The input's first byte picks
// the message code (one of the codes the unit sends, or any other); the rest is the frame's
// payload, cut to the largest frame the reassembler passes on. The frame handed over is
// exactly as long as its length field says, so any read past a field the frame does not hold
// is caught by the address sanitizer.

#include "link/flash_ack_sink.h"
#include "link/message_codes.h"
#include "link/message_dispatch.h"
#include "link/unit_reports.h"
#include "model/device_globals.h"
#include "model/model_globals.h"
#include "model/param_map.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

class CountingSink : public tcFlashAckSink
{
public:
    void flashAck(uint16_t, uint16_t, uint16_t, const QByteArray& text) override { m_bytes += text.size(); }

private:
    qsizetype m_bytes = 0;
};

void ignoreChange(void*, quint16, tcChangeFlag) {}

void setUpOnce()
{
    static tcParamMap map;
    static tcDeviceGlobals globals;
    static tcUnitReports reports;
    static CountingSink sink;
    map.setNotify(ignoreChange, nullptr);
    globals.setNotify(ignoreChange, nullptr);
    setLiveMap(&map);
    setDeviceGlobals(&globals);
    setLinkEvents(tcLinkEvents(), &reports);
    setFlashAckSink(&sink);
}

constexpr std::array<uint16_t, 7> kCodes = {MSG_VERSION, MSG_PARAMS, MSG_GLOBALS, MSG_LOGIN,
                                            MSG_PRESET_HEADER, MSG_FLASH_ACK, 0xFFFF};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (setUpOnce(), true);
    (void)ready;
    if (size == 0)
        return 0;
    const uint16_t code = data[0] < kCodes.size() * 32 ? kCodes[data[0] % kCodes.size()] : data[0];
    const size_t payload = std::min(size - 1, size_t(2048) - MSG_PAYLOAD_OFFSET);
    std::vector<uint8_t> frame(MSG_PAYLOAD_OFFSET + payload);
    frame[0] = frame[1] = 0xA5;
    frame[2] = static_cast<uint8_t>(frame.size());
    frame[3] = static_cast<uint8_t>(frame.size() >> 8);
    frame[4] = static_cast<uint8_t>(code);
    frame[5] = static_cast<uint8_t>(code >> 8);
    std::copy_n(data + 1, payload, frame.begin() + MSG_PAYLOAD_OFFSET);
    frame_dispatch(frame);
    return 0;
}
