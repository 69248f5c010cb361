#include "sim/sim_server.h"

#include "link/frame_rx.h"
#include "model/global_list.h"
#include "model/param_list.h"
#include "sim/frame_text.h"
#include "sim/unit_answers.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr quint16 IS_LOCAL = 1011;
constexpr quint16 PNTM_PWR = 1014;
constexpr size_t STDIN_LINE_MAX = 1024;
constexpr int POLL_MAX_MS = 1000;
constexpr int READS_PER_ROUND = 16;

// The write end of the pipe through which SIGINT and SIGTERM wake the poll loop.
int s_signalWrite = -1;
// Frames the reassembler completed during one read; the server handles them after it.
std::vector<tcFrame> s_received;

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_signalWrite, &byte, 1);
}

void collectFrame(std::span<const uint8_t> frame, uint16_t, uint16_t)
{
    s_received.emplace_back(frame.begin(), frame.end());
}

int64_t monotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string addressText(const sockaddr_in& address)
{
    std::array<char, INET_ADDRSTRLEN> text{};
    ::inet_ntop(AF_INET, &address.sin_addr, text.data(), text.size());
    return std::string(text.data()) + ":" + std::to_string(ntohs(address.sin_port));
}

tcSimUnit::tcConfig unitConfig(const tcSimOptions& options)
{
    tcSimUnit::tcConfig config;
    config.loginKey = options.loginKey();
    config.flash.fail = options.flashFail;
    config.flash.silentAfter = options.flashSilentAfter;
    return config;
}

} // namespace

tcSimServer::tcSimServer(const tcSimOptions& options, std::FILE* out, std::FILE* err)
    : m_options(options), m_out(out), m_err(err), m_unit(unitConfig(options)), m_meter(options.meterRate)
{
    if (options.bootMac)
        m_boot = std::make_unique<tcBootClient>(*options.bootMac, options.broadcastAddress);
}

