#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Boot requests a starting unit broadcasts, and the replies of an IP-assignment server,
// on UDP port 2898: a 16-byte tag, then records of type (1 byte), length (2 bytes,
// big-endian) and value.
inline constexpr uint16_t BOOT_PORT = 2898;
inline constexpr char BOOT_TAG[] = "TOLLBRDGBOOTSRVR";
inline constexpr size_t BOOT_TAG_SIZE = 16;

using tcMacAddress = std::array<uint8_t, 6>;
using tcIpv4Bytes = std::array<uint8_t, 4>; // first byte of the dotted text first

// What a boot reply assigns; a record that the reply lacks stays empty.
struct tcBootReply
{
    tcMacAddress mac{};
    std::optional<tcIpv4Bytes> address;
    std::optional<tcIpv4Bytes> subnet;
    std::optional<tcIpv4Bytes> gateway;
    std::optional<std::string> name; // up to 8 characters, trailing zero bytes removed

    // "boot reply for 00:11:22:33:44:55: address 192.168.1.50 subnet ... name NoName"
    std::string text() const;
};

// The 33-byte boot request for mac: the tag, then the records message kind 0 (request),
// type 8 and the MAC address.
std::vector<uint8_t> buildBootRequest(const tcMacAddress& mac);

// Reads a boot reply: the tag, a message kind record of 1 and a MAC record are required;
// a record running past the end, or any other kind, makes it none. Records of other types
// or lengths are skipped.
std::optional<tcBootReply> parseBootReply(std::span<const uint8_t> datagram);

// "00:11:22:aa:bb:cc"
std::string macText(const tcMacAddress& mac);
