#pragma once

#include <cstddef>
#include <cstdint>

// Message codes of the control link (the u16 at offset 4 of every frame).
enum tMsgCode : uint16_t {
    MSG_VERSION_REQUEST = 1, // to unit
    MSG_VERSION = 2,         // from unit
    MSG_PARAMS = 4,          // both ways
    MSG_METER_START = 11,    // to unit
    MSG_GLOBALS = 15,        // both ways
    MSG_LOGIN = 20,          // both ways
    MSG_HEADER_QUERY = 21,   // to unit
    MSG_PRESET_HEADER = 22,  // both ways
    MSG_FLASH_DATA = 23,     // to unit
    MSG_FLASH_ACK = 24,      // from unit
};

inline constexpr size_t MSG_CODE_OFFSET = 4;
inline constexpr size_t MSG_PAYLOAD_OFFSET = 6;

// Frame lengths of the messages this program builds, and of those it reads.
inline constexpr size_t VERSION_REQUEST_LENGTH = 6;
inline constexpr size_t VERSION_LENGTH = 108;
inline constexpr size_t PARAMS_LENGTH = 1204;
inline constexpr size_t METER_START_LENGTH = 10;
inline constexpr size_t GLOBALS_LENGTH = 1200;
inline constexpr size_t LOGIN_LENGTH = 12;
inline constexpr size_t LOGIN_RESULT_MIN_LENGTH = 8;
inline constexpr size_t HEADER_QUERY_LENGTH = 6;
inline constexpr size_t PRESET_HEADER_LENGTH = 164;
inline constexpr size_t FLASH_DATA_LENGTH = 1036;
inline constexpr size_t FLASH_ACK_MIN_LENGTH = 14;

// Parameter and globals blocks.
inline constexpr uint8_t TARGET_LIVE = 255; // the unit's live parameter set
inline constexpr size_t BLOCK_MAX_ENTRIES = 149;
inline constexpr size_t BLOCK_ENTRY_SIZE = 8;
inline constexpr size_t PARAMS_COUNT_OFFSET = 10;
inline constexpr size_t PARAMS_ENTRIES_OFFSET = 12;
inline constexpr size_t GLOBALS_COUNT_OFFSET = 6;
inline constexpr size_t GLOBALS_ENTRIES_OFFSET = 8;

// Login results the unit answers with.
inline constexpr uint16_t LOGIN_ACCEPTED = 2;
inline constexpr uint16_t LOGIN_REJECTED = 3;
// The key sent when no unit record is current.
inline constexpr uint32_t LOGIN_KEY_NONE = 0xFFFFFFFF;

// Flash data blocks carry up to this many bytes.
inline constexpr size_t FLASH_BLOCK_SIZE = 1024;
// Statuses of a flash acknowledgement.
enum tFlashStatus : uint16_t {
    FLASH_BLOCK_ACCEPTED = 0,
    FLASH_COMPLETE = 1,
    FLASH_STATUS_TEXT = 2,
    FLASH_ERROR_TEXT = 3,
    FLASH_PROGRESS_TEXT = 4,
};
