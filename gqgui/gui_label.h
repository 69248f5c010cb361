#pragma once

#include "gqgui/gui_object.h"

// A static caption, optionally over a bitmap scaled into its rectangle; takes no input.
// GUI thread only.
class tcGuiLabel : public tcGuiObject
{
public:
    tcGuiLabel(const QString& id, tcBench* bench, int serial);

    void finishLoading() override;
    bool acceptsPress() const override;
    void paint(QPainter& painter) override;

    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }

private:
    tcGuiImage* m_bitmap = nullptr;
};
