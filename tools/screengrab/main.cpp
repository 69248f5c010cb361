// screengrab OUT.png
// Saves what the windows on the current display show: the whole screen, cut to the part
// that differs from the empty screen's colour. Used by "./build.sh run" to keep a picture
// of the application running on a virtual X server.

#include "tools/screengrab/screen_crop.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.size() != 1 || arguments[0].startsWith(QLatin1Char('-'))) {
        err << "usage: screengrab OUT.png" << Qt::endl;
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const QImage picture = screen ? screen->grabWindow(0).toImage() : QImage();
    const QRect area = occupiedArea(picture);
    if (area.isEmpty()) {
        err << "screengrab: nothing is shown on the screen" << Qt::endl;
        return 1;
    }
    if (!picture.copy(area).save(arguments[0], "PNG")) {
        err << "screengrab: cannot write " << arguments[0] << Qt::endl;
        return 1;
    }
    return 0;
}
