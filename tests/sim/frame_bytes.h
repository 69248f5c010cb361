#pragma once

#include <QMetaType>

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <vector>

// Byte helpers for the simulator's tests: expected frames are written out byte by byte.
using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

inline Bytes bytes(std::initializer_list<int> values)
{
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

inline void put16(Bytes& frame, size_t at, uint16_t value)
{
    frame[at] = static_cast<uint8_t>(value & 0xFF);
    frame[at + 1] = static_cast<uint8_t>(value >> 8);
}

inline void put32(Bytes& frame, size_t at, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        frame[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A frame of the given length and code: start word, length and code filled in, the rest zero.
inline Bytes frameOf(size_t length, uint16_t code)
{
    Bytes frame(length, 0);
    frame[0] = 0xA5;
    frame[1] = 0xA5;
    put16(frame, 2, static_cast<uint16_t>(length));
    put16(frame, 4, code);
    return frame;
}

// One entry of a parameter or globals block, as the application sends it.
struct tcEntry {
    uint16_t id;
    uint32_t raw;
};

inline uint32_t floatBits(float value)
{
    return std::bit_cast<uint32_t>(value);
}

// A MSG_PARAMS block (1204 bytes, target as given, page 1 of 1) with these entries.
inline Bytes paramsBlock(std::initializer_list<tcEntry> entries, uint8_t target = 255)
{
    Bytes frame = frameOf(1204, 4);
    frame[6] = target;
    frame[8] = 1;
    frame[9] = 1;
    put16(frame, 10, static_cast<uint16_t>(entries.size()));
    size_t at = 12;
    for (const tcEntry& entry : entries) {
        put16(frame, at, entry.id);
        put32(frame, at + 4, entry.raw);
        at += 8;
    }
    return frame;
}

// A MSG_GLOBALS block (1200 bytes) with these entries.
inline Bytes globalsBlock(std::initializer_list<tcEntry> entries)
{
    Bytes frame = frameOf(1200, 15);
    put16(frame, 6, static_cast<uint16_t>(entries.size()));
    size_t at = 8;
    for (const tcEntry& entry : entries) {
        put16(frame, at, entry.id);
        put32(frame, at + 4, entry.raw);
        at += 8;
    }
    return frame;
}
