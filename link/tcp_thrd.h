#pragma once

#include <QThread>

#include <chrono>

class tcQTcp;

// The receive thread of one endpoint: connects while the link is down (one attempt
// about every RETRY_INTERVAL while attempts fail) and reads while it is up, until the endpoint's stop flag
// is set. Runs the data callback and so the reassembler and the message handlers.
class tcQTcpThrd : public QThread
{
    Q_OBJECT

public:
    // After a failed attempt the next begins this long after it started, so a refusing
    // unit is not hammered.
    static constexpr std::chrono::seconds RETRY_INTERVAL{5};
    // After a connection that was made and then lost, the next attempt may begin this
    // soon after the previous one: a lost link comes back at once, while a unit that
    // accepts and drops straight away still is not hammered.
    static constexpr std::chrono::milliseconds RECONNECT_INTERVAL{100};

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
