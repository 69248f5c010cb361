#pragma once

#include "sim/unit_answers.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The simulated unit's side of a firmware download: acknowledges each MSG_FLASH_DATA block
// and, after the last one, reports the writing of the image with timed status texts and
// completion, or an error text, or nothing at all, as its mode asks. Times are milliseconds
// of a monotonic clock given by the caller.
class tcSimFlash
{
public:
    struct tcMode
    {
        bool fail = false;                  // end with an error text instead of completion
        std::optional<int> silentAfter;     // acknowledge blocks up to N, then say nothing
    };

    // Time between two reports of the flash phase.
    static constexpr int64_t STEP_MS = 250;

    explicit tcSimFlash(tcMode mode);

    // Handles one MSG_FLASH_DATA frame (any length) and returns the frames to send: the
    // block's acknowledgement, an error text for a malformed or unexpected block, or none
    // while silent. Block 1 always starts a new download.
    tcFrames onBlock(std::span<const uint8_t> frame, int64_t nowMs);

    // The reports of the flash phase that are due at nowMs, in order.
    tcFrames tick(int64_t nowMs);

    // When the next report of the flash phase is due; none when nothing is pending.
    std::optional<int64_t> nextDueMs() const;

    // Forgets any download (the connection ended).
    void reset();

    // A line for the event log about the last thing that happened; empty when nothing new.
    std::string takeEvent();

private:
    tcFrames reject(const std::string& text);
    void startFlashPhase(int64_t nowMs);

    tcMode m_mode;
    uint16_t m_total = 0;     // blocks of the current download, 0 when none
    uint16_t m_lastBlock = 0; // the last block accepted
    uint32_t m_bytes = 0;     // image bytes received
    bool m_silent = false;    // no more words for this download
    size_t m_step = 0;        // next report of the flash phase
    std::optional<int64_t> m_dueMs;
    std::string m_event;
};
