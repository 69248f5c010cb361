// skinshot SKIN OUT.png [--group N]
// Renders a skin without a unit: SKIN is a skin folder or a packed ".skin" file, N the
// processing group whose controls are shown (0 system, 1 compressor, 2 EQ, 3 de-esser,
// 4 expander, 5 input; 0 when not given, as on a fresh start). Draws off screen.

#include "tools/skinshot/skin_shot.h"

#include <QApplication>
#include <QTextStream>

namespace {

constexpr int EXIT_USAGE = 2;
constexpr int LAST_GROUP = 5;

int usage(const QString& problem)
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "skinshot: " << problem << Qt::endl;
    err << "usage: skinshot SKIN OUT.png [--group N]" << Qt::endl
        << "  SKIN  a skin folder (holding skin.xml) or a packed .skin file" << Qt::endl
        << "  N     the processing group shown: 0 system, 1 compressor, 2 EQ, 3 de-esser," << Qt::endl
        << "        4 expander, 5 input (default 0)" << Qt::endl;
    return EXIT_USAGE;
}

} // namespace

int main(int argc, char* argv[])
{
    // A preview needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h")))
        return usage(QString());
    int group = 0;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--group")); at >= 0) {
        bool ok = false;
        group = at + 1 < arguments.size() ? arguments[at + 1].toInt(&ok) : -1;
        if (!ok || group < 0 || group > LAST_GROUP)
            return usage(QStringLiteral("--group takes a number from 0 to %1").arg(LAST_GROUP));
        arguments.remove(at, 2);
    }
    if (arguments.size() != 2)
        return usage(QStringLiteral("give a skin and an output file"));

    QTextStream err(stderr);
    tcSkinShot shot;
    const bool loaded = shot.load(arguments[0]);
    for (const QString& line : shot.warnings())
        err << "skinshot: warning: " << line << Qt::endl;
    if (!loaded) {
        err << "skinshot: " << shot.error() << Qt::endl;
        return 1;
    }
    if (!shot.render(group).save(arguments[1], "PNG")) {
        err << "skinshot: cannot write \"" << arguments[1] << "\"" << Qt::endl;
        return 1;
    }
    return 0;
}
