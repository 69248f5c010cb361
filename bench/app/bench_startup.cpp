// Start-up to first painted frame: the main window with the packed default skin (settings,
// folders, unpack, load, groups, first paint) beside a bare widget that shows one pixmap
// of the same size, both offscreen in one run.
//   bench_startup [RUNS]

#include "app/xr9_bench.h"
#include "app/xr9_widget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Notes when its widget has finished its first paint.
class tcFirstPaint : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void waitForPaint(QWidget& widget)
{
    tcFirstPaint filter;
    widget.installEventFilter(&filter);
    widget.show();
    while (!filter.painted)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the paint event itself has run
    widget.removeEventFilter(&filter);
}

double bareMs(const QSize& size)
{
    QElapsedTimer timer;
    timer.start();
    QPixmap pixmap(size);
    pixmap.fill(Qt::darkGray);
    QLabel label;
    label.setPixmap(pixmap);
    waitForPaint(label);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double windowMs(const QString& folder, QSize* size)
{
    QDir::setCurrent(folder);
    QFile::remove(QStringLiteral("XR9QT.ini"));
    QElapsedTimer timer;
    timer.start();
    XR9Widget window;
    waitForPaint(window);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    *size = window.size();
    return window.xr9Bench() && window.xr9Bench()->backgroundWidth() > 300 ? ms : -1.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QTemporaryDir work;
    QDir(work.path()).mkpath(QStringLiteral("skins"));
    if (!QFile::copy(QStringLiteral(K7_SKINS_DIR "/default.skin"), QDir(work.path()).filePath(QStringLiteral("skins/default.skin")))) {
        std::fprintf(stderr, "bench_startup: no packed default skin in %s\n", K7_SKINS_DIR);
        return 1;
    }
    std::vector<double> window, bare;
    QSize size;
    for (int i = 0; i < runs; ++i) {
        const double ms = windowMs(work.path(), &size);
        if (ms < 0) {
            std::fprintf(stderr, "bench_startup: the default skin did not load\n");
            return 1;
        }
        window.push_back(ms);
        bare.push_back(bareMs(size));
    }
    const double ratio = median(window) / median(bare);
    std::printf("window %dx%d, %d runs (medians)\n", size.width(), size.height(), runs);
    std::printf("main window, packed default skin: %8.2f ms to the first painted frame\n", median(window));
    std::printf("bare widget with one pixmap:      %8.2f ms\n", median(bare));
    std::printf("ratio:                            %8.2f (goal <= 3: %s)\n", ratio, ratio <= 3.0 ? "met" : "not met");
    return 0;
}
