#pragma once

#include <cstdint>
#include <span>

// The hook through which the reassembler hands over every complete frame: the rebuilt
// frame (start word, length, code, payload) and the two words given with the hook,
// passed through unchanged. The message set installs its dispatcher here.
using tFrameDispatcher = void (*)(std::span<const uint8_t> frame, uint16_t word0,
                                  uint16_t word1);

// Installs the dispatcher (null drops every frame) with its two pass-through words.
// Call while no endpoint exists: the receive thread reads them without a lock.
void frame_set_dispatcher(tFrameDispatcher dispatcher, uint16_t word0 = 0, uint16_t word1 = 0);

// Feeds received bytes to the one reassembler of the control link and dispatches every
// complete frame with a length of 6 to 2048 bytes. Frames may span any number of calls
// and one call may hold many frames. Called on the link's receive thread only.
void frame_receive(std::span<const uint8_t> bytes);

// Forgets any partly received frame, so that bytes of a new connection never complete a
// frame of the previous one. Called on every link status report, from any thread: the
// reset takes effect at the start of the next frame_receive, on the receive thread.
void frame_rx_reset();
