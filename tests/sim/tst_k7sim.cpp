#include "frame_bytes.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

// The k7sim program over loopback: start, listening line, control connection, meter stream,
// front panel on standard input, drops, boot mode and ending. Addresses 127.0.0.50 to .57.
namespace {

constexpr uint16_t CONTROL_PORT = 55891;

sockaddr_in addressOf(const char* host, uint16_t port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = ::inet_addr(host);
    return address;
}

// A started k7sim and everything it printed.
class tcSimProcess
{
public:
    explicit tcSimProcess(const QStringList& args)
    {
        m_process.setProgram(QStringLiteral(K7SIM_PATH));
        m_process.setArguments(args);
        m_process.start();
    }
    ~tcSimProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // Waits until a line holding text was printed (true) or ms passed (false).
    bool waitFor(const QByteArray& text, int ms = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            m_output += m_process.readAllStandardOutput();
            if (m_output.contains(text))
                return true;
            if (timer.elapsed() > ms || m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(50);
        }
    }
    void type(const QByteArray& line)
    {
        m_process.write(line + "\n");
        m_process.waitForBytesWritten(1000);
    }
    QProcess& process() { return m_process; }
    const QByteArray& output() const { return m_output; }

private:
    QProcess m_process;
    QByteArray m_output;
};

// A control-link client bound to its own loopback address, so the meter stream comes back to it.
class tcClient
{
public:
    tcClient(const char* local, const char* server)
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in self = addressOf(local, 0);
        const sockaddr_in peer = addressOf(server, CONTROL_PORT);
        m_connected = ::bind(m_socket, reinterpret_cast<const sockaddr*>(&self), sizeof self) == 0
            && ::connect(m_socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0;
    }
    ~tcClient() { ::close(m_socket); }
    bool connected() const { return m_connected; }

    void send(const Bytes& frame) { QCOMPARE(::send(m_socket, frame.data(), frame.size(), MSG_NOSIGNAL), ssize_t(frame.size())); }

    // Frames read within ms; closed() tells whether the server ended the connection.
    std::vector<Bytes> frames(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_closed && timer.elapsed() < ms) {
            pollfd fd{m_socket, POLLIN, 0};
            if (::poll(&fd, 1, 20) <= 0)
                continue;
            uint8_t buffer[8192];
            const ssize_t count = ::recv(m_socket, buffer, sizeof buffer, 0);
            if (count <= 0) {
                m_closed = true;
                m_reset = count < 0 && errno == ECONNRESET;
                break;
            }
            m_bytes.insert(m_bytes.end(), buffer, buffer + count);
        }
        std::vector<Bytes> out;
        size_t at = 0;
        while (m_bytes.size() - at >= 4) {
            const size_t length = m_bytes[at + 2] | m_bytes[at + 3] << 8;
            if (m_bytes.size() - at < length || length < 4)
                break;
            out.emplace_back(m_bytes.begin() + at, m_bytes.begin() + at + length);
            at += length;
        }
        m_bytes.erase(m_bytes.begin(), m_bytes.begin() + at);
        return out;
    }
    bool closed() const { return m_closed; }
    bool wasReset() const { return m_reset; }
    // Bytes received that do not yet make a whole frame.
    size_t pending() const { return m_bytes.size(); }

private:
    int m_socket = -1;
    bool m_connected = false;
    bool m_closed = false;
    bool m_reset = false;
    Bytes m_bytes;
};

Bytes login(uint32_t key)
{
    Bytes frame = frameOf(12, 20);
    put32(frame, 8, key);
    return frame;
}

int codeOf(const Bytes& frame)
{
    return frame[4] | frame[5] << 8;
}

