// Draws the application's own artwork at build time: the window icon and the splash image
// that also backs the about box.
//   k7artwork OUTPUT_FOLDER   writes kaldra_vee.png and splash.bmp there

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor kPanel(28, 31, 36);
const QColor kEdge(70, 76, 86);
const QColor kAccent(0, 128, 255);

// A bold "V" in the accent colour on a dark rounded square.
QImage drawIcon()
{
    QImage icon(64, 64, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kEdge, 2));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    QPainterPath vee;
    vee.moveTo(14, 14);
    vee.lineTo(24, 14);
    vee.lineTo(32, 40);
    vee.lineTo(40, 14);
    vee.lineTo(50, 14);
    vee.lineTo(37, 52);
    vee.lineTo(27, 52);
    vee.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPath(vee);
    return icon;
}

// A brushed dark panel with a bright rule; the splash screen writes its text over the
// band from y = 58 down.
QImage drawSplash()
{
    QImage splash(400, 180, QImage::Format_RGB32);
    QPainter p(&splash);
    QLinearGradient shade(0, 0, 0, splash.height());
    shade.setColorAt(0.0, QColor(48, 52, 60));
    shade.setColorAt(1.0, QColor(18, 20, 24));
    p.fillRect(splash.rect(), shade);
    p.setPen(QPen(kEdge, 2));
    p.drawRect(splash.rect().adjusted(1, 1, -2, -2));
    p.fillRect(QRect(24, 44, splash.width() - 48, 3), kAccent);
    p.fillRect(QRect(24, 128, splash.width() - 48, 1), kEdge);
    p.setPen(QColor(150, 156, 166));
    p.setFont(QFont(QStringLiteral("Arial"), 9));
    p.drawText(QRect(24, 136, splash.width() - 48, 30), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Broadcast microphone processor remote control"));
    return splash;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: k7artwork OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")) || !drawIcon().save(out.filePath(QStringLiteral("kaldra_vee.png")))
        || !drawSplash().save(out.filePath(QStringLiteral("splash.bmp")))) {
        std::fprintf(stderr, "k7artwork: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
