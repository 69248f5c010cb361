#pragma once

#include <QMutex>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

class tcMeterThrd;

inline constexpr uint16_t METER_PORT_BASE = 60001;
inline constexpr int METER_PORT_COUNT = 10;
inline constexpr size_t METER_DATAGRAM_SIZE = 528;
// The first 16 bytes of every meter datagram (no terminator).
inline constexpr char METER_TAG[] = "TB_K7_METERMSG__";
inline constexpr size_t METER_TAG_SIZE = 16;
inline constexpr uint8_t METER_TYPE_LEVELS = 1;

using tMeterDatagram = std::array<uint8_t, METER_DATAGRAM_SIZE>;
// Called on the meter thread after a datagram was kept.
using tMeterCallback = void (*)(void* context);

// Receives the unit's meter datagrams on the first free UDP port of 60001-60010 and keeps
// only the newest one that carries the current stream number; the GUI thread takes it
// from time to time. Created by the main window before the first connection.
class METERIFACE
{
public:
    // Binds the first free port of 60001-60010 and starts the receive thread. When all ten
    // are taken the receiver stays inert (no socket, no thread) and port() reads 60011.
    explicit METERIFACE(void* context = nullptr, tMeterCallback callback = nullptr);
    ~METERIFACE();

    METERIFACE(const METERIFACE&) = delete;
    METERIFACE& operator=(const METERIFACE&) = delete;

    uint16_t port() const { return m_port; }
    bool isBound() const { return m_socket >= 0; }

    // The stream number the unit must stamp into its datagrams. GUI thread; the meter
    // thread reads it.
    uint8_t streamNumber() const { return m_stream.load(); }
    void setStreamNumber(uint8_t stream) { m_stream.store(stream); }
    // Moves to the next stream number (255 is followed by 0) and returns it.
    uint8_t nextStreamNumber();

    // Copies the newest datagram out when one arrived since the last take: 0, else -1.
    // GUI thread; takes the buffer lock.
    int takeLatest(std::span<uint8_t, METER_DATAGRAM_SIZE> out);

    // Stops the thread and releases the socket; waits for the thread to end. Any later
    // call does nothing. GUI thread.
    void close();

    // Whether a received datagram is one the receiver keeps for the given stream number.
    static bool accepts(std::span<const uint8_t> datagram, uint8_t stream);

private:
    friend class tcMeterThrd;

    bool bindFirstFreePort();
    // One wait for a datagram and its filtering; called on the meter thread.
    void receiveOnce();

    uint16_t m_port = METER_PORT_BASE;
    void* m_context;
    tMeterCallback m_callback;
    std::atomic<uint8_t> m_stream{0};
    tMeterDatagram m_rxBuffer{};
    tMeterDatagram m_latest{};
    bool m_newData = false;
    QMutex m_latestLock; // guards m_latest and m_newData
    std::unique_ptr<tcMeterThrd> m_thread;
    int m_socket = -1;
    std::atomic<bool> m_stop{false};
};
