#include "app/startup.h"
#include "app/xr9_widget.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::unique_ptr<XR9Widget> window = startApplication();
    const int result = QApplication::exec();
    window.reset(); // saves the settings
    return result;
}
