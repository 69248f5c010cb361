#pragma once

#include "sim/boot_client.h"
#include "sim/panel_command.h"
#include "sim/sim_connection.h"
#include "sim/sim_meter.h"
#include "sim/sim_options.h"
#include "sim/sim_unit.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The k7sim program around the simulated unit: one thread, one poll() loop over the
// listening socket, the control connection, standard input, the boot socket and the
// timers of the meter stream, the firmware reports, the boot requests and the soak
// drops. It ends on "quit", SIGINT or SIGTERM.
class tcSimServer
{
public:
    static constexpr uint16_t CONTROL_PORT = 55891;

    // Lines go to out: the listening line, boot replies, front-panel answers and, with
    // --verbose, one line per event; errors go to err.
    tcSimServer(const tcSimOptions& options, std::FILE* out, std::FILE* err);
    ~tcSimServer();
    tcSimServer(const tcSimServer&) = delete;
    tcSimServer& operator=(const tcSimServer&) = delete;

    // Opens the sockets and serves until told to end. Returns the exit code: 0 after a
    // clean end, 1 when the control port could not be opened.
    int run();

private:
    bool openSockets();
    int pollTimeoutMs(int64_t nowMs) const;
    void pollOnce();
    void acceptConnection();
    void readConnection(int64_t nowMs);
    void handleFrames(int64_t nowMs);
    // Ends the connection after sending half of a parameter block (--drop-every).
    void dropMidFrame();
    void closeConnection(const std::string& why, bool abort);
    void sendFrames(const tcFrames& frames);
    void noteLogin(int64_t nowMs);
    void readStdin();
    void execute(const tcPanelCommand& command);
    void executeMute(bool on);
    void executeDrop(bool abort);
    void show();
    void runTimers(int64_t nowMs);
    void sendMeter(int64_t nowMs);
    void flushEvents();
    void say(const std::string& line);
    void log(const std::string& line);

    tcSimOptions m_options;
    std::FILE* m_out;
    std::FILE* m_err;
    tcSimUnit m_unit;
    tcSimMeter m_meter;
    std::unique_ptr<tcSimConnection> m_connection;
    std::unique_ptr<tcBootClient> m_boot;
    int m_listener = -1;
    int m_meterSocket = -1;
    int m_signalPipe[2] = {-1, -1};
    bool m_stdinOpen = true;
    std::string m_stdinLine;
    bool m_quit = false;
    std::optional<int64_t> m_loginAtMs; // when the current connection's login was accepted
    std::optional<int64_t> m_nextMeterMs;
    std::optional<tcMeterTarget> m_streaming; // the stream being sent, for its log line
};
