#include "link/entry_blocks.h"

#include "link/frame.h"
#include "link/le_bytes.h"

#include <bit>

tcEntryBlocks::tcEntryBlocks(tMsgCode code)
    : m_code(code),
      m_countOffset(code == MSG_PARAMS ? PARAMS_COUNT_OFFSET : GLOBALS_COUNT_OFFSET),
      m_entriesOffset(code == MSG_PARAMS ? PARAMS_ENTRIES_OFFSET : GLOBALS_ENTRIES_OFFSET),
      m_length(code == MSG_PARAMS ? PARAMS_LENGTH : GLOBALS_LENGTH)
{
}

void tcEntryBlocks::startBlock()
{
    std::vector<uint8_t>& block = m_blocks.emplace_back(m_length, 0);
    putU16Le(block, 0, FRAME_START);
    putU16Le(block, 2, static_cast<uint16_t>(m_length));
    putU16Le(block, MSG_CODE_OFFSET, m_code);
    if (m_code == MSG_PARAMS) {
        block[6] = TARGET_LIVE;
        block[8] = 1; // page number
        block[9] = 1; // page count
    }
    m_count = 0;
}

void tcEntryBlocks::append(uint16_t id, uint32_t raw)
{
    if (m_blocks.empty() || m_count == BLOCK_MAX_ENTRIES)
        startBlock();
    std::vector<uint8_t>& block = m_blocks.back();
    const size_t at = m_entriesOffset + BLOCK_ENTRY_SIZE * m_count;
    putU16Le(block, at, id);
    putU32Le(block, at + 4, raw);
    putU16Le(block, m_countOffset, ++m_count);
}

void tcEntryBlocks::appendFloat(uint16_t id, float value) { append(id, std::bit_cast<uint32_t>(value)); }
void tcEntryBlocks::appendInt(uint16_t id, uint32_t value) { append(id, value); }
void tcEntryBlocks::appendBool(uint16_t id, bool value) { append(id, value ? 1u : 0u); }

std::vector<std::vector<uint8_t>> tcEntryBlocks::take()
{
    m_count = 0;
    return std::exchange(m_blocks, {});
}
