#include "link/frame.h"
#include "link/link_globals.h"
#include "link/tcp_client.h"

#include <QElapsedTimer>
#include <QList>
#include <QTest>

#include <chrono>
#include <memory>
#include <mutex>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Addresses of this test: a live peer, an address nobody listens on (refused) and a
// peer whose connection queue is full, so that further connection requests go unanswered.
constexpr const char* LIVE_ADDRESS = "127.0.0.2";
constexpr const char* REFUSED_ADDRESS = "127.0.0.3";
constexpr const char* HANGING_ADDRESS = "127.0.0.4";

// What an endpoint reports, heard on whatever thread reports it.
class tcLinkRecorder
{
public:
    tcQTcpCallbacks callbacks()
    {
        return {this, &tcLinkRecorder::onData, &tcLinkRecorder::onStatus};
    }

    QList<int> statuses() const
    {
        std::lock_guard lock(m_mutex);
        return m_statuses;
    }
    // Milliseconds between the first two status reports.
    qint64 firstInterval() const
    {
        std::lock_guard lock(m_mutex);
        return m_times.size() < 2 ? -1 : m_times[1] - m_times[0];
    }
    QByteArray data() const
    {
        std::lock_guard lock(m_mutex);
        return m_data;
    }

private:
    static void onData(void* context, std::span<const uint8_t> bytes)
    {
        auto* self = static_cast<tcLinkRecorder*>(context);
        std::lock_guard lock(self->m_mutex);
        self->m_data.append(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<qsizetype>(bytes.size()));
    }
    static void onStatus(void* context, tLinkStatus status)
    {
        auto* self = static_cast<tcLinkRecorder*>(context);
        std::lock_guard lock(self->m_mutex);
        self->m_statuses.append(status);
        self->m_times.append(self->m_clock.elapsed());
    }

    mutable std::mutex m_mutex;
    QList<int> m_statuses;
    QList<qint64> m_times;
    QByteArray m_data;
    QElapsedTimer m_clock = [] { QElapsedTimer t; t.start(); return t; }();
};

// A socket descriptor closed with its owner.
class tcSocket
{
public:
    explicit tcSocket(int fd = -1) : m_fd(fd) {}
    ~tcSocket() { reset(); }
    tcSocket(const tcSocket&) = delete;
    tcSocket& operator=(const tcSocket&) = delete;

    int fd() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

sockaddr_in controlAddress(const char* address)
{
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(CONTROL_PORT);
    peer.sin_addr.s_addr = ::inet_addr(address);
    return peer;
}

// A listening socket on address:CONTROL_PORT; receiveBuffer > 0 shrinks the receive
// buffer of the connections it accepts.
int listenOn(const char* address, int backlog, int receiveBuffer = 0)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (receiveBuffer > 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    const sockaddr_in local = controlAddress(address);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0
        || ::listen(fd, backlog) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool readable(int fd, std::chrono::milliseconds wait)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, static_cast<int>(wait.count())) > 0;
}

int acceptWithin(int listener, std::chrono::milliseconds wait)
{
    return readable(listener, wait) ? ::accept(listener, nullptr, nullptr) : -1;
}

// Reads until count bytes arrived, the peer closed or nothing came for a second.
QByteArray receive(int fd, qsizetype count)
{
    QByteArray bytes;
    char chunk[65536];
    while (bytes.size() < count && readable(fd, 1000ms)) {
        const qsizetype wanted = std::min<qsizetype>(sizeof chunk, count - bytes.size());
        const ssize_t n = ::recv(fd, chunk, static_cast<size_t>(wanted), 0);
        if (n <= 0)
            break;
        bytes.append(chunk, n);
    }
    return bytes;
}

bool sendAll(int fd, const QByteArray& bytes)
{
    return ::send(fd, bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL)
           == bytes.size();
}

std::span<const uint8_t> bytesOf(const QByteArray& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
}

// A block whose bytes never repeat with a period that divides a socket buffer size.
QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7) % 251);
    return bytes;
}

} // namespace

class tst_TcpClient : public QObject
{
    Q_OBJECT

private:
    // A client on LIVE_ADDRESS whose first attempt has connected, and the accepted socket.
    struct tcLiveLink
    {
        tcSocket listener;
        tcLinkRecorder recorder;
        std::unique_ptr<tcQTcpClient> client;
        tcSocket peer;
    };

