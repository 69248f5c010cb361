#pragma once

#include "link/tcp.h"

#include <QString>

#include <cstdint>

// The application's end of the control link to one unit. Created by the main window when
// it goes on line; its thread connects on its own and keeps retrying until deleted.
class tcQTcpClient : public tcQTcp
{
public:
    // address: dotted-decimal IPv4 text, read as inet_addr reads it. The port is
    // CONTROL_PORT except in tests. Never blocks and never connects by itself.
    tcQTcpClient(const QString& address, const tcQTcpCallbacks& callbacks,
                 uint16_t port = CONTROL_PORT);
    // Stops the thread and reports LINK_DESTROYED only. Called on the GUI thread.
    ~tcQTcpClient() override;

    // One connection attempt under the endpoint's mutex: reports LINK_CONNECTING, then
    // LINK_CLOSED when the attempt fails (refused, unreachable within CONNECT_WAIT).
    // Called on the receive thread.
    bool open() override;

private:
    bool startConnect(int socket) const;

    uint32_t m_address; // IPv4, network order
};
