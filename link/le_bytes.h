#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian field writers for the byte layouts of the link. Each checks that the
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