    static void connectLive(tcLiveLink& link, int receiveBuffer = 0)
    {
        link.listener.reset(listenOn(LIVE_ADDRESS, 4, receiveBuffer));
        QVERIFY2(link.listener.fd() >= 0, "cannot listen on 127.0.0.2");
        link.client = std::make_unique<tcQTcpClient>(LIVE_ADDRESS, link.recorder.callbacks());
        link.peer.reset(acceptWithin(link.listener.fd(), 3000ms));
        QVERIFY(link.peer.fd() >= 0);
        QTRY_COMPARE(link.recorder.statuses(), (QList<int>{LINK_CONNECTING, LINK_CONNECTED}));
    }

private slots:
    void cleanup()
    {
        clearTcpClient();
    }

    void carriesDataBothWays()
    {
        tcLiveLink link;
        connectLive(link);
        if (QTest::currentTestFailed())
            return;

        // Unit to application: every read reaches the data callback, in order.
        const QByteArray first = QByteArray::fromHex("a5a5 0800 3412 aabb a5a5");
        const QByteArray second = QByteArray::fromHex("0600 0100") + pattern(3000);
        QVERIFY(sendAll(link.peer.fd(), first));
        QVERIFY(sendAll(link.peer.fd(), second));
        QTRY_COMPARE(link.recorder.data(), first + second);

        // Application to unit, directly and through frame_send with the global client.
        const QByteArray block = pattern(5000);
        QCOMPARE(link.client->write(bytesOf(block)), ptrdiff_t(5000));
        QCOMPARE(receive(link.peer.fd(), 5000), block);

        setTcpClient(link.client.get());
        QByteArray frame = QByteArray::fromHex("0000 0000 0900 7f");
        frame_send(std::span<uint8_t>(reinterpret_cast<uint8_t*>(frame.data()), 7));
        QCOMPARE(receive(link.peer.fd(), 7), QByteArray::fromHex("a5a5 0700 0900 7f"));

        // With the global pointer cleared the frame goes nowhere: the next bytes the unit
        // sees are the marker written directly.
        clearTcpClient();
        QByteArray dropped = QByteArray::fromHex("0000 0000 0100 01");
        frame_send(std::span<uint8_t>(reinterpret_cast<uint8_t*>(dropped.data()), 7));
        const QByteArray marker = QByteArray::fromHex("4d41524b");
        QCOMPARE(link.client->write(bytesOf(marker)), ptrdiff_t(4));
        QCOMPARE(receive(link.peer.fd(), 11), marker);

        QCOMPARE(link.recorder.statuses(), (QList<int>{LINK_CONNECTING, LINK_CONNECTED}));
    }

    // The unit closing the link is reported, and the thread connects again on its own.
    void peerCloseIsReportedAndRetried()
    {
        tcLiveLink link;
        connectLive(link);
        if (QTest::currentTestFailed())
            return;
        link.peer.reset();
        QTRY_COMPARE(link.recorder.statuses(),
                     (QList<int>{LINK_CONNECTING, LINK_CONNECTED, LINK_CLOSED}));
        link.peer.reset(acceptWithin(link.listener.fd(), 8000ms));
        QVERIFY(link.peer.fd() >= 0);
        QTRY_COMPARE(link.recorder.statuses(),
                     (QList<int>{LINK_CONNECTING, LINK_CONNECTED, LINK_CLOSED, LINK_CONNECTING,
                                 LINK_CONNECTED}));
        // The new connection carries data.
        QVERIFY(sendAll(link.peer.fd(), "again"));
        QTRY_COMPARE(link.recorder.data(), QByteArray("again"));
    }

    // Deleting a connected endpoint reports LINK_DESTROYED and nothing else, and the
    // unit sees the connection end.
    void destroyConnectedReportsOnlyDestroyed()
    {
        tcLiveLink link;
        connectLive(link);
        if (QTest::currentTestFailed())
            return;
        link.client.reset();
        QCOMPARE(link.recorder.statuses(),
                 (QList<int>{LINK_CONNECTING, LINK_CONNECTED, LINK_DESTROYED}));
        QVERIFY(readable(link.peer.fd(), 1000ms));
        char byte;
        QVERIFY(::recv(link.peer.fd(), &byte, 1, 0) <= 0);
    }

