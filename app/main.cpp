#include "app/splash.h"
#include "app/xr9_widget.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Resources/kaldra_vee.png")));

    auto splash = std::make_unique<tcSplash>(QPixmap(QStringLiteral(":/Resources/splash.bmp")));
    splash->show();
    QApplication::processEvents();

    // The working folder is the application folder: the settings and folders live there.
    auto window = std::make_unique<XR9Widget>();
    window->show();
    splash->finish(window.get());
    splash.reset();

    const int result = QApplication::exec();
    window.reset(); // saves the settings
    return result;
}
