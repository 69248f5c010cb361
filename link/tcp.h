#pragma once

#include <QRecursiveMutex>

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

class tcQTcpThrd;

// The unit listens for the control link on this TCP port (0xDA53).
inline constexpr uint16_t CONTROL_PORT = 55891;

// Link status values passed to the status callback.
enum tLinkStatus : int {
    LINK_CLOSED = 0,     // an open socket was shut down and closed
    LINK_CONNECTED = 1,  // a connection attempt succeeded
    LINK_CONNECTING = 2, // a connection attempt begins
    LINK_DESTROYED = 3,  // the endpoint is being destroyed, its thread has stopped
};

// Called on the receive thread for every non-empty read.
using tLinkDataCallback = void (*)(void* context, std::span<const uint8_t> bytes);
// Called on the thread that causes the change (see tcQTcp).
using tLinkStatusCallback = void (*)(void* context, tLinkStatus status);

// What the creator of an endpoint hears from it; copied into the endpoint.
struct tcQTcpCallbacks
{
    void* context = nullptr;                 // handed back as the first argument
    tLinkDataCallback data = nullptr;
    tLinkStatusCallback status = nullptr;    // may be absent
};

// A TCP endpoint that keeps itself connected: its receive thread connects, retries and
// reads, and every change of link status is reported through the status callback.
// Status reports come from the receive thread (connect, failures), from the thread that
// calls close or write (their failures) and from the destroying thread (LINK_DESTROYED).
class tcQTcp
{
public:
    static constexpr size_t RX_BUFFER_SIZE = 8192;
    static constexpr int SOCKET_BUFFER_SIZE = 8192;
    static constexpr std::chrono::seconds CONNECT_WAIT{5};
    static constexpr std::chrono::seconds RECEIVE_WAIT{5};
    static constexpr std::chrono::seconds SEND_DEADLINE{2};

    virtual ~tcQTcp();
    // One connection attempt; true when connected. Called on the receive thread.
    virtual bool open() = 0;

    tcQTcp(const tcQTcp&) = delete;
    tcQTcp& operator=(const tcQTcp&) = delete;

    // Shuts the socket down and closes it, reporting LINK_CLOSED when one was open.
    // Any thread; takes the endpoint's recursive mutex.
    void close();
    // One non-blocking receive: the count read, 0 when nothing is waiting, -1 when not
    // connected or when the peer shut down or the receive failed (the endpoint closes).
    // Called on the receive thread; takes no lock.
    ptrdiff_t read(std::span<uint8_t> buffer);
    // Sends data within SEND_DEADLINE: the count sent (partial counts keep the link),
    // 0 when nothing could be sent (the endpoint closes), -1 when not connected or on a
    // send error (the endpoint closes). Called on the GUI thread; takes no lock.
    ptrdiff_t write(std::span<const uint8_t> data);

protected:
    tcQTcp(uint16_t port, const tcQTcpCallbacks& callbacks);

    // Starts the receive thread; the most-derived constructor calls it last, so the
    // thread never meets a half-built endpoint.
    void startThread();
    // The destructor's work: stop flag, silent close, wait for the thread, then
    // LINK_DESTROYED. The most-derived destructor calls it first, so the thread never
    // meets a half-destroyed endpoint.
    void stopThread();
    // Reports a status unless the endpoint is being destroyed.
    void report(tLinkStatus status);
    // Socket options of every connection: address reuse, linger on with a time-out of 0
    // (a close resets the connection at once), 8192-byte buffers, non-blocking mode.
    static void setOptions(int socket);
    // Waits until the socket is writable, up to CONNECT_WAIT; gives up early when the
    // stop flag is set.
    bool waitWritable(int socket) const;

    // Flags and socket are atomics: the receive thread and the GUI thread both use them.
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_connected{false};
    uint16_t m_port;
    std::atomic<int> m_socket{-1};
    std::array<uint8_t, RX_BUFFER_SIZE> m_rxBuffer{};
    std::unique_ptr<tcQTcpThrd> m_thread;
    tcQTcpCallbacks m_callbacks;
    QRecursiveMutex m_mutex; // guards open and close

private:
    friend class tcQTcpThrd;

    bool waitSent(int socket, std::chrono::steady_clock::time_point deadline) const;
};
