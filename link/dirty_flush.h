#pragma once

#include <cstdint>
#include <span>

// Where a flush hands its finished frames: frame_send, or a test's collector.
using tFrameSink = void (*)(std::span<uint8_t> frame);

// Sends every parameter marked in the map-settings set with its live value, walking the
// directory order and clearing each mark as its value is taken, 149 entries to a block.
// Nothing is sent when nothing is marked. Returns the number of blocks. GUI thread; takes
// the model lock while walking, not while sending.
int flushMapSettings(tFrameSink sink);
int flushMapSettings();
// The same over the globals marked in the map-globals set, with the globals' values.
int flushMapGlobals(tFrameSink sink);
int flushMapGlobals();
