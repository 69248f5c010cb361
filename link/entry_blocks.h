#pragma once

#include "link/message_codes.h"
#include "model/model_types.h"

#include <cstdint>
#include <vector>

// Builds the parameter and globals blocks sent to the unit: entries of (ID, type, value)
// packed 149 to a block, a new block started whenever one is full.
class tcEntryBlocks
{
public:
    // MSG_PARAMS (1204-byte blocks for the live set) or MSG_GLOBALS (1200-byte blocks).
    explicit tcEntryBlocks(tMsgCode code);

    // Appends an entry: a float as its IEEE bits, an int as its 32 bits, a bool as one
    // byte 0/1 followed by three zero bytes.
    void appendFloat(uint16_t id, float value);
    void appendInt(uint16_t id, uint32_t value);
    void appendBool(uint16_t id, bool value);

    // The finished blocks in order; none when nothing was appended.
    std::vector<std::vector<uint8_t>> take();

private:
    void append(uint16_t id, uint32_t raw);
    void startBlock();

    tMsgCode m_code;
    size_t m_countOffset;
    size_t m_entriesOffset;
    size_t m_length;
    uint16_t m_count = 0;
    std::vector<std::vector<uint8_t>> m_blocks;
};
