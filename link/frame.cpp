#include "link/frame.h"

#include "link/le_bytes.h"
#include "link/link_globals.h"
#include "link/tcp_client.h"

void frame_send(std::span<uint8_t> frame)
{
    if (frame.size() < FRAME_MIN_LENGTH || frame.size() > FRAME_MAX_LENGTH)
        return;
    putU16Le(frame, 0, FRAME_START);
    putU16Le(frame, 2, static_cast<uint16_t>(frame.size()));
    if (tcQTcpClient* client = tcpClient())
        client->write(frame);
}
