#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Layout of a frame on the control link: start word, total length, message code and
// payload, all little-endian.
inline constexpr uint16_t FRAME_START = 0xA5A5;
inline constexpr uint8_t FRAME_START_BYTE = 0xA5;
inline constexpr size_t FRAME_HEADER_SIZE = 4;  // start word and length
inline constexpr size_t FRAME_MIN_LENGTH = 6;   // header and a whole u16 message code
inline constexpr size_t FRAME_MAX_LENGTH = 2048;

// Stamps the start word and frame.size() as the length into the first four bytes of
// frame and writes the whole frame through the process-wide client endpoint. Without a
// client the frame is dropped silently. Called on the GUI thread; takes no lock.
// A frame shorter than FRAME_MIN_LENGTH or longer than FRAME_MAX_LENGTH is neither
// stamped nor sent, since the unit would drop it at its length field.
void frame_send(std::span<uint8_t> frame);
