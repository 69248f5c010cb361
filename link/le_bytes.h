#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian field writers and readers for the byte layouts of the link. Each checks that the
// field fits inside the buffer and writes nothing when it does not.

// Writes value as two bytes, low byte first, at offset. Returns false when it does not fit.
inline bool putU16Le(std::span<uint8_t> bytes, size_t offset, uint16_t value)
{
    if (offset > bytes.size() || bytes.size() - offset < 2)
        return false;
    bytes[offset] = static_cast<uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
    return true;
}

// Writes value as four bytes, low byte first, at offset. Returns false when it does not fit.
inline bool putU32Le(std::span<uint8_t> bytes, size_t offset, uint32_t value)
{
    if (offset > bytes.size() || bytes.size() - offset < 4)
        return false;
    for (size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    return true;
}

// Little-endian field readers. A field that does not fit inside the bytes reads as 0;
// callers check a frame's length before they read its fields.
inline uint16_t getU16Le(std::span<const uint8_t> bytes, size_t offset)
{
    if (offset > bytes.size() || bytes.size() - offset < 2)
        return 0;
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline uint32_t getU32Le(std::span<const uint8_t> bytes, size_t offset)
{
    if (offset > bytes.size() || bytes.size() - offset < 4)
        return 0;
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}