// A UDP socket on an ephemeral port of address, for meter datagrams.
class tcMeterSocket
{
public:
    explicit tcMeterSocket(const char* address)
    {
        m_socket = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in self = addressOf(address, 0);
        ::bind(m_socket, reinterpret_cast<const sockaddr*>(&self), sizeof self);
        socklen_t size = sizeof self;
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&self), &size);
        m_port = ntohs(self.sin_port);
    }
    ~tcMeterSocket() { ::close(m_socket); }
    uint16_t port() const { return m_port; }

    // Datagrams received within ms.
    std::vector<Bytes> receive(int ms)
    {
        std::vector<Bytes> out;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            pollfd fd{m_socket, POLLIN, 0};
            if (::poll(&fd, 1, 20) <= 0)
                continue;
            uint8_t buffer[2048];
            const ssize_t count = ::recv(m_socket, buffer, sizeof buffer, 0);
            if (count >= 0)
                out.emplace_back(buffer, buffer + count);
        }
        return out;
    }

private:
    int m_socket = -1;
    uint16_t m_port = 0;
};

} // namespace

class tst_K7sim : public QObject
{
    Q_OBJECT

private slots:
    void badOptionsEndWithAMessage()
    {
        QProcess process;
        process.start(QStringLiteral(K7SIM_PATH), {"--meter-rate", "fast"});
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("--meter-rate: wants a whole number"));
    }

    void servesOneConnectionAtATimeAndQuitsOnQuit()
    {
        tcSimProcess sim({"--listen", "127.0.0.50", "--password", "secret", "--meter-rate", "0"});
        QVERIFY(sim.waitFor("k7sim: listening on 127.0.0.50:55891"));
        tcClient first("127.0.0.50", "127.0.0.50");
        QVERIFY(first.connected());
        first.send(login(0x5CA2E8E5)); // CRC-32 of "secret"
        const std::vector<Bytes> answers = first.frames(500);
        QCOMPARE(answers.size(), size_t(3));
        QCOMPARE(answers[0], bytes({0xA5, 0xA5, 0x0C, 0x00, 0x14, 0x00, 0x02, 0x00, 0, 0, 0, 0}));
        QCOMPARE(codeOf(answers[1]), 4);
        QCOMPARE(codeOf(answers[2]), 15);

        tcClient second("127.0.0.50", "127.0.0.50");
        second.frames(300);
        QVERIFY(second.closed());

        sim.type("quit");
        QVERIFY(sim.process().waitForFinished(5000));
        QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process().exitCode(), 0);
    }

    void endsCleanlyOnSigterm()
    {
        tcSimProcess sim({"--listen", "127.0.0.51"});
        QVERIFY(sim.waitFor("listening on"));
        ::kill(pid_t(sim.process().processId()), SIGTERM);
        QVERIFY(sim.process().waitForFinished(5000));
        QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process().exitCode(), 0);
        QVERIFY(sim.waitFor("k7sim: stopped"));
    }

    void dropEveryEndsEachLoggedInConnectionMidFrame()
    {
        tcSimProcess sim({"--listen", "127.0.0.52", "--drop-every", "150", "--meter-rate", "0"});
        QVERIFY(sim.waitFor("listening on"));
        for (int round = 0; round < 5; ++round) {
            tcClient client("127.0.0.52", "127.0.0.52");
            QVERIFY(client.connected());
            client.send(login(round));
            QCOMPARE(client.frames(100).size(), size_t(3));
            QVERIFY(client.frames(1000).empty());
            QVERIFY(client.closed());
            QVERIFY(!client.wasReset());
            QCOMPARE(client.pending(), size_t(1204 / 2)); // half a parameter block
        }
    }

    void metersStreamToTheAnnouncedPortUntilMuted()
    {
        tcSimProcess sim({"--listen", "127.0.0.53", "--meter-rate", "50"});
        QVERIFY(sim.waitFor("listening on"));
        tcClient client("127.0.0.53", "127.0.0.53");
        tcMeterSocket meter("127.0.0.53");
        client.send(login(1));
        Bytes start = frameOf(10, 11);
        put16(start, 6, meter.port());
        start[8] = 42;
        client.send(start);
        const std::vector<Bytes> datagrams = meter.receive(500);
        QVERIFY2(datagrams.size() >= 10, qPrintable(QString::number(datagrams.size())));
        for (const Bytes& datagram : datagrams) {
            QCOMPARE(datagram.size(), size_t(528));
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(datagram.data()), 18), QByteArray("TB_K7_METERMSG__\x01\x2A", 18));
        }
        sim.type("mute on");
        QVERIFY(sim.waitFor("muted"));
        meter.receive(100); // what was under way
        QVERIFY(meter.receive(300).empty());
    }

    void frontPanelChangesReachTheApplication()
    {
        tcSimProcess sim({"--listen", "127.0.0.54", "--meter-rate", "0"});
        QVERIFY(sim.waitFor("listening on"));
        tcClient client("127.0.0.54", "127.0.0.54");
        client.send(login(1));
        QCOMPARE(client.frames(300).size(), size_t(3));
        sim.type("set 2100 30");
        sim.type("phantom on");
        QCOMPARE(client.frames(500), (std::vector<Bytes>{paramsBlock({{2100, floatBits(30.0f)}}),
                                                         globalsBlock({{1014, 1}})}));
        QVERIFY(sim.waitFor("k7sim: 2100 In Gain = +30.0 dB"));
        sim.type("drop");
        client.frames(500);
        QVERIFY(client.closed());
    }

    void verboseShowsTheConversation()
    {
        tcSimProcess sim({"--listen", "127.0.0.55", "--verbose", "--meter-rate", "0"});
        QVERIFY(sim.waitFor("listening on"));
        tcClient client("127.0.0.55", "127.0.0.55");
        client.send(login(0x1234));
        client.send(frameOf(6, 21));
        client.frames(300);
        QVERIFY(sim.waitFor("k7sim: tx MSG_PRESET_HEADER \"Unknown\""));
        for (const char* line : {"k7sim: connection from 127.0.0.55:", "k7sim: rx MSG_LOGIN key 0x00001234 (12 bytes)",
                                 "k7sim: login accepted", "k7sim: tx MSG_LOGIN result 2 (accepted) (12 bytes)",
                                 "k7sim: rx MSG_HEADER_QUERY (6 bytes)"})
            QVERIFY2(sim.output().contains(line), line);
    }

    void bootModeAsksAndPrintsTheReply()
    {
        // A boot server on port 2898 of this host, sharing the port as k7sim does.
        const int server = ::socket(AF_INET, SOCK_DGRAM, 0);
        const int on = 1;
        ::setsockopt(server, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        ::setsockopt(server, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        const sockaddr_in any = addressOf("0.0.0.0", 2898);
        QCOMPARE(::bind(server, reinterpret_cast<const sockaddr*>(&any), sizeof any), 0);
        // Requests and replies go to the loopback broadcast address, which every socket on
        // port 2898 hears (a unicast datagram would reach only one of the sharing sockets).
        tcSimProcess sim({"--listen", "127.0.0.56", "--boot", "00:1a:2b:3c:4d:5e", "--broadcast", "127.255.255.255"});
        QVERIFY(sim.waitFor("listening on"));
        pollfd fd{server, POLLIN, 0};
        QCOMPARE(::poll(&fd, 1, 3000), 1);
        uint8_t request[1500];
        QCOMPARE(::recv(server, request, sizeof request, 0), ssize_t(33));
        const Bytes reply = bytes({'T', 'O', 'L', 'L', 'B', 'R', 'D', 'G', 'B', 'O', 'O', 'T', 'S', 'R', 'V', 'R',
                                   0, 0, 1, 1, 1, 0, 1, 8, 3, 0, 6, 0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E,
                                   4, 0, 4, 10, 0, 0, 9, 5, 0, 4, 255, 0, 0, 0, 24, 0, 4, 10, 0, 0, 1,
                                   6, 0, 2, 0, 0, 2, 0, 8, 'S', 't', 'u', 'd', 'i', 'o', 0, 0});
        const sockaddr_in simAddress = addressOf("127.255.255.255", 2898);
        ::sendto(server, reply.data(), reply.size(), 0, reinterpret_cast<const sockaddr*>(&simAddress), sizeof simAddress);
        QVERIFY(sim.waitFor("k7sim: boot reply for 00:1a:2b:3c:4d:5e: address 10.0.0.9 subnet 255.0.0.0 "
                            "gateway 10.0.0.1 name \"Studio\""));
        ::close(server);
    }
};

QTEST_MAIN(tst_K7sim)
#include "tst_k7sim.moc"
