#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <span>

// The record that names a preset, in memory, in preset files' checksums and on the link
// (the preset header message carries it).
struct PRESET_HEADER
{
    static constexpr size_t NAME_SIZE = 40;
    static constexpr size_t RESERVED1_SIZE = 88;
    static constexpr size_t RESERVED2_SIZE = 44;

    std::array<uint8_t, NAME_SIZE> name{}; // not terminated when all 40 bytes are used
    uint8_t valid = 0;
    uint8_t flags = 0;
    std::array<uint32_t, 4> checksum{};    // entries 2 and 3 are always 0
    std::array<uint16_t, 4> count{};       // values fed into the matching checksum
    std::array<uint8_t, RESERVED1_SIZE> reserved1{};
    std::array<uint8_t, RESERVED2_SIZE> reserved2{};

    // A new record: all-zero name, valid = 1, everything else zero.
    static PRESET_HEADER fresh();
    // Every field zero, valid included (a record about to be loaded).
    void clear() { *this = PRESET_HEADER(); }
    // Name, valid, flags, checksums and counts of other; both reserved areas zero.
    void copyFrom(const PRESET_HEADER& other);
    // At most 40 bytes of text; the rest of the name zero.
    void setName(const QByteArray& text);
    // The 40 bytes ended at the first zero byte.
    QByteArray nameString() const;
    // Names equal up to the first zero byte or 40 bytes; valid, flags, the four checksums
    // and the four counts equal. The reserved areas do not count.
    bool sameAs(const PRESET_HEADER& other) const;
};

// The preset header message: the header's fields at their offsets, the two 40-byte
// reserved fields bitwise inverted. Returns the whole 164-byte frame.
std::array<uint8_t, 164> encodePresetHeaderFrame(const PRESET_HEADER& header);
// Rebuilds a header from a preset header frame of at least 164 bytes.
PRESET_HEADER decodePresetHeaderFrame(std::span<const uint8_t, 164> frame);
