#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The one control connection k7sim serves: a non-blocking TCP socket with an output
// queue, so a peer that stops reading never blocks the simulator.
class tcSimConnection
{
public:
    // The output a peer may leave unread before the connection is given up.
    static constexpr size_t MAX_QUEUED = 1 << 20;

    // Takes over an accepted socket: non-blocking, no delay, keep-alive probes so that a
    // vanished peer frees the unit within about 20 seconds.
    tcSimConnection(int socket, std::string peer, uint32_t peerAddress);
    ~tcSimConnection();
    tcSimConnection(const tcSimConnection&) = delete;
    tcSimConnection& operator=(const tcSimConnection&) = delete;

    int socket() const { return m_socket; }
    // "127.0.0.1:40312"
    const std::string& peer() const { return m_peer; }
    // The peer's IPv4 address in network byte order, where meter datagrams go.
    uint32_t peerAddress() const { return m_peerAddress; }

    // One non-blocking read into bytes (cleared first). False when the peer closed the
    // connection or it failed; true otherwise, with or without bytes.
    bool receive(std::vector<uint8_t>& bytes);

    // Queues a frame and sends what the socket takes at once. False when the connection
    // failed or the peer left too much unread.
    bool send(std::span<const uint8_t> frame);
    // Sends queued output; false when the connection failed.
    bool flush();
    bool hasQueuedOutput() const { return !m_out.empty(); }

    // Ends the connection when the object goes: an orderly close, or a reset when
    // setAbort() was called.
    void setAbort() { m_abort = true; }

private:
    int m_socket;
    std::string m_peer;
    uint32_t m_peerAddress;
    std::vector<uint8_t> m_out;
    bool m_abort = false;
};
