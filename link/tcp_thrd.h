#pragma once

#include <QThread>

#include <chrono>

class tcQTcp;

// The receive thread of one endpoint: connects while the link is down (one attempt
// about every RETRY_INTERVAL) and reads while it is up, until the endpoint's stop flag
// is set. Runs the data callback and so the reassembler and the message handlers.
class tcQTcpThrd : public QThread
{
    Q_OBJECT

public:
    // Attempts begin at least this far apart, so a refusing unit is not hammered.
    static constexpr std::chrono::seconds RETRY_INTERVAL{5};

    explicit tcQTcpThrd(tcQTcp* tcp);

protected:
    void run() override;

private:
    void poll();
    void receive();
    void connectOnce();
    void setPriorityOnce(Priority priority);

    tcQTcp* m_tcp;
    Priority m_priority = HighestPriority; // the priority the thread is started with
    std::chrono::steady_clock::time_point m_nextAttempt{};
};
