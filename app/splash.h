#pragma once

#include <QSplashScreen>
#include <QString>

// The splash screen shown while the application starts, and the about box: the splash
// image with the product name and the version line drawn over it.
class tcSplash : public QSplashScreen
{
public:
    static constexpr int VERSION_MAJOR = 2;
    static constexpr int VERSION_MINOR = 0;
    static constexpr int VERSION_BUILD = 1;

    explicit tcSplash(const QPixmap& image);

    // "Version: 2.0.1\tBuilt: <date>, <time>\n"
    static QString versionLine();

protected:
    void drawContents(QPainter* painter) override;

private:
    QString m_product = QStringLiteral("K7");
    int m_productPoints = 11;
    int m_versionPoints = 8;
    int m_productOffset = 8;  // each line is drawn 50 pixels below its offset
    int m_versionOffset = 26;
};
