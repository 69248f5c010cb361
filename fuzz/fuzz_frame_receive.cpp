// Fuzzes the control link's frame reassembler. The input's first byte gives the number of
// read sizes that follow it; the rest is the received stream, fed to frame_receive in reads
// of those sizes in turn. A read size with bit 7 set also resets the reassembler after its
// read, as a link status report does. Every dispatched frame must equal, in order, the
// frames a one-shot parse of each stretch between resets finds; any difference aborts.

#include "link/frame_rx.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

using tBytes = std::vector<uint8_t>;

std::vector<tBytes> g_dispatched;

void collect(std::span<const uint8_t> frame, uint16_t, uint16_t)
{
    g_dispatched.emplace_back(frame.begin(), frame.end());
}

// The reference: walks a whole stretch at once. A start word is two 0xA5 bytes; a length
// outside 5..2048 drops the start word and the length; a frame is dispatched when it
// is complete and at least 6 bytes long; an incomplete frame at the end is never dispatched.
void parseAtOnce(std::span<const uint8_t> stream, std::vector<tBytes>& frames)
{
    size_t at = 0;
    while (at + 1 < stream.size()) {
        if (stream[at] != 0xA5 || stream[at + 1] != 0xA5) {
            ++at;
            continue;
        }
        if (at + 4 > stream.size())
            return;
        const size_t length = stream[at + 2] | (size_t(stream[at + 3]) << 8);
        if (length < 5 || length > 2048) {
            at += 4;
            continue;
        }
        if (at + length > stream.size())
            return;
        if (length >= 6)
            frames.emplace_back(stream.begin() + at, stream.begin() + at + length);
        at += length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t cutCount = std::min<size_t>(size - 1, size_t(data[0] % 32) + 1);
    const std::span<const uint8_t> cuts(data + 1, cutCount);
    const std::span<const uint8_t> stream(data + 1 + cutCount, size - 1 - cutCount);

    frame_set_dispatcher(collect);
    frame_rx_reset();
    g_dispatched.clear();

    std::vector<tBytes> expected;
    size_t at = 0;
    size_t stretch = 0;
    for (size_t i = 0; at < stream.size(); ++i) {
        const uint8_t cut = cuts.empty() ? 0x7F : cuts[i % cuts.size()];
        const size_t n = std::min<size_t>(size_t(cut & 0x7F) + 1, stream.size() - at);
        frame_receive(stream.subspan(at, n));
        at += n;
        if (cut & 0x80) {
            frame_rx_reset();
            parseAtOnce(stream.subspan(stretch, at - stretch), expected);
            stretch = at;
        }
    }
    parseAtOnce(stream.subspan(stretch), expected);

    if (g_dispatched != expected)
        std::abort();
    return 0;
}
