#include "gqgui/gui_lamp.h"

#include "gqgui/gui_image.h"

tcGuiLamp::tcGuiLamp(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_LAMP)
{
    m_width = 16;
    m_height = 16;
    m_captionX = 20;
    m_captionY = 0;
}

void tcGuiLamp::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    sizeFromBitmap(m_bitmap);
    setBoundsFromGeometry();
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
}

void tcGuiLamp::paint(QPainter& painter)
{
    if (m_bitmap) {
        const bool known = m_state >= 0 && m_state < m_bitmap->sections();
        m_bitmap->drawSection(painter, m_x, m_y, known ? m_state : 0);
    }
    drawCaption(painter, m_captionAlign, 0);
}

void tcGuiLamp::setState(int state)
{
    if (state != m_state) {
        m_state = state;
        update();
    }
}
