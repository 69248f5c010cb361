// The screen picture's crop: the rectangle of what differs from the empty screen.

#include "tools/screengrab/screen_crop.h"

#include <QTest>

class tst_ScreenCrop : public QObject
{
    Q_OBJECT

private slots:
    void cutsToWhatDiffersFromTheCorner_data()
    {
        QTest::addColumn<QList<QRect>>("windows");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("empty screen") << QList<QRect>{} << QRect();
        QTest::newRow("one window") << QList<QRect>{QRect(30, 20, 100, 60)} << QRect(30, 20, 100, 60);
        QTest::newRow("two windows") << QList<QRect>{QRect(10, 50, 5, 5), QRect(100, 10, 20, 20)}
                                     << QRect(QPoint(10, 10), QPoint(119, 54));
        QTest::newRow("one pixel at the far corner") << QList<QRect>{QRect(199, 149, 1, 1)} << QRect(199, 149, 1, 1);
    }

    void cutsToWhatDiffersFromTheCorner()
    {
        QFETCH(QList<QRect>, windows);
        QFETCH(QRect, expected);
        QImage screen(200, 150, QImage::Format_RGB32);
        screen.fill(Qt::black);
        for (const QRect& window : windows)
            for (int y = window.top(); y <= window.bottom(); ++y)
                for (int x = window.left(); x <= window.right(); ++x)
                    screen.setPixel(x, y, qRgb(200, 100 + x % 7, 50));
        QCOMPARE(occupiedArea(screen), expected);
    }

    void aNullPictureHasNoArea() { QVERIFY(occupiedArea(QImage()).isEmpty()); }
};

QTEST_MAIN(tst_ScreenCrop)
#include "tst_screencrop.moc"
