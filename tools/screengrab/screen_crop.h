#pragma once

#include <QImage>
#include <QRect>

// The part of a screen picture that windows cover: the smallest rectangle holding every
// pixel whose colour differs from the top-left pixel's (the empty screen's colour). An
// empty rectangle when nothing differs.
QRect occupiedArea(const QImage& screen);
