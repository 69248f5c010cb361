#include "link/frame_rx.h"

#include "link/frame.h"
#include "link/le_bytes.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>

namespace {

// Lengths from 5 up are taken in; a 5-byte frame is then consumed but never dispatched.
constexpr size_t RX_MIN_LENGTH = FRAME_HEADER_SIZE + 1;

// Reassembly states: scanning for the first start byte, the second, the length's low
// byte, its high byte, then the rest of the frame.
enum : uint8_t { RX_SCAN, RX_START, RX_LENGTH_LOW, RX_LENGTH_HIGH, RX_BODY };

// The one reassembler of the application; there is at most one control link.
struct FRAME_RX
{
    uint16_t word0 = 0;  // pass-through words for the dispatcher (16-bit, like the start word)
    uint16_t word1 = 0;
    uint8_t state = RX_SCAN;
    uint16_t length = 0; // expected frame length
    uint16_t count = 0;  // bytes held in buffer
    std::array<uint8_t, FRAME_MAX_LENGTH> buffer{};
};

FRAME_RX s_frameRx;
tFrameDispatcher s_dispatcher = nullptr;
std::atomic<bool> s_resetPending{false};

void clear(FRAME_RX& rx)
{
    rx.state = RX_SCAN;
    rx.length = 0;
    rx.count = 0;
}

void complete(FRAME_RX& rx)
{
    // A 5-byte frame holds only the low byte of its message code: it is consumed whole,
    // keeping the stream in step, but never dispatched.
    if (rx.length >= FRAME_MIN_LENGTH && s_dispatcher)
        s_dispatcher(std::span<const uint8_t>(rx.buffer.data(), rx.length), rx.word0, rx.word1);
    clear(rx);
}

void acceptLength(FRAME_RX& rx, uint8_t high)
{
    const uint16_t length = static_cast<uint16_t>(rx.length | (high << 8));
    // Any other length drops the candidate; scanning resumes with the next byte.
    if (length < RX_MIN_LENGTH || length > FRAME_MAX_LENGTH) {
        clear(rx);
        return;
    }
    rx.length = length;
    putU16Le(rx.buffer, 0, FRAME_START);
    putU16Le(rx.buffer, 2, length);
    rx.count = FRAME_HEADER_SIZE;
    rx.state = RX_BODY;
}

// One byte of the header states.
void step(FRAME_RX& rx, uint8_t byte)
{
    switch (rx.state) {
    case RX_SCAN:
        if (byte == FRAME_START_BYTE)
            rx.state = RX_START;
        break;
    case RX_START:
        rx.state = byte == FRAME_START_BYTE ? RX_LENGTH_LOW : RX_SCAN;
        break;
    case RX_LENGTH_LOW:
        rx.length = byte;
        rx.state = RX_LENGTH_HIGH;
        break;
    default:
        acceptLength(rx, byte);
        break;
    }
}

} // namespace

void frame_set_dispatcher(tFrameDispatcher dispatcher, uint16_t word0, uint16_t word1)
{
    s_dispatcher = dispatcher;
    s_frameRx.word0 = word0;
    s_frameRx.word1 = word1;
}

void frame_receive(std::span<const uint8_t> bytes)
{
    FRAME_RX& rx = s_frameRx;
    if (s_resetPending.exchange(false))
        clear(rx);
    size_t at = 0;
    while (at < bytes.size()) {
        if (rx.state != RX_BODY) {
            step(rx, bytes[at++]);
            continue;
        }
        // The body arrives in runs: copy as much of it as this read holds at once.
        const size_t run = std::min<size_t>(rx.length - rx.count, bytes.size() - at);
        std::memcpy(rx.buffer.data() + rx.count, bytes.data() + at, run);
        rx.count = static_cast<uint16_t>(rx.count + run);
        at += run;
        if (rx.count == rx.length)
            complete(rx);
    }
}

void frame_rx_reset()
{
    s_resetPending.store(true);
}
