#pragma once

#include "link/preset_header.h"

#include <QByteArray>

#include <cstdint>
#include <span>
#include <vector>

// Builders of the messages this program sends to the unit. Each returns the whole frame,
// start word and length included; every byte not named is zero.
std::vector<uint8_t> buildVersionRequest();
std::vector<uint8_t> buildMeterStart(uint16_t port, uint8_t stream);
std::vector<uint8_t> buildLogin(uint32_t key);
std::vector<uint8_t> buildHeaderQuery();
std::vector<uint8_t> buildPresetHeader(const PRESET_HEADER& header);
// An empty result for a block without data or with more than 1024 bytes: such a block
// is not sent.
std::vector<uint8_t> buildFlashData(uint16_t block, uint16_t total, std::span<const uint8_t> data);

// Senders: build and pass the frame to frame_send at once (dropped when off line).
// GUI thread.
void sendVersionRequest();
void sendMeterStart(uint16_t port, uint8_t stream);
void sendLogin(uint32_t key);
void sendHeaderQuery();
void sendPresetHeader(const PRESET_HEADER& header);
// False when the block was not sent for its size (see buildFlashData).
bool sendFlashData(uint16_t block, uint16_t total, std::span<const uint8_t> data);
