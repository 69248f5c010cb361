#pragma once

#include <cstdint>
#include <span>

class tcUnitReports;
class tcFlashAckSink;

// How the message handlers tell the main window what the unit reported. Each function is
// called on the link's receive thread and may be absent; the main window turns each into
// a queued signal.
struct tcLinkEvents
{
    void* context = nullptr;
    void (*versionReceived)(void* context) = nullptr;    // a version answer is stored
    void (*loginAccepted)(void* context) = nullptr;
    void (*loginRejected)(void* context) = nullptr;
    void (*presetHeaderChanged)(void* context) = nullptr; // a different header is kept
};

// Installs the handlers' listeners and the store of the unit's reports (either may be
// null). Call while no link endpoint exists.
void setLinkEvents(const tcLinkEvents& events, tcUnitReports* reports);

// Installs or removes (null) the firmware downloader that takes flash acknowledgements;
// without one they are dropped. GUI thread; waits until a running handler has finished,
// so the sink may be deleted once this returns.
void setFlashAckSink(tcFlashAckSink* sink);

// Decodes one complete frame from the unit and acts on it: parameters and globals into
// the live map and the device globals (marked for redrawing), login results, version
// answers, preset headers and flash acknowledgements. Codes that only travel to the unit
// and unknown codes are ignored, and so is any frame too short for the fields its code
// carries. Called by the reassembler on the link's receive thread.
void frame_dispatch(std::span<const uint8_t> frame, uint16_t word0 = 0, uint16_t word1 = 0);

// Makes frame_dispatch the reassembler's dispatcher. Call while no endpoint exists.
void installFrameDispatch();
