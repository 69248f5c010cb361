#include "tools/k7preset/preset_tool.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    tcPresetTool tool(out, err);
    return tool.run(QCoreApplication::arguments().mid(1));
}
