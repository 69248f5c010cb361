#include "presets/library_icons.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int ICON_SIZE = 16;

constexpr QRgb FOLDER_OUTLINE = 0xFF8A6D1E;
constexpr QRgb FOLDER_FILL = 0xFFF2C94C;
constexpr QRgb PRESET_OUTLINE = 0xFF44546A;
constexpr QRgb PRESET_FILL = 0xFFF4F6F9;
constexpr QRgb PRESET_KNOB = 0xFF2F6FB2;
constexpr QRgb LOCK_BODY = 0xFFB03A2E;

QImage blankImage()
{
    QImage image(ICON_SIZE, ICON_SIZE, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawFolder(QPainter& painter)
{
    painter.setPen(QColor::fromRgba(FOLDER_OUTLINE));
    painter.setBrush(QColor::fromRgba(FOLDER_FILL));
    painter.drawPolygon(QPolygon({QPoint(1, 3), QPoint(6, 3), QPoint(8, 5), QPoint(14, 5), QPoint(14, 13), QPoint(1, 13)}));
}

// A sheet with a knob on it: a preset of the processor's settings.
void drawPreset(QPainter& painter)
{
    painter.setPen(QColor::fromRgba(PRESET_OUTLINE));
    painter.setBrush(QColor::fromRgba(PRESET_FILL));
    painter.drawPolygon(QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
    painter.setBrush(QColor::fromRgba(PRESET_KNOB));
    painter.drawEllipse(QPoint(8, 9), 3, 3);
    painter.drawLine(QPoint(8, 9), QPoint(8, 6));
}

// A padlock in the lower right corner.
void drawLock(QPainter& painter)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgba(LOCK_BODY), 1.5));
    painter.drawArc(QRect(10, 7, 4, 5), 0, 180 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(LOCK_BODY));
    painter.drawRect(QRect(9, 10, 6, 5));
}

QIcon makeIcon(void (*drawItem)(QPainter&), bool locked)
{
    QImage image = blankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawItem(painter);
    if (locked)
        drawLock(painter);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

tcLibraryIcons::tcLibraryIcons()
    : m_folder(makeIcon(drawFolder, false)),
      m_protectedFolder(makeIcon(drawFolder, true)),
      m_preset(makeIcon(drawPreset, false)),
      m_protectedPreset(makeIcon(drawPreset, true))
{
}
