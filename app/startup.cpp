#include "app/startup.h"

#include "app/splash.h"
#include "app/xr9_widget.h"

#include <QApplication>
#include <QIcon>

std::unique_ptr<XR9Widget> startApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Resources/kaldra_vee.png")));

    auto splash = std::make_unique<tcSplash>(QPixmap(QStringLiteral(":/Resources/splash.bmp")));
    splash->show();
    QApplication::processEvents();

    // The working folder is the application folder: the settings and folders live there.
    auto window = std::make_unique<XR9Widget>();
    window->show();
    splash->finish(window.get());
    return window;
}
