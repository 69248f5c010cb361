// Start-up to the first painted frame, whole programs from process start: k7remote's
// start-up sequence (style, icon, splash, settings, folders, unpack and load of the packed
// default skin, groups, first paint) beside a bare widget program showing one pixmap of
// the same size. Both run offscreen, alternately, after one discarded warm-up run each.
//   bench_startup [RUNS]

#include "bench/app/first_paint.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// One start, in milliseconds from just before the process was started.
struct tcStart {
    double toMain = 0;
    double toApp = 0;
    double toFrame = 0;
    int width = 0;
    int height = 0;
};

std::optional<tcStart> runOnce(const QString& program, const QStringList& args, const QString& folder)
{
    QProcess child;
    child.setWorkingDirectory(folder);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long startNs = steadyNs();
    child.start(program, args);
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
        std::fprintf(stderr, "bench_startup: %s failed\n", qPrintable(program));
        return std::nullopt;
    }
    long long mainNs = 0, appNs = 0, frameNs = 0;
    tcStart start;
    const QByteArray line = child.readAllStandardOutput();
    const int at = line.indexOf("startup ");
    if (at < 0
        || std::sscanf(line.constData() + at, "startup %lld %lld %lld %d %d", &mainNs, &appNs, &frameNs, &start.width,
                       &start.height)
               != 5) {
        std::fprintf(stderr, "bench_startup: %s printed no clock readings\n", qPrintable(program));
        return std::nullopt;
    }
    start.toMain = double(mainNs - startNs) / 1e6;
    start.toApp = double(appNs - startNs) / 1e6;
    start.toFrame = double(frameNs - startNs) / 1e6;
    return start;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct tcSeries {
    std::vector<double> toMain, toApp, toFrame;
    void add(const tcStart& start)
    {
        toMain.push_back(start.toMain);
        toApp.push_back(start.toApp);
        toFrame.push_back(start.toFrame);
    }
    void print(const char* name) const
    {
        const double frame = median(toFrame);
        std::printf("%-34s %8.2f %12.2f %12.2f %12.2f\n", name, median(toMain), median(toApp), frame,
                    frame - median(toApp));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    // One working folder for every start of the application, as a user's: the first
    // (warm-up) start creates the settings and folders, later ones find them.
    QTemporaryDir work;
    QDir(work.path()).mkpath(QStringLiteral("skins"));
    if (!QFile::copy(QStringLiteral(K7_SKINS_DIR "/default.skin"), QDir(work.path()).filePath(QStringLiteral("skins/default.skin")))) {
        std::fprintf(stderr, "bench_startup: no packed default skin in %s\n", K7_SKINS_DIR);
        return 1;
    }
    const QString window = QStringLiteral(BENCH_STARTUP_WINDOW);
    const QString bare = QStringLiteral(BENCH_STARTUP_BARE);
    const std::optional<tcStart> first = runOnce(window, {}, work.path());
    if (!first)
        return 1;
    const QStringList size{QString::number(first->width), QString::number(first->height)};
    if (!runOnce(bare, size, work.path()))
        return 1;

    tcSeries windowSeries, bareSeries;
    for (int i = 0; i < runs; ++i) {
        const std::optional<tcStart> windowStart = runOnce(window, {}, work.path());
        const std::optional<tcStart> bareStart = runOnce(bare, size, work.path());
        if (!windowStart || !bareStart)
            return 1;
        windowSeries.add(*windowStart);
        bareSeries.add(*bareStart);
    }
    std::printf("window %dx%d, %d starts each, medians in ms from process start\n", first->width, first->height,
                runs);
    std::printf("%-34s %8s %12s %12s %12s\n", "", "main", "app object", "first frame", "app to frame");
    windowSeries.print("k7remote, packed default skin");
    bareSeries.print("bare widget with one pixmap");
    const double ratio = median(windowSeries.toFrame) / median(bareSeries.toFrame);
    std::printf("ratio (first frame): %.2f (goal <= 3: %s)\n", ratio, ratio <= 3.0 ? "met" : "not met");
    return 0;
}
