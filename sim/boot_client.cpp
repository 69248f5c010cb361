#include "sim/boot_client.h"

#include <array>
#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr size_t RECEIVE_SIZE = 1500;

sockaddr_in portAddress(in_addr_t address)
{
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(BOOT_PORT);
    where.sin_addr.s_addr = address;
    return where;
}

} // namespace

tcBootClient::tcBootClient(const tcMacAddress& mac, const std::string& broadcast)
    : m_mac(mac), m_broadcast(broadcast)
{
}

tcBootClient::~tcBootClient()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

bool tcBootClient::open(std::string& warning)
{
    warning.clear();
    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_socket < 0) {
        warning = std::string("boot: no UDP socket: ") + std::strerror(errno);
        return false;
    }
    const int on = 1;
    ::setsockopt(m_socket, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    ::setsockopt(m_socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const sockaddr_in any = portAddress(htonl(INADDR_ANY));
    if (::bind(m_socket, reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0)
        warning = std::string("boot: cannot bind UDP port 2898 (") + std::strerror(errno)
            + "); requests are sent, but replies will not be heard";
    return true;
}

void tcBootClient::restart(int64_t nowMs)
{
    m_nextMs = nowMs;
}

std::string tcBootClient::sendIfDue(int64_t nowMs)
{
    if (!m_nextMs || nowMs < *m_nextMs || m_socket < 0)
        return {};
    m_nextMs = nowMs + REQUEST_EVERY_MS;
    const std::vector<uint8_t> request = buildBootRequest(m_mac);
    const sockaddr_in where = portAddress(::inet_addr(m_broadcast.c_str()));
    if (::sendto(m_socket, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&where),
                 sizeof where) < 0)
        return "boot: request to " + m_broadcast + " failed: " + std::strerror(errno);
    return "boot: request for " + macText(m_mac) + " sent to " + m_broadcast + ":2898";
}

std::vector<std::string> tcBootClient::readReplies()
{
    std::vector<std::string> lines;
    std::array<uint8_t, RECEIVE_SIZE> buffer{};
    for (;;) {
        const ssize_t count = ::recv(m_socket, buffer.data(), buffer.size(), MSG_DONTWAIT);
        if (count < 0)
            break;
        const std::optional<tcBootReply> reply =
            parseBootReply(std::span<const uint8_t>(buffer.data(), static_cast<size_t>(count)));
        if (!reply)
            continue;
        lines.push_back(reply->text());
        if (reply->mac == m_mac && m_nextMs) {
            m_nextMs.reset();
            lines.push_back("boot: reply for our MAC taken; no more requests (\"boot\" asks again)");
        }
    }
    return lines;
}
