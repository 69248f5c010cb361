#pragma once

#include <QThread>

class METERIFACE;

// The receive thread of the meter receiver: waits for datagrams until stopped.
class tcMeterThrd : public QThread
{
public:
    explicit tcMeterThrd(METERIFACE* meter) : m_meter(meter) {}

protected:
    void run() override;

private:
    METERIFACE* m_meter;
};
