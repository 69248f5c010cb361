#include "sim/boot_datagram.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Record types and the lengths they are read with.
enum : uint8_t {
    RECORD_KIND = 0,    // 1 byte: 0 request, 1 reply
    RECORD_TYPE = 1,    // 1 byte: 8
    RECORD_NAME = 2,    // 8 bytes
    RECORD_MAC = 3,     // 6 bytes
    RECORD_ADDRESS = 4, // 4 bytes each
    RECORD_SUBNET = 5,
    RECORD_GATEWAY = 24,
};
constexpr uint8_t KIND_REQUEST = 0;
constexpr uint8_t KIND_REPLY = 1;
constexpr uint8_t TYPE_VALUE = 8;
constexpr size_t RECORD_HEADER_SIZE = 3;
constexpr size_t NAME_SIZE = 8;

void appendRecord(std::vector<uint8_t>& datagram, uint8_t type, std::span<const uint8_t> value)
{
    datagram.push_back(type);
    datagram.push_back(static_cast<uint8_t>(value.size() >> 8));
    datagram.push_back(static_cast<uint8_t>(value.size() & 0xFF));
    datagram.insert(datagram.end(), value.begin(), value.end());
}

tcIpv4Bytes ipv4(std::span<const uint8_t> value)
{
    tcIpv4Bytes bytes{};
    std::copy_n(value.begin(), bytes.size(), bytes.begin());
    return bytes;
}

std::string ipText(const std::optional<tcIpv4Bytes>& address)
{
    if (!address)
        return "-";
    return std::to_string((*address)[0]) + "." + std::to_string((*address)[1]) + "."
        + std::to_string((*address)[2]) + "." + std::to_string((*address)[3]);
}

// Takes one record's value into reply; false when the record makes the datagram no reply.
bool takeRecord(tcBootReply& reply, uint8_t type, std::span<const uint8_t> value, bool& kindSeen,
                bool& macSeen)
{
    if (type == RECORD_KIND && value.size() == 1) {
        kindSeen = value[0] == KIND_REPLY;
        return kindSeen;
    }
    if (type == RECORD_MAC && value.size() == reply.mac.size()) {
        std::copy(value.begin(), value.end(), reply.mac.begin());
        macSeen = true;
    } else if (value.size() == 4 && (type == RECORD_ADDRESS || type == RECORD_SUBNET || type == RECORD_GATEWAY)) {
        (type == RECORD_ADDRESS ? reply.address : type == RECORD_SUBNET ? reply.subnet : reply.gateway) = ipv4(value);
    } else if (type == RECORD_NAME && value.size() == NAME_SIZE) {
        std::string name(value.begin(), value.end());
        name.erase(std::find(name.begin(), name.end(), '\0'), name.end());
        reply.name = name;
    }
    return true;
}

} // namespace

std::vector<uint8_t> buildBootRequest(const tcMacAddress& mac)
{
    std::vector<uint8_t> datagram(BOOT_TAG, BOOT_TAG + BOOT_TAG_SIZE);
    const uint8_t kind[] = {KIND_REQUEST};
    const uint8_t type[] = {TYPE_VALUE};
    appendRecord(datagram, RECORD_KIND, kind);
    appendRecord(datagram, RECORD_TYPE, type);
    appendRecord(datagram, RECORD_MAC, mac);
    return datagram;
}

std::optional<tcBootReply> parseBootReply(std::span<const uint8_t> datagram)
{
    if (datagram.size() < BOOT_TAG_SIZE || std::memcmp(datagram.data(), BOOT_TAG, BOOT_TAG_SIZE) != 0)
        return std::nullopt;
    tcBootReply reply;
    bool kindSeen = false;
    bool macSeen = false;
    size_t at = BOOT_TAG_SIZE;
    while (at < datagram.size()) {
        if (datagram.size() - at < RECORD_HEADER_SIZE)
            return std::nullopt;
        const uint8_t type = datagram[at];
        const size_t length = size_t(datagram[at + 1]) << 8 | datagram[at + 2];
        at += RECORD_HEADER_SIZE;
        if (datagram.size() - at < length)
            return std::nullopt;
        if (!takeRecord(reply, type, datagram.subspan(at, length), kindSeen, macSeen))
            return std::nullopt;
        at += length;
    }
    if (!kindSeen || !macSeen)
        return std::nullopt;
    return reply;
}

std::string macText(const tcMacAddress& mac)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

std::string tcBootReply::text() const
{
    return "boot reply for " + macText(mac) + ": address " + ipText(address) + " subnet " + ipText(subnet)
        + " gateway " + ipText(gateway) + " name " + (name ? "\"" + *name + "\"" : std::string("-"));
}
