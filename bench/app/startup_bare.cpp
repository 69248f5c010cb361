// The yardstick of the start-up benchmark: a bare widget program that shows one pixmap
// of the given size, ended after its first painted frame with one line of clock readings.
//   bench_startup_bare WIDTH HEIGHT

#include "bench/app/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include <cstdlib>

int main(int argc, char* argv[])
{
    const long long mainNs = steadyNs();
    QApplication app(argc, argv);
    const long long appNs = steadyNs();
    const QStringList args = QCoreApplication::arguments();
    const int width = args.size() > 2 ? args[1].toInt() : 0;
    const int height = args.size() > 2 ? args[2].toInt() : 0;
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "usage: bench_startup_bare WIDTH HEIGHT\n");
        return 2;
    }
    const tcFirstPaint paint(QLabel::staticMetaObject);
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::darkGray);
    QLabel label;
    label.setPixmap(pixmap);
    label.show();
    paint.wait();
    reportStartup(mainNs, appNs, paint, label);
    return 0;
}
