#include "sim/sim_connection.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr size_t READ_SIZE = 8192;
// Keep-alive: first probe after 10 s of silence, then every 2 s, given up after 3.
constexpr int KEEPALIVE_IDLE = 10, KEEPALIVE_INTERVAL = 2, KEEPALIVE_COUNT = 3;

void setOption(int socket, int level, int name, int value)
{
    ::setsockopt(socket, level, name, &value, sizeof value);
}

} // namespace

tcSimConnection::tcSimConnection(int socket, std::string peer, uint32_t peerAddress)
    : m_socket(socket), m_peer(std::move(peer)), m_peerAddress(peerAddress)
{
    ::fcntl(m_socket, F_SETFL, ::fcntl(m_socket, F_GETFL) | O_NONBLOCK);
    setOption(m_socket, IPPROTO_TCP, TCP_NODELAY, 1);
    setOption(m_socket, SOL_SOCKET, SO_KEEPALIVE, 1);
    setOption(m_socket, IPPROTO_TCP, TCP_KEEPIDLE, KEEPALIVE_IDLE);
    setOption(m_socket, IPPROTO_TCP, TCP_KEEPINTVL, KEEPALIVE_INTERVAL);
    setOption(m_socket, IPPROTO_TCP, TCP_KEEPCNT, KEEPALIVE_COUNT);
}

tcSimConnection::~tcSimConnection()
{
    if (m_abort) {
        const linger reset{1, 0};
        ::setsockopt(m_socket, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    } else {
        flush();
        ::shutdown(m_socket, SHUT_RDWR);
    }
    ::close(m_socket);
}

bool tcSimConnection::receive(std::vector<uint8_t>& bytes)
{
    bytes.resize(READ_SIZE);
    const ssize_t count = ::recv(m_socket, bytes.data(), bytes.size(), MSG_DONTWAIT);
    if (count > 0) {
        bytes.resize(static_cast<size_t>(count));
        return true;
    }
    bytes.clear();
    return count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
}

bool tcSimConnection::send(std::span<const uint8_t> frame)
{
    m_out.insert(m_out.end(), frame.begin(), frame.end());
    return flush() && m_out.size() <= MAX_QUEUED;
}

bool tcSimConnection::flush()
{
    while (!m_out.empty()) {
        const ssize_t sent = ::send(m_socket, m_out.data(), m_out.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        m_out.erase(m_out.begin(), m_out.begin() + sent);
    }
    return true;
}
