#include "gqgui/gui_label.h"

#include "gqgui/gui_image.h"

tcGuiLabel::tcGuiLabel(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_LABEL)
{
    m_width = 50;
    m_height = 20;
    m_captionX = 0;
    m_captionY = 0;
}

void tcGuiLabel::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    if (m_bitmap) {
        m_bitmap->finishLoading();
        // The bitmap is drawn whole, scaled into the label: a missing size is its size.
        if (m_width == 0)
            m_width = m_bitmap->width();
        if (m_height == 0)
            m_height = m_bitmap->height();
    }
    setBoundsFromGeometry();
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
}

bool tcGuiLabel::acceptsPress() const
{
    return false;
}

void tcGuiLabel::paint(QPainter& painter)
{
    if (m_bitmap)
        m_bitmap->drawScaled(painter, m_bounds);
    drawCaption(painter, m_captionAlign, 0);
}
