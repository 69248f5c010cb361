// The application's own start-up for the start-up benchmark: the start-up sequence of
// k7remote in the working folder it is given, ended after the main window's first
// painted frame with one line of clock readings.

#include "app/startup.h"
#include "app/xr9_bench.h"
#include "app/xr9_widget.h"
#include "bench/app/first_paint.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const long long mainNs = steadyNs();
    QApplication app(argc, argv);
    const long long appNs = steadyNs();
    const tcFirstPaint paint(XR9Widget::staticMetaObject);
    std::unique_ptr<XR9Widget> window = startApplication();
    paint.wait();
    if (!window->xr9Bench() || window->xr9Bench()->backgroundWidth() <= 300) {
        std::fprintf(stderr, "bench_startup_window: the skin did not load\n");
        return 1;
    }
    reportStartup(mainNs, appNs, paint, *window);
    return 0;
}
