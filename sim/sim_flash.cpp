#include "sim/sim_flash.h"

#include "link/le_bytes.h"
#include "link/message_codes.h"

#include <array>
#include <utility>

namespace {

// Offsets of a MSG_FLASH_DATA frame.
constexpr size_t BLOCK_OFFSET = 6;
constexpr size_t TOTAL_OFFSET = 8;
constexpr size_t COUNT_OFFSET = 10;
constexpr size_t DATA_OFFSET = 12;

// One report of the flash phase. A progress report (status 4) carries the percentage in
// the block field and 100 in the total field, so that block x 100 / total is the percentage.
struct tcFlashStep {
    uint16_t status;
    uint16_t percent;
    const char* text;
};
constexpr std::array<tcFlashStep, 6> FLASH_STEPS = {{
    {FLASH_STATUS_TEXT, 0, "Erasing flash..."},
    {FLASH_PROGRESS_TEXT, 25, "Writing flash... 25%"},
    {FLASH_PROGRESS_TEXT, 50, "Writing flash... 50%"},
    {FLASH_PROGRESS_TEXT, 75, "Writing flash... 75%"},
    {FLASH_PROGRESS_TEXT, 100, "Writing flash... 100%"},
    {FLASH_STATUS_TEXT, 0, "Verifying image..."},
}};
constexpr const char* FLASH_FAIL_TEXT = "Image verification failed.";

} // namespace

tcSimFlash::tcSimFlash(tcMode mode) : m_mode(mode) {}

void tcSimFlash::reset()
{
    m_total = 0;
    m_lastBlock = 0;
    m_bytes = 0;
    m_silent = false;
    m_step = 0;
    m_dueMs.reset();
}

std::string tcSimFlash::takeEvent()
{
    return std::exchange(m_event, {});
}

tcFrames tcSimFlash::reject(const std::string& text)
{
    m_event = "flash: " + text;
    const uint16_t total = m_total;
    const uint16_t block = m_lastBlock;
    reset();
    return {buildFlashAck(block, total, FLASH_ERROR_TEXT, text)};
}

tcFrames tcSimFlash::onBlock(std::span<const uint8_t> frame, int64_t nowMs)
{
    // Fields past a short frame's end read as 0; the length is checked before they count.
    const uint16_t block = getU16Le(frame, BLOCK_OFFSET);
    const uint16_t total = getU16Le(frame, TOTAL_OFFSET);
    const uint16_t count = getU16Le(frame, COUNT_OFFSET);
    if (block == 1)
        reset();
    else if (m_silent)
        return {};
    if (frame.size() < DATA_OFFSET)
        return reject("Bad flash block: frame of " + std::to_string(frame.size()) + " bytes.");
    if (count == 0 || count > FLASH_BLOCK_SIZE || count > frame.size() - DATA_OFFSET)
        return reject("Bad flash block: " + std::to_string(count) + " data bytes.");
    const std::string number = std::to_string(block) + " of " + std::to_string(total);
    if (block == 0 || total == 0 || block > total)
        return reject("Bad flash block number " + number + ".");
    // Blocks come in order, one per acknowledgement; anything else ends the download with
    // an error text rather than leaving the sender waiting.
    if (block != 1 && (total != m_total || block != m_lastBlock + 1 || m_dueMs))
        return reject("Unexpected flash block " + number + ".");
    if (m_mode.silentAfter && block > *m_mode.silentAfter) {
        m_silent = true;
        m_event = "flash: block " + number + " not acknowledged (silent)";
        return {};
    }
    m_total = total;
    m_lastBlock = block;
    m_bytes += count;
    m_event = "flash: block " + number + " accepted";
    if (block == total) {
        if (m_mode.silentAfter && block >= *m_mode.silentAfter)
            m_silent = true;
        else
            startFlashPhase(nowMs);
        m_event += ", image of " + std::to_string(m_bytes) + " bytes complete";
    }
    return {buildFlashAck(block, total, FLASH_BLOCK_ACCEPTED, {})};
}

void tcSimFlash::startFlashPhase(int64_t nowMs)
{
    m_step = 0;
    m_dueMs = nowMs + STEP_MS;
}

std::optional<int64_t> tcSimFlash::nextDueMs() const
{
    return m_dueMs;
}

tcFrames tcSimFlash::tick(int64_t nowMs)
{
    tcFrames frames;
    while (m_dueMs && *m_dueMs <= nowMs) {
        if (m_step < FLASH_STEPS.size()) {
            const tcFlashStep& step = FLASH_STEPS[m_step++];
            const bool progress = step.status == FLASH_PROGRESS_TEXT;
            frames.push_back(buildFlashAck(progress ? step.percent : m_total, progress ? 100 : m_total,
                                           step.status, step.text));
            *m_dueMs += STEP_MS;
            continue;
        }
        if (m_mode.fail)
            frames.push_back(buildFlashAck(m_total, m_total, FLASH_ERROR_TEXT, FLASH_FAIL_TEXT));
        else
            frames.push_back(buildFlashAck(m_total, m_total, FLASH_COMPLETE, {}));
        m_event = m_mode.fail ? "flash: reported failure" : "flash: download complete";
        reset();
    }
    return frames;
}
