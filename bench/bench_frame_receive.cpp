// Throughput of the control link's frame reassembler: 64 MiB of back-to-back frames with
// random lengths and payloads, cut into reads of random sizes, fed through frame_receive
// and, for comparison, copied with memcpy in the same reads. Prints MiB/s and the ratio.

#include "link/frame_rx.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <span>
#include <vector>

namespace {

constexpr size_t STREAM_SIZE = size_t(64) << 20;
constexpr size_t MIN_FRAME = 6;
constexpr size_t MAX_FRAME = 2048;
constexpr size_t MAX_READ = 8192; // the endpoint's receive buffer
constexpr int ROUNDS = 5;

size_t g_frames = 0;

void countFrame(std::span<const uint8_t>, uint16_t, uint16_t)
{
    ++g_frames;
}

// Keeps the compiler from dropping stores it cannot see used.
void escape(void* p)
{
    asm volatile("" : : "g"(p) : "memory");
}

struct tcStream
{
    std::vector<uint8_t> bytes;
    std::vector<size_t> reads;
    size_t frames = 0;
};

tcStream makeStream()
{
    std::mt19937_64 random(0x4B37);
    std::uniform_int_distribution<size_t> length(MIN_FRAME, MAX_FRAME);
    std::uniform_int_distribution<size_t> read(1, MAX_READ);
    std::uniform_int_distribution<int> byte(0, 255);
    tcStream stream;
    stream.bytes.reserve(STREAM_SIZE + MAX_FRAME);
    while (stream.bytes.size() < STREAM_SIZE) {
        const size_t n = length(random);
        stream.bytes.insert(stream.bytes.end(), {0xA5, 0xA5, uint8_t(n & 0xFF), uint8_t(n >> 8)});
        for (size_t i = 4; i < n; ++i)
            stream.bytes.push_back(uint8_t(byte(random)));
        ++stream.frames;
    }
    for (size_t at = 0; at < stream.bytes.size();) {
        const size_t n = std::min(read(random), stream.bytes.size() - at);
        stream.reads.push_back(n);
        at += n;
    }
    return stream;
}

template <typename Feed>
double bestSeconds(const tcStream& stream, Feed feed)
{
    double best = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const uint8_t* at = stream.bytes.data();
        for (size_t n : stream.reads) {
            feed(std::span<const uint8_t>(at, n));
            at += n;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

} // namespace

int main()
{
    const tcStream stream = makeStream();
    const double mib = double(stream.bytes.size()) / double(1 << 20);

    frame_set_dispatcher(countFrame);
    const double rx = bestSeconds(stream, [](std::span<const uint8_t> bytes) {
        frame_receive(bytes);
    });
    if (g_frames != stream.frames * ROUNDS) {
        std::fprintf(stderr, "dispatched %zu frames, expected %zu\n", g_frames,
                     stream.frames * ROUNDS);
        return 1;
    }

    std::vector<uint8_t> target(MAX_READ);
    const double copy = bestSeconds(stream, [&target](std::span<const uint8_t> bytes) {
        std::memcpy(target.data(), bytes.data(), bytes.size());
        escape(target.data());
    });

    std::printf("stream: %.1f MiB, %zu frames (6..2048 bytes), %zu reads (1..8192 bytes)\n", mib,
                stream.frames, stream.reads.size());
    std::printf("frame_receive: %8.1f MiB/s\n", mib / rx);
    std::printf("memcpy:        %8.1f MiB/s\n", mib / copy);
    std::printf("ratio:         %8.1f %% of memcpy (goal >= 20 %%)\n", 100.0 * copy / rx);
    return 0;
}