    // A refused connect wakes the wait like a successful one; it must be reported as a
    // failed attempt, and the next attempt waits for the retry interval.
    void refusedConnectIsNotConnected()
    {
        tcLinkRecorder recorder;
        auto client = std::make_unique<tcQTcpClient>(REFUSED_ADDRESS, recorder.callbacks());
        QTRY_COMPARE(recorder.statuses(), (QList<int>{LINK_CONNECTING, LINK_CLOSED}));
        QTest::qWait(1000);
        QCOMPARE(recorder.statuses(), (QList<int>{LINK_CONNECTING, LINK_CLOSED}));
        client.reset();
        QCOMPARE(recorder.statuses(), (QList<int>{LINK_CONNECTING, LINK_CLOSED, LINK_DESTROYED}));
    }

    // A peer that never answers: the attempt gives up after the 5-second wait, the next
    // one begins, and deleting the endpoint in the middle of it reports only LINK_DESTROYED.
    void unreachablePeerTimesOut()
    {
        // A backlog of 0 holds one connection; once the filler occupies it, further
        // connection requests are dropped unanswered.
        tcSocket listener(listenOn(HANGING_ADDRESS, 0));
        QVERIFY2(listener.fd() >= 0, "cannot listen on 127.0.0.4");
        tcSocket filler(::socket(AF_INET, SOCK_STREAM, 0));
        const sockaddr_in peer = controlAddress(HANGING_ADDRESS);
        QCOMPARE(::connect(filler.fd(), reinterpret_cast<const sockaddr*>(&peer), sizeof peer), 0);

        tcLinkRecorder recorder;
        auto client = std::make_unique<tcQTcpClient>(HANGING_ADDRESS, recorder.callbacks());
        // The next attempt follows the failed one at once, so the reports are awaited by count.
        QTRY_VERIFY_WITH_TIMEOUT(recorder.statuses().size() >= 3, 9000);
        QCOMPARE(recorder.statuses(), (QList<int>{LINK_CONNECTING, LINK_CLOSED, LINK_CONNECTING}));
        const qint64 waited = recorder.firstInterval();
        QVERIFY2(waited >= 4900, qPrintable(QString::number(waited)));
        client.reset();
        QCOMPARE(recorder.statuses(),
                 (QList<int>{LINK_CONNECTING, LINK_CLOSED, LINK_CONNECTING, LINK_DESTROYED}));
    }

    // A unit that stops reading: a send that blocks is resumed from the first unsent byte,
    // a partial send after 2 seconds keeps the link, a send without any progress closes it.
    void stalledSendsArePartialThenClose()
    {
        tcLiveLink link;
        connectLive(link, 4096);
        if (QTest::currentTestFailed())
            return;

        const QByteArray block = pattern(1 << 20);
        const ptrdiff_t first = link.client->write(bytesOf(block));
        QVERIFY2(first > 0 && first < block.size(), qPrintable(QString::number(first)));
        QCOMPARE(link.recorder.statuses(), (QList<int>{LINK_CONNECTING, LINK_CONNECTED}));
        // Everything counted as sent arrives once and in order.
        QCOMPARE(receive(link.peer.fd(), first), block.left(first));
        QVERIFY(!readable(link.peer.fd(), 200ms));

        // Fill the buffers again, then a send that cannot move at all. Without the listener
        // the retry that follows the close cannot connect again.
        link.listener.reset();
        const ptrdiff_t second = link.client->write(bytesOf(block));
        QVERIFY(second > 0 && second < block.size());
        QCOMPARE(link.client->write(bytesOf(QByteArray(100, 'x'))), ptrdiff_t(0));
        QCOMPARE(link.recorder.statuses().mid(0, 3),
                 (QList<int>{LINK_CONNECTING, LINK_CONNECTED, LINK_CLOSED}));
        QCOMPARE(link.recorder.statuses().count(LINK_CONNECTED), 1); // not connected again
        // A closed endpoint refuses to send.
        QCOMPARE(link.client->write(bytesOf(QByteArray(1, 'x'))), ptrdiff_t(-1));
    }
};

QTEST_MAIN(tst_TcpClient)
#include "tst_tcp_client.moc"
