#include "link/link_globals.h"

#include <atomic>

namespace {

std::atomic<tcQTcpClient*> g_tcpClient{nullptr};

} // namespace

tcQTcpClient* tcpClient()
{
    return g_tcpClient.load();
}

void setTcpClient(tcQTcpClient* client)
{
    g_tcpClient.store(client);
}

void clearTcpClient()
{
    g_tcpClient.store(nullptr);
}
