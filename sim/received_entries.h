#pragma once

#include <cstdint>
#include <span>
#include <vector>

// One entry of a received MSG_PARAMS or MSG_GLOBALS block: the ID and the four value bytes
// as a little-endian word (a float's bits, an int, or a bool in its low byte).
struct tcRawEntry
{
    uint16_t id;
    uint32_t raw;
};

// The entries of a received MSG_PARAMS or MSG_GLOBALS frame. The count in the frame is
// limited to 149 and to the whole entries the frame holds, so a short frame or a count
// past its end never reads outside it. A frame of another code, or one too short for its
// count field, gives none.
std::vector<tcRawEntry> readBlockEntries(std::span<const uint8_t> frame);
