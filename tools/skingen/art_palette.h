#pragma once

#include <QColor>
#include <QString>

#include <optional>

class tcSkinSheet;

// The colours the generated bitmaps are drawn in, taken by name from the skin's colour
// table so that a skin's colour scheme lives in its own "colours.xml".
struct tcArtPalette
{
    QColor face;      // panel face
    QColor faceHi;    // top of the face gradient, raised edges
    QColor faceLo;    // bottom of the face gradient
    QColor bay;       // recessed areas
    QColor edgeHi;    // lit lower edge of a recess
    QColor edgeLo;    // shadowed upper edge of a recess
    QColor silk;      // printed legends
    QColor silkDim;   // secondary legends and tick marks
    QColor accent;    // lit ring segments, selected keys
    QColor cap;       // knob caps and key faces
    QColor capHi;
    QColor capLo;
    QColor ringOff;   // unlit ring segments
    QColor ledGreen;
    QColor ledRed;
    QColor ledAmber;
    QColor meterLow;  // lit bar, normal level
    QColor meterMid;  // lit bar, near full scale
    QColor meterHigh; // lit bar, top of the scale
    QColor meterGr;   // lit gain-reduction bar

    // Every colour by its name in the skin; none with the missing name in *missing.
    static std::optional<tcArtPalette> fromSheet(const tcSkinSheet& sheet, QString* missing);
};
