#pragma once

#include "gqgui/gui_object.h"

// An indicator that shows the bitmap section of its state; it takes no input (presses on
// it are refused). GUI thread only.
class tcGuiLamp : public tcGuiObject
{
public:
    tcGuiLamp(const QString& id, tcBench* bench, int serial);

    void finishLoading() override;
    void paint(QPainter& painter) override;

    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }
    // The section to show; one the bitmap does not have shows section 0.
    void setState(int state);
    int state() const { return m_state; }

private:
    int m_state = 0;
    tcGuiImage* m_bitmap = nullptr;
};
