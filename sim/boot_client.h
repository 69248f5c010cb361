#pragma once

#include "sim/boot_datagram.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Boot mode of k7sim: broadcasts boot requests for one MAC address once a second, as a
// starting unit does, until a reply for that MAC arrives, and reports every reply it hears.
class tcBootClient
{
public:
    static constexpr int64_t REQUEST_EVERY_MS = 1000;

    // broadcast: dotted IPv4 address the requests are sent to (port 2898).
    tcBootClient(const tcMacAddress& mac, const std::string& broadcast);
    ~tcBootClient();
    tcBootClient(const tcBootClient&) = delete;
    tcBootClient& operator=(const tcBootClient&) = delete;

    // Opens the socket. Replies are broadcast to port 2898, so it binds that port, shared
    // through address reuse with a boot server on the same host. When the port cannot be
    // had it still sends from another port, and warning says that no reply will be heard.
    // False (with the reason in warning) when no socket could be made at all.
    bool open(std::string& warning);
    int socket() const { return m_socket; }

    // Starts (again) asking, with the first request at nowMs.
    void restart(int64_t nowMs);
    bool asking() const { return m_nextMs.has_value(); }
    std::optional<int64_t> nextDueMs() const { return m_nextMs; }

    // Sends the request when one is due; returns a log line for it, or empty.
    std::string sendIfDue(int64_t nowMs);

    // Reads what arrived: one line for each reply (requests, its own included, and foreign
    // datagrams are skipped). A reply for its MAC ends the asking.
    std::vector<std::string> readReplies();

private:
    tcMacAddress m_mac;
    std::string m_broadcast;
    int m_socket = -1;
    std::optional<int64_t> m_nextMs;
};
