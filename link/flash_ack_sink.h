#pragma once

#include <QByteArray>

#include <cstdint>

// Receives the unit's flash acknowledgements while a firmware download runs.
class tcFlashAckSink
{
public:
    virtual ~tcFlashAckSink() = default;
    // Called on the link's receive thread while the sink is installed; must only hand
    // the report on (a queued signal), never wait for the GUI thread.
    virtual void flashAck(uint16_t block, uint16_t total, uint16_t status, const QByteArray& text) = 0;
};
