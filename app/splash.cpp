#include "app/splash.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int kBandHeight = 50;
constexpr int kBandShift = 50;
const QColor kTextColour(0, 128, 255);

} // namespace

tcSplash::tcSplash(const QPixmap& image)
    : QSplashScreen(image)
{
}

QString tcSplash::versionLine()
{
    return QString::asprintf("Version: %d.%d.%d\tBuilt: %s, %s\n", VERSION_MAJOR, VERSION_MINOR, VERSION_BUILD,
                             __DATE__, __TIME__);
}

void tcSplash::drawContents(QPainter* painter)
{
    const int width = pixmap().width();
    painter->setPen(kTextColour);
    QFont product(QStringLiteral("Arial"), m_productPoints, QFont::Bold);
    painter->setFont(product);
    painter->drawText(QRect(0, m_productOffset + kBandShift, width, kBandHeight),
                      Qt::AlignHCenter | Qt::AlignTop, m_product);
    QFont version(QStringLiteral("Arial"), m_versionPoints, QFont::Normal);
    painter->setFont(version);
    // The tab of the version line is drawn as a gap; the trailing line end draws nothing.
    painter->drawText(QRect(0, m_versionOffset + kBandShift, width, kBandHeight),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextExpandTabs, versionLine().trimmed());
}
