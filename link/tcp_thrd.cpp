#include "link/tcp_thrd.h"

#include "link/tcp.h"

#include <poll.h>

tcQTcpThrd::tcQTcpThrd(tcQTcp* tcp)
    : m_tcp(tcp)
{
}

void tcQTcpThrd::run()
{
    while (!m_tcp->m_stop)
        poll();
}

void tcQTcpThrd::poll()
{
    if (m_tcp->m_connected)
        receive();
    else
        connectOnce();
}

void tcQTcpThrd::receive()
{
    setPriorityOnce(HighestPriority);
    const int socket = m_tcp->m_socket.load();
    if (socket < 0)
        return;
    // poll rather than select: a descriptor number above FD_SETSIZE must not overflow a set.
    pollfd entry{socket, POLLIN, 0};
    const auto wait = std::chrono::milliseconds(tcQTcp::RECEIVE_WAIT);
    if (::poll(&entry, 1, static_cast<int>(wait.count())) <= 0)
        return;
    const ptrdiff_t count = m_tcp->read(m_tcp->m_rxBuffer);
    if (count > 0 && m_tcp->m_callbacks.data)
        m_tcp->m_callbacks.data(m_tcp->m_callbacks.context,
                                std::span<const uint8_t>(m_tcp->m_rxBuffer.data(),
                                                         static_cast<size_t>(count)));
}

void tcQTcpThrd::connectOnce()
{
    setPriorityOnce(LowPriority);
    msleep(1);
    if (m_tcp->m_stop) {
        setPriorityOnce(HighestPriority);
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now < m_nextAttempt)
        return;
    if (m_tcp->open()) {
        m_nextAttempt = now + RECONNECT_INTERVAL;
        m_tcp->m_connected = true;
        m_tcp->report(LINK_CONNECTED);
    } else {
        m_nextAttempt = now + RETRY_INTERVAL;
    }
}

void tcQTcpThrd::setPriorityOnce(Priority priority)
{
    if (priority == m_priority)
        return;
    setPriority(priority);
    m_priority = priority;
}
