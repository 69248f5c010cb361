#include "link/tcp.h"

#include "link/tcp_thrd.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// How often a wait for a connection looks at the stop flag.
constexpr std::chrono::milliseconds STOP_CHECK{20};

bool wouldBlock(int error)
{
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

int pollMs(std::chrono::steady_clock::duration wait)
{
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(wait).count());
}

} // namespace

tcQTcp::tcQTcp(uint16_t port, const tcQTcpCallbacks& callbacks)
    : m_port(port), m_thread(std::make_unique<tcQTcpThrd>(this)), m_callbacks(callbacks)
{
}

tcQTcp::~tcQTcp() = default;

void tcQTcp::startThread()
{
    m_thread->start(QThread::HighestPriority);
}

void tcQTcp::stopThread()
{
    m_stop = true;
    close(); // silent: report() drops everything once the stop flag is set
    while (!m_thread->isFinished())
        QThread::msleep(1);
    if (m_callbacks.status)
        m_callbacks.status(m_callbacks.context, LINK_DESTROYED);
    m_thread.reset();
}

void tcQTcp::report(tLinkStatus status)
{
    if (!m_stop && m_callbacks.status)
        m_callbacks.status(m_callbacks.context, status);
}

void tcQTcp::close()
{
    QMutexLocker lock(&m_mutex);
    m_connected = false;
    const int socket = m_socket.exchange(-1);
    if (socket < 0)
        return;
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
    report(LINK_CLOSED);
}

ptrdiff_t tcQTcp::read(std::span<uint8_t> buffer)
{
    const int socket = m_socket.load();
    if (!m_connected || socket < 0)
        return -1;
    if (buffer.empty())
        return 0;
    const ssize_t count = ::recv(socket, buffer.data(), buffer.size(), MSG_DONTWAIT);
    if (count > 0)
        return count;
    if (count < 0 && wouldBlock(errno))
        return 0;
    close(); // the peer shut down (count 0) or the receive failed
    return -1;
}

ptrdiff_t tcQTcp::write(std::span<const uint8_t> data)
{
    const int socket = m_socket.load();
    if (!m_connected || socket < 0)
        return -1;
    if (data.empty())
        return 0;
    // A monotonic clock, so that a change of the wall clock never cuts or stretches the wait.
    const auto deadline = std::chrono::steady_clock::now() + SEND_DEADLINE;
    size_t sent = 0;
    for (;;) {
        // MSG_NOSIGNAL: a peer that reset the link yields an error here, not SIGPIPE.
        const ssize_t count = ::send(socket, data.data() + sent, data.size() - sent,
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count > 0)
            sent += static_cast<size_t>(count);
        else if (count < 0 && !wouldBlock(errno)) {
            close();
            return -1;
        }
        if (sent == data.size() || !waitSent(socket, deadline))
            break;
    }
    if (sent == 0) {
        close();
        return 0;
    }
    return static_cast<ptrdiff_t>(sent);
}

bool tcQTcp::waitSent(int socket, std::chrono::steady_clock::time_point deadline) const
{
    const auto remaining = deadline - std::chrono::steady_clock::now();
    if (remaining <= std::chrono::steady_clock::duration::zero())
        return false;
    // Sleeps until the socket takes more bytes instead of spinning on would-block.
    pollfd entry{socket, POLLOUT, 0};
    ::poll(&entry, 1, pollMs(remaining));
    return true;
}

bool tcQTcp::waitWritable(int socket) const
{
    const auto deadline = std::chrono::steady_clock::now() + CONNECT_WAIT;
    pollfd entry{socket, POLLOUT, 0};
    // The wait is cut into short slices so that destroying the endpoint never waits for
    // a hanging connect; the whole wait is still CONNECT_WAIT.
    while (!m_stop) {
        const auto remaining = deadline - std::chrono::steady_clock::now();
        if (remaining <= std::chrono::steady_clock::duration::zero())
            return false;
        const int ready = ::poll(&entry, 1, pollMs(std::min<std::chrono::steady_clock::duration>(
                                                 remaining, STOP_CHECK)));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
    return false;
}

void tcQTcp::setOptions(int socket)
{
    const int on = 1;
    ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const linger resetOnClose{1, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &resetOnClose, sizeof resetOnClose);
    const int size = SOCKET_BUFFER_SIZE;
    ::setsockopt(socket, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    ::setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
    ::fcntl(socket, F_SETFL, ::fcntl(socket, F_GETFL) | O_NONBLOCK);
}