tcSimServer::~tcSimServer()
{
    m_connection.reset();
    for (const int fd : {m_listener, m_meterSocket, m_signalPipe[0], m_signalPipe[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
    s_signalWrite = -1;
    frame_set_dispatcher(nullptr);
}

void tcSimServer::say(const std::string& line)
{
    std::fprintf(m_out, "k7sim: %s\n", line.c_str());
    std::fflush(m_out);
}

void tcSimServer::log(const std::string& line)
{
    if (m_options.verbose)
        say(line);
}

void tcSimServer::flushEvents()
{
    for (const std::string& line : m_unit.takeEvents())
        log(line);
}

bool tcSimServer::openSockets()
{
    if (::pipe2(m_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    s_signalWrite = m_signalPipe[1];
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    m_meterSocket = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_listener < 0 || m_meterSocket < 0)
        return false;
    const int on = 1;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(CONTROL_PORT);
    address.sin_addr.s_addr = ::inet_addr(m_options.listenAddress.c_str());
    if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::listen(m_listener, 4) != 0)
        return false;
    if (m_boot) {
        std::string warning;
        const bool opened = m_boot->open(warning);
        if (!warning.empty())
            std::fprintf(m_err, "k7sim: %s\n", warning.c_str());
        if (opened)
            m_boot->restart(monotonicMs());
    }
    return true;
}

int tcSimServer::run()
{
    if (!openSockets()) {
        std::fprintf(m_err, "k7sim: cannot listen on %s:%u: %s\n", m_options.listenAddress.c_str(),
                     unsigned(CONTROL_PORT), std::strerror(errno));
        return 1;
    }
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    frame_set_dispatcher(collectFrame);
    say("listening on " + m_options.listenAddress + ":" + std::to_string(CONTROL_PORT));
    while (!m_quit)
        pollOnce();
    closeConnection("k7sim ends", false);
    say("stopped");
    return 0;
}

int tcSimServer::pollTimeoutMs(int64_t nowMs) const
{
    std::optional<int64_t> due = m_unit.nextDueMs();
    const auto earliest = [&due](std::optional<int64_t> other) {
        if (other && (!due || *other < *due))
            due = other;
    };
    earliest(m_nextMeterMs);
    if (m_boot)
        earliest(m_boot->nextDueMs());
    if (m_loginAtMs && m_options.dropEveryMs)
        earliest(*m_loginAtMs + *m_options.dropEveryMs);
    if (!due)
        return POLL_MAX_MS;
    return static_cast<int>(std::clamp<int64_t>(*due - nowMs, 0, POLL_MAX_MS));
}

void tcSimServer::pollOnce()
{
    enum { SIGNALS, LISTENER, CONNECTION, INPUT, BOOT, COUNT };
    std::array<pollfd, COUNT> fds{};
    fds[SIGNALS] = {m_signalPipe[0], POLLIN, 0};
    fds[LISTENER] = {m_listener, POLLIN, 0};
    fds[CONNECTION] = {m_connection ? m_connection->socket() : -1,
                       short(POLLIN | (m_connection && m_connection->hasQueuedOutput() ? POLLOUT : 0)), 0};
    fds[INPUT] = {m_stdinOpen ? STDIN_FILENO : -1, POLLIN, 0};
    fds[BOOT] = {m_boot ? m_boot->socket() : -1, POLLIN, 0};
    if (::poll(fds.data(), fds.size(), pollTimeoutMs(monotonicMs())) < 0 && errno != EINTR) {
        std::fprintf(m_err, "k7sim: poll failed: %s\n", std::strerror(errno));
        m_quit = true;
        return;
    }
    if (fds[SIGNALS].revents) {
        say("signal received, ending");
        m_quit = true;
        return;
    }
    if (fds[CONNECTION].revents & POLLOUT && m_connection && !m_connection->flush())
        closeConnection("connection failed while sending", false);
    if (fds[CONNECTION].revents & (POLLIN | POLLERR | POLLHUP))
        readConnection(monotonicMs());
    if (fds[LISTENER].revents & POLLIN)
        acceptConnection();
    if (fds[INPUT].revents)
        readStdin();
    if (fds[BOOT].revents & POLLIN) {
        for (const std::string& line : m_boot->readReplies())
            say(line);
    }
    runTimers(monotonicMs());
}

void tcSimServer::acceptConnection()
{
    sockaddr_in peer{};
    socklen_t size = sizeof peer;
    const int socket = ::accept4(m_listener, reinterpret_cast<sockaddr*>(&peer), &size, SOCK_CLOEXEC);
    if (socket < 0)
        return;
    // One control connection at a time: a second one is closed at once (reset), so its
    // client sees the refusal and tries again later.
    if (m_connection) {
        log("refused a second connection from " + addressText(peer));
        const linger reset{1, 0};
        ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        ::close(socket);
        return;
    }
    m_connection = std::make_unique<tcSimConnection>(socket, addressText(peer), peer.sin_addr.s_addr);
    frame_rx_reset();
    m_unit.resetLink();
    log("connection from " + m_connection->peer());
}

void tcSimServer::closeConnection(const std::string& why, bool abort)
{
    if (!m_connection)
        return;
    if (abort)
        m_connection->setAbort();
    log(why + ": " + m_connection->peer());
    m_connection.reset();
    frame_rx_reset();
    m_unit.resetLink();
    m_loginAtMs.reset();
    flushEvents();
}

void tcSimServer::dropMidFrame()
{
    // The link goes down in the middle of a frame: a receiver that does not forget the
    // partial frame would complete it with the first bytes of the next connection.
    const tcFrames blocks = buildAllParams(m_unit.params());
    if (!blocks.empty())
        m_connection->send(std::span<const uint8_t>(blocks.front()).first(blocks.front().size() / 2));
    m_connection->flush();
    closeConnection("drop-every: connection closed in the middle of a frame", false);
}

void tcSimServer::readConnection(int64_t nowMs)
{
    std::vector<uint8_t> bytes;
    // A bounded number of reads per round, so a peer that never stops sending cannot keep
    // the meter stream and the front panel waiting.
    for (int reads = 0; reads < READS_PER_ROUND && m_connection; ++reads) {
        if (!m_connection->receive(bytes)) {
            closeConnection("connection closed by the peer", false);
            return;
        }
        if (bytes.empty())
            return;
        frame_receive(bytes);
        handleFrames(nowMs);
    }
}

void tcSimServer::handleFrames(int64_t nowMs)
{
    std::vector<tcFrame> frames = std::exchange(s_received, {});
    for (const tcFrame& frame : frames) {
        if (!m_connection)
            return;
        log("rx " + describeFrame(frame, true));
        const tcFrames answers = m_unit.handleFrame(frame, nowMs);
        flushEvents();
        sendFrames(answers);
        noteLogin(nowMs);
    }
}

void tcSimServer::sendFrames(const tcFrames& frames)
{
    for (const tcFrame& frame : frames) {
        if (!m_connection)
            return;
        log("tx " + describeFrame(frame, false));
        if (!m_connection->send(frame))
            closeConnection("connection failed or the peer stopped reading", false);
    }
}

void tcSimServer::noteLogin(int64_t nowMs)
{
    if (!m_unit.loggedIn())
        m_loginAtMs.reset();
    else if (!m_loginAtMs)
        m_loginAtMs = nowMs;
}

void tcSimServer::readStdin()
{
    std::array<char, 4096> buffer{};
    const ssize_t count = ::read(STDIN_FILENO, buffer.data(), buffer.size());
    // At the end of its input k7sim keeps serving; only "quit" or a signal ends it.
    if (count <= 0) {
        m_stdinOpen = false;
        if (!m_stdinLine.empty())
            execute(tcPanelCommand::parse(std::exchange(m_stdinLine, {})));
        return;
    }
    for (ssize_t i = 0; i < count; ++i) {
        const char c = buffer[static_cast<size_t>(i)];
        if (c == '\n') {
            execute(tcPanelCommand::parse(std::exchange(m_stdinLine, {})));
        } else if (c != '\r' && m_stdinLine.size() < STDIN_LINE_MAX) {
            m_stdinLine += c;
        }
    }
}

void tcSimServer::execute(const tcPanelCommand& command)
{
    const auto setGlobal = [this](uint16_t id, uint32_t value) {
        sendFrames(m_unit.panelSetGlobal(id, value));
        say(std::to_string(id) + " " + m_unit.globals().nameText(id).toStdString() + " = "
            + m_unit.globals().valueText(id).toStdString());
    };
    switch (command.kind) {
    case tcPanelCommand::EMPTY:
        return;
    case tcPanelCommand::INVALID:
        say(command.error);
        return;
    case tcPanelCommand::SET:
        sendFrames(paramType(command.id) == TYPE_BOOL ? m_unit.panelSetBool(command.id, command.on)
                                                      : m_unit.panelSetFloat(command.id, command.value));
        say(std::to_string(command.id) + " " + m_unit.params().nameText(command.id).toStdString() + " = "
            + m_unit.params().valueText(command.id).toStdString());
        return;
    case tcPanelCommand::GLOBAL:
        setGlobal(command.id, globalType(command.id) == TYPE_BOOL ? uint32_t(command.on) : command.raw);
        return;
    case tcPanelCommand::LOCAL:
        setGlobal(IS_LOCAL, command.on);
        return;
    case tcPanelCommand::PHANTOM:
        setGlobal(PNTM_PWR, command.on);
        return;
    case tcPanelCommand::MUTE:
        executeMute(command.on);
        return;
    case tcPanelCommand::DROP:
    case tcPanelCommand::RESET:
        executeDrop(command.kind == tcPanelCommand::RESET);
        return;
    case tcPanelCommand::SHOW:
        show();
        return;
    case tcPanelCommand::BOOT:
        if (m_boot && m_boot->socket() >= 0)
            m_boot->restart(monotonicMs());
        say(m_boot ? "boot: asking again" : "boot mode needs --boot MAC --broadcast ADDR");
        return;
    case tcPanelCommand::HELP:
        std::fputs(tcPanelCommand::helpText().c_str(), m_out);
        std::fflush(m_out);
        return;
    case tcPanelCommand::QUIT:
        m_quit = true;
        return;
    }
}

void tcSimServer::executeMute(bool on)
{
    m_unit.setMuted(on);
    say(on ? "muted: messages are read and ignored, nothing is sent" : "answering again");
}

void tcSimServer::executeDrop(bool abort)
{
    if (!m_connection) {
        say("no connection");
        return;
    }
    closeConnection(abort ? "connection reset from the front panel" : "connection dropped from the front panel",
                    abort);
    say(abort ? "connection reset" : "connection dropped");
}

void tcSimServer::show()
{
    for (int i = 0; i < PARAM_COUNT; ++i) {
        const uint16_t id = PARAM_LIST[i].id;
        say("  " + std::to_string(id) + " " + m_unit.params().nameText(id).toStdString() + " = "
            + m_unit.params().valueText(id).toStdString());
    }
    for (const tcGlobalRecord& record : GLOBAL_LIST) {
        say("  " + std::to_string(record.id) + " " + record.name + " = "
            + m_unit.globals().valueText(record.id).toStdString());
    }
    say("  preset \"" + printableText(m_unit.header().nameString()) + "\"");
    std::string link = m_connection ? "connected to " + m_connection->peer() : "no connection";
    if (m_connection)
        link += m_unit.loggedIn() ? ", logged in" : ", not logged in";
    if (const std::optional<tcMeterTarget> target = m_unit.meterTarget())
        link += ", meter stream " + std::to_string(target->stream) + " to port " + std::to_string(target->port);
    say("  " + link + (m_unit.muted() ? ", muted" : ""));
}

void tcSimServer::runTimers(int64_t nowMs)
{
    if (m_connection) {
        sendFrames(m_unit.tick(nowMs));
        flushEvents();
    }
    if (m_connection && m_loginAtMs && m_options.dropEveryMs && nowMs >= *m_loginAtMs + *m_options.dropEveryMs)
        dropMidFrame();
    sendMeter(nowMs);
    if (m_boot) {
        if (const std::string line = m_boot->sendIfDue(nowMs); !line.empty())
            log(line);
    }
}

void tcSimServer::sendMeter(int64_t nowMs)
{
    const std::optional<tcMeterTarget> target = m_unit.meterTarget();
    const bool streaming = m_connection && target && m_unit.loggedIn() && !m_unit.muted() && m_options.meterRate > 0;
    if (!streaming) {
        if (m_streaming)
            log("meter stream " + std::to_string(m_streaming->stream) + " stopped");
        m_streaming.reset();
        m_nextMeterMs.reset();
        return;
    }
    if (!m_streaming || m_streaming->port != target->port || m_streaming->stream != target->stream) {
        m_streaming = target;
        m_nextMeterMs = nowMs;
        log("sending meter datagrams of stream " + std::to_string(target->stream) + " to "
            + m_connection->peer().substr(0, m_connection->peer().find(':')) + ":" + std::to_string(target->port)
            + ", " + std::to_string(m_options.meterRate) + " a second");
    }
    if (nowMs < *m_nextMeterMs)
        return;
    const int64_t period = 1000 / m_options.meterRate;
    m_nextMeterMs = *m_nextMeterMs + period;
    // Late by a whole period (a busy host): skip ahead rather than send a burst.
    if (*m_nextMeterMs <= nowMs)
        m_nextMeterMs = nowMs + period;
    const tMeterDatagram datagram = m_meter.next(m_unit.params(), m_unit.globals(), target->stream);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(target->port);
    where.sin_addr.s_addr = m_connection->peerAddress();
    // A receiver that is not (yet) there is no error for the unit.
    ::sendto(m_meterSocket, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&where),
             sizeof where);
}
