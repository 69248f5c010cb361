#include "sim/received_entries.h"

#include "link/le_bytes.h"
#include "link/message_codes.h"

#include <algorithm>

std::vector<tcRawEntry> readBlockEntries(std::span<const uint8_t> frame)
{
    const uint16_t code = getU16Le(frame, MSG_CODE_OFFSET);
    if (frame.size() < MSG_PAYLOAD_OFFSET || (code != MSG_PARAMS && code != MSG_GLOBALS))
        return {};
    const size_t countOffset = code == MSG_PARAMS ? PARAMS_COUNT_OFFSET : GLOBALS_COUNT_OFFSET;
    const size_t entriesOffset = code == MSG_PARAMS ? PARAMS_ENTRIES_OFFSET : GLOBALS_ENTRIES_OFFSET;
    if (frame.size() < entriesOffset)
        return {};
    const size_t held = (frame.size() - entriesOffset) / BLOCK_ENTRY_SIZE;
    const size_t count = std::min({size_t(getU16Le(frame, countOffset)), BLOCK_MAX_ENTRIES, held});
    std::vector<tcRawEntry> entries;
    entries.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t at = entriesOffset + i * BLOCK_ENTRY_SIZE;
        entries.push_back({getU16Le(frame, at), getU32Le(frame, at + 4)});
    }
    return entries;
}
