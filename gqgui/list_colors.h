#pragma once

#include <QRgb>

// The nine colours of a combo, its drop-down and a list box.
struct tcListColors
{
    QRgb fg = 0xFFC0C0C0;
    QRgb bg = 0xFF000000;
    QRgb fgList = 0xFF808080;
    QRgb bgList = 0xFF000000;
    QRgb fgSelect = 0xFFC0C0C0;
    QRgb bgSelect = 0xFF000080;
    QRgb fgHilite = 0xFFC08080;
    QRgb bgHilite = 0xFF000000;
    QRgb bgRail = 0xFF202020;
};

// Width of a scroll bar whose skin gives no bitmap to take it from.
inline constexpr int LIST_SCROLL_BAR_WIDTH = 8;
