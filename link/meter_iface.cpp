#include "link/meter_iface.h"

#include "link/meter_thread.h"

#include <QMutexLocker>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kReceiveWaitSeconds = 3;

int bindUdp(uint16_t port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

void tcMeterThrd::run()
{
    while (!m_meter->m_stop.load())
        m_meter->receiveOnce();
}

METERIFACE::METERIFACE(void* context, tMeterCallback callback)
    : m_context(context), m_callback(callback)
{
    if (!bindFirstFreePort())
        return;
    m_thread = std::make_unique<tcMeterThrd>(this);
    m_thread->start(QThread::HighPriority);
}

METERIFACE::~METERIFACE()
{
    close();
}

bool METERIFACE::bindFirstFreePort()
{
    for (int attempt = 0; attempt < METER_PORT_COUNT; ++attempt, ++m_port) {
        m_socket = bindUdp(m_port);
        if (m_socket >= 0)
            return true;
    }
    return false;
}

uint8_t METERIFACE::nextStreamNumber()
{
    const uint8_t next = static_cast<uint8_t>(m_stream.load() + 1);
    m_stream.store(next);
    return next;
}

bool METERIFACE::accepts(std::span<const uint8_t> datagram, uint8_t stream)
{
    return datagram.size() == METER_DATAGRAM_SIZE
        && std::memcmp(datagram.data(), METER_TAG, METER_TAG_SIZE) == 0
        && datagram[16] == METER_TYPE_LEVELS
        && datagram[17] == stream;
}

void METERIFACE::receiveOnce()
{
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(m_socket, &readable);
    timeval wait{kReceiveWaitSeconds, 0};
    if (::select(m_socket + 1, &readable, nullptr, nullptr, &wait) <= 0)
        return;
    // One byte more than a datagram, so that an oversized one shows as such.
    uint8_t buffer[METER_DATAGRAM_SIZE + 1];
    const ssize_t n = ::recvfrom(m_socket, buffer, sizeof buffer, 0, nullptr, nullptr);
    if (n <= 0 || m_stop.load())
        return;
    const std::span<const uint8_t> datagram(buffer, static_cast<size_t>(n));
    if (!accepts(datagram, m_stream.load()))
        return;
    std::memcpy(m_rxBuffer.data(), buffer, METER_DATAGRAM_SIZE);
    {
        const QMutexLocker lock(&m_latestLock);
        m_latest = m_rxBuffer;
        m_newData = true;
    }
    if (m_callback)
        m_callback(m_context);
}

int METERIFACE::takeLatest(std::span<uint8_t, METER_DATAGRAM_SIZE> out)
{
    const QMutexLocker lock(&m_latestLock);
    if (!m_newData)
        return -1;
    std::memcpy(out.data(), m_latest.data(), METER_DATAGRAM_SIZE);
    m_newData = false;
    return 0;
}

void METERIFACE::close()
{
    m_stop.store(true);
    if (m_socket < 0)
        return;
    // Shutting the socket down ends a pending wait at once; the descriptor itself is
    // closed only after the thread has ended, so the thread never waits on a number
    // that the system has meanwhile handed to another socket.
    ::shutdown(m_socket, SHUT_RDWR);
    while (m_thread && !m_thread->wait(1))
        std::printf("Sleeping in METERIFACE::close()  %c\n", m_thread->isRunning() ? 'R' : ' ');
    m_thread.reset();
    ::close(m_socket);
    m_socket = -1;
}
