#pragma once

#include "link/preset_header.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class tcDeviceGlobals;
class tcParamMap;

// One whole frame (start word, length, code, payload) and a run of them.
using tcFrame = std::vector<uint8_t>;
using tcFrames = std::vector<tcFrame>;

// What the simulated unit answers to a version request.
struct tcSimVersion
{
    uint16_t major;
    uint16_t minor;
    uint16_t build;
    const char* buildText; // each text at most 32 characters
    const char* fpgaText;
    const char* dspText;
};
inline constexpr tcSimVersion SIM_VERSION = {1, 0, 7, "k7sim simulated unit", "SIM-FPGA 1.0",
                                             "SIM-DSP 1.0"};

// Builders of the frames the unit sends. Each returns whole frames, start word and length
// included; every byte not named is zero.

// MSG_LOGIN with the result (2 accepted, 3 rejected) at offset 6.
tcFrame buildLoginResult(uint16_t result);
// MSG_VERSION, 108 bytes: the three numbers and the three texts, zero-padded to 32 bytes.
tcFrame buildVersion(const tcSimVersion& version);
// MSG_PRESET_HEADER, 164 bytes, with the two 40-byte reserved fields inverted.
tcFrame buildPresetHeaderAnswer(const PRESET_HEADER& header);
// MSG_PARAMS blocks (target 255, page 1 of 1, 1204 bytes) with the map's values of ids, in
// that order; IDs that are not processing parameters are left out.
tcFrames buildParamBlocks(const tcParamMap& map, std::span<const uint16_t> ids);
// Every processing parameter in directory order: one block of 31 entries.
tcFrames buildAllParams(const tcParamMap& map);
// MSG_GLOBALS blocks (1200 bytes) with the values of ids, in that order.
tcFrames buildGlobalBlocks(const tcDeviceGlobals& globals, std::span<const uint16_t> ids);
// Every global in iteration order: one block of 13 entries.
tcFrames buildAllGlobals(const tcDeviceGlobals& globals);
// MSG_FLASH_ACK: block, total, status; 14 bytes, or for statuses 2-4 followed by the text
// and its terminating zero.
tcFrame buildFlashAck(uint16_t block, uint16_t total, uint16_t status, std::string_view text);
