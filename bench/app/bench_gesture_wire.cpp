// Gesture to wire: the time from a knob's change reaching its control group (the knob's
// change callback) to the parameter block arriving at the unit's end of the control link,
// median and worst over 1,000 gestures. The real main window runs offscreen with the
// default skin against a listening socket that plays the unit (forceconnect: no login).
//   bench_gesture_wire [GESTURES]

#include "app/xr9_bench.h"
#include "app/xr9_widget.h"
#include "gqgui/gui_object.h"
#include "groups/control_group.h"
#include "link/tcp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const char* const kUnitAddress = "127.0.0.31";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A working folder on line to the unit address with the default skin as a folder.
void prepareWorkingFolder(const QDir& work)
{
    work.mkpath(QStringLiteral("maps"));
    work.mkpath(QStringLiteral("skins/default"));
    writeFile(work.filePath(QStringLiteral("XR9QT.ini")),
              "<INI>\n<DEVICE\n    forceconnect=\"1\"\n    name=\"Bench\"\n/>\n<OPTIONS\n    ONLINE=\"1\"\n/>\n"
              "<SKIN\n    file=\"0\"\n    name=\"default\"\n/>\n</INI>\n");
    writeFile(work.filePath(QStringLiteral("maps/Bench.cfg")),
              QByteArray("<INI>\n<Device\n    IPAddr=\"") + kUnitAddress + "\"\n/>\n</INI>\n");
    for (const QFileInfo& info : QDir(QStringLiteral(K7_SKINS_DIR "/default")).entryInfoList(QDir::Files))
        QFile::copy(info.filePath(), work.filePath(QStringLiteral("skins/default/") + info.fileName()));
}

int listenForTheWindow()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(CONTROL_PORT);
    address.sin_addr.s_addr = ::inet_addr(kUnitAddress);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 1) != 0)
        return -1;
    return fd;
}

bool readable(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, 0) > 0;
}

// Runs the GUI thread until the unit's socket has a whole parameter block to read.
bool waitForBlock(int unit)
{
    QElapsedTimer limit;
    limit.start();
    size_t received = 0;
    uint8_t buffer[4096];
    while (received < 1204 && limit.elapsed() < 2000) {
        QCoreApplication::processEvents();
        if (!readable(unit))
            continue;
        const ssize_t n = ::recv(unit, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        received += static_cast<size_t>(n);
    }
    return received >= 1204;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int gestures = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QTemporaryDir work;
    prepareWorkingFolder(QDir(work.path()));
    QDir::setCurrent(work.path());
    const int listener = listenForTheWindow();
    if (listener < 0) {
        std::fprintf(stderr, "bench_gesture_wire: cannot listen on %s\n", kUnitAddress);
        return 1;
    }
    XR9Widget window;
    window.show();
    QElapsedTimer startUp;
    startUp.start();
    while (window.connState() != CONN_ONLINE && startUp.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const int unit = ::accept(listener, nullptr, nullptr);
    tcGuiObject* knob = window.xr9Bench() ? window.xr9Bench()->objects().find(QStringLiteral("OUT_GAIN_KNOB")) : nullptr;
    if (unit < 0 || !knob || window.connState() != CONN_ONLINE) {
        std::fprintf(stderr, "bench_gesture_wire: the window did not come on line with its skin\n");
        return 1;
    }
    auto* group = static_cast<tcControlGroup*>(knob->context());
    std::vector<double> times;
    for (int i = 0; i < gestures; ++i) {
        QElapsedTimer timer;
        timer.start();
        group->onKnob(knob->parameterId(), static_cast<quint32>(100 + i % 2 * 20));
        if (!waitForBlock(unit)) {
            std::fprintf(stderr, "bench_gesture_wire: no parameter block after gesture %d\n", i);
            return 1;
        }
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("gestures:  %d (knob callback to parameter block at the unit's socket)\n", gestures);
    std::printf("median:    %.3f ms (goal <= 0.5 ms: %s)\n", times[times.size() / 2],
                times[times.size() / 2] <= 0.5 ? "met" : "not met");
    std::printf("worst:     %.3f ms\n", times.back());
    ::close(unit);
    ::close(listener);
    return 0;
}
