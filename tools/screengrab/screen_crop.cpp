#include "tools/screengrab/screen_crop.h"

#include <algorithm>

QRect occupiedArea(const QImage& screen)
{
    if (screen.isNull())
        return QRect();
    const QImage pixels = screen.convertToFormat(QImage::Format_RGB32);
    const QRgb empty = pixels.pixel(0, 0);
    int left = pixels.width(), right = -1, top = pixels.height(), bottom = -1;
    const auto differs = [empty](QRgb pixel) { return pixel != empty; };
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        const auto* end = row + pixels.width();
        const auto* first = std::find_if(row, end, differs);
        if (first == end)
            continue;
        const auto last = std::find_if(std::make_reverse_iterator(end), std::make_reverse_iterator(row), differs);
        left = std::min(left, int(first - row));
        right = std::max(right, int(last.base() - row) - 1);
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
