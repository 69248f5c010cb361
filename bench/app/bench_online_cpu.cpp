// CPU cost of the running application: k7remote (offscreen, packed default skin) on line
// to k7sim streaming 20 meter datagrams a second, beside the same application off line,
// each measured over 10 seconds after it has settled; the share of one core is printed.
//   bench_online_cpu [SECONDS]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <cstdio>
#include <optional>

namespace {

const char* const kUnitAddress = "127.0.0.32";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void prepareWorkingFolder(const QDir& work, bool online)
{
    work.mkpath(QStringLiteral("maps"));
    work.mkpath(QStringLiteral("skins"));
    writeFile(work.filePath(QStringLiteral("XR9QT.ini")),
              QByteArray("<INI>\n<DEVICE\n    name=\"Bench\"\n/>\n<OPTIONS\n    ONLINE=\"") + (online ? "1" : "0")
                  + "\"\n/>\n<SKIN\n    file=\"1\"\n    name=\"default\"\n/>\n</INI>\n");
    writeFile(work.filePath(QStringLiteral("maps/Bench.cfg")),
              QByteArray("<INI>\n<Device\n    IPAddr=\"") + kUnitAddress + "\"\n/>\n</INI>\n");
    QFile::copy(QStringLiteral(K7_SKINS_DIR "/default.skin"), work.filePath(QStringLiteral("skins/default.skin")));
}

// User and system time of a process, in seconds.
std::optional<double> cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    // Fields after the command name (which ends with ')'): utime and stime are 14 and 15.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return std::nullopt;
    return (fields[11].toDouble() + fields[12].toDouble()) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

// The application's share of one core over seconds, or a negative value when it failed.
double measure(bool online, int seconds)
{
    QTemporaryDir work;
    prepareWorkingFolder(QDir(work.path()), online);
    QProcess app;
    app.setWorkingDirectory(work.path());
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    app.setProcessEnvironment(environment);
    app.start(QStringLiteral(K7REMOTE_PATH), {});
    if (!app.waitForStarted())
        return -1.0;
    QThread::sleep(3); // start-up, connection and the first datagrams
    const std::optional<double> before = cpuSeconds(app.processId());
    QElapsedTimer wall;
    wall.start();
    QThread::sleep(static_cast<unsigned long>(seconds));
    const std::optional<double> after = cpuSeconds(app.processId());
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    app.terminate();
    if (!app.waitForFinished(5000))
        app.kill();
    app.waitForFinished(5000);
    if (!before || !after)
        return -1.0;
    return 100.0 * (*after - *before) / elapsed;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QProcess unit;
    unit.setProgram(QStringLiteral(K7SIM_PATH));
    unit.setArguments({QStringLiteral("--listen"), QString::fromLatin1(kUnitAddress), QStringLiteral("--meter-rate"),
                       QStringLiteral("20")});
    unit.start();
    if (!unit.waitForReadyRead(10000)) {
        std::fprintf(stderr, "bench_online_cpu: k7sim did not start\n");
        return 1;
    }
    const double online = measure(true, seconds);
    const double offline = measure(false, seconds);
    unit.write("quit\n");
    unit.waitForFinished(3000);
    if (online < 0 || offline < 0) {
        std::fprintf(stderr, "bench_online_cpu: could not read the application's CPU time\n");
        return 1;
    }
    std::printf("k7remote over %d s, default skin, offscreen\n", seconds);
    std::printf("on line, 20 meter datagrams/s: %6.2f %% of a core (goal <= 2 %%: %s)\n", online,
                online <= 2.0 ? "met" : "not met");
    std::printf("off line:                      %6.2f %% of a core\n", offline);
    return 0;
}
