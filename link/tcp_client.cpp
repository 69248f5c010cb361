#include "link/tcp_client.h"

#include <cerrno>
#include <cstdio>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

// The connect ended well once the socket is writable and holds no pending error.
bool connectSucceeded(int socket)
{
    int error = 0;
    socklen_t size = sizeof error;
    return ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

} // namespace

tcQTcpClient::tcQTcpClient(const QString& address, const tcQTcpCallbacks& callbacks,
                           uint16_t port)
    : tcQTcp(port, callbacks), m_address(::inet_addr(address.toLatin1().constData()))
{
    startThread();
}

tcQTcpClient::~tcQTcpClient()
{
    stopThread();
}

bool tcQTcpClient::open()
{
    QMutexLocker lock(&m_mutex);
    if (m_connected)
        close();
    report(LINK_CONNECTING);
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        std::perror("socket call failed");
        return false;
    }
    setOptions(socket);
    m_socket = socket;
    // A writable socket alone does not mean connected: a refused connect also wakes the
    // wait, so the socket's pending error decides.
    if (startConnect(socket) && waitWritable(socket) && connectSucceeded(socket))
        return true;
    close();
    return false;
}

bool tcQTcpClient::startConnect(int socket) const
{
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(m_port);
    peer.sin_addr.s_addr = m_address;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0)
        return true;
    return errno == EINPROGRESS || errno == EINTR;
}
