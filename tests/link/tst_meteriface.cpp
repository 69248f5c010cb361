#include "link/meter_iface.h"

#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace {

// A UDP sender standing in for the unit.
class UnitSender
{
public:
    UnitSender() : m_fd(::socket(AF_INET, SOCK_DGRAM, 0)) {}
    ~UnitSender() { ::close(m_fd); }
    void send(uint16_t port, const QByteArray& datagram) const
    {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::sendto(m_fd, datagram.constData(), static_cast<size_t>(datagram.size()), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }

private:
    int m_fd;
};

QByteArray datagram(uint8_t stream, uint8_t marker, uint8_t type = 1)
{
    QByteArray bytes(528, '\0');
    std::memcpy(bytes.data(), "TB_K7_METERMSG__", 16);
    bytes[16] = char(type);
    bytes[17] = char(stream);
    bytes[20] = char(marker);
    bytes[527] = char(marker);
    return bytes;
}

void countKept(void* context)
{
    static_cast<std::atomic<int>*>(context)->fetch_add(1);
}

} // namespace

class tst_MeterIface : public QObject
{
    Q_OBJECT

private slots:
    void keepsOnlyMatchingDatagrams_data()
    {
        QTest::addColumn<QByteArray>("foreign");
        QByteArray wrongTag = datagram(7, 1);
        wrongTag[3] = 'x';
        QTest::newRow("wrong tag") << wrongTag;
        QTest::newRow("type 2") << datagram(7, 1, 2);
        QTest::newRow("previous stream") << datagram(6, 1);
        QTest::newRow("527 bytes") << datagram(7, 1).left(527);
        QTest::newRow("529 bytes") << datagram(7, 1) + '\0';
    }
    void keepsOnlyMatchingDatagrams()
    {
        QFETCH(QByteArray, foreign);
        std::atomic<int> kept{0};
        METERIFACE meter(&kept, countKept);
        QVERIFY(meter.isBound());
        meter.setStreamNumber(7);
        const UnitSender unit;
        unit.send(meter.port(), foreign);
        unit.send(meter.port(), datagram(7, 42));
        // Datagrams on loopback arrive in order: once the good one is kept, the foreign
        // one has been looked at and must not have been kept.
        QTRY_COMPARE_WITH_TIMEOUT(kept.load(), 1, 5000);
        QTest::qWait(50);
        QCOMPARE(kept.load(), 1);
        tMeterDatagram out{};
        QCOMPARE(meter.takeLatest(out), 0);
        QCOMPARE(out[20], uint8_t(42));
        QCOMPARE(out[527], uint8_t(42));
        QCOMPARE(meter.takeLatest(out), -1);
    }

    void keepsOnlyTheNewest()
    {
        std::atomic<int> kept{0};
        METERIFACE meter(&kept, countKept);
        const UnitSender unit;
        unit.send(meter.port(), datagram(0, 1));
        unit.send(meter.port(), datagram(0, 2));
        QTRY_COMPARE_WITH_TIMEOUT(kept.load(), 2, 5000);
        tMeterDatagram out{};
        QCOMPARE(meter.takeLatest(out), 0);
        QCOMPARE(out[20], uint8_t(2));
        QCOMPARE(meter.takeLatest(out), -1);
    }

    void takesTheNextPortWhenOneIsTaken()
    {
        const int blocker = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(60001);
        QCOMPARE(::bind(blocker, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        {
            METERIFACE meter;
            QCOMPARE(meter.port(), uint16_t(60002));
            QVERIFY(meter.isBound());
        }
        ::close(blocker);
        METERIFACE meter;
        QCOMPARE(meter.port(), uint16_t(60001));
    }

    void staysInertWhenAllPortsAreTaken()
    {
        std::vector<int> blockers;
        for (uint16_t port = 60001; port <= 60010; ++port) {
            const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(port);
            QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
            blockers.push_back(fd);
        }
        METERIFACE meter;
        QVERIFY(!meter.isBound());
        QCOMPARE(meter.port(), uint16_t(60011));
        tMeterDatagram out{};
        QCOMPARE(meter.takeLatest(out), -1);
        meter.close();
        for (int fd : blockers)
            ::close(fd);
    }

    void streamNumberWraps()
    {
        METERIFACE meter;
        QCOMPARE(meter.streamNumber(), uint8_t(0));
        QCOMPARE(meter.nextStreamNumber(), uint8_t(1));
        meter.setStreamNumber(255);
        QCOMPARE(meter.nextStreamNumber(), uint8_t(0));
    }

    void closeEndsTheWaitAndIsIdempotent()
    {
        METERIFACE meter;
        QVERIFY(meter.isBound());
        meter.close();
        QVERIFY(!meter.isBound());
        meter.close();
        // The port is free again once closed.
        METERIFACE next;
        QCOMPARE(next.port(), uint16_t(60001));
    }
};

QTEST_MAIN(tst_MeterIface)
#include "tst_meteriface.moc"
