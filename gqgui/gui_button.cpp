#include "gqgui/gui_button.h"

#include "gqgui/gui_image.h"

tcGuiButton::tcGuiButton(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_BUTTON)
{
    m_width = 50;
    m_height = 20;
    m_captionAlign = GUI_ALIGN_CENTRE;
}

void tcGuiButton::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    sizeFromBitmap(m_bitmap);
    setBoundsFromGeometry();
    // The anchor is placed before the caption box is measured from it.
    if (!m_captionXGiven)
        m_captionX = (m_width - 2) / 2;
    if (!m_captionYGiven)
        m_captionY = (m_height - 2) / 2;
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
}

void tcGuiButton::setCaptionX(int x)
{
    m_captionX = x;
    m_captionXGiven = true;
}

void tcGuiButton::setCaptionY(int y)
{
    m_captionY = y;
    m_captionYGiven = true;
}

bool tcGuiButton::mousePress(int, int)
{
    if (inputRefused())
        return false;
    if (m_grabbing)
        return true;
    m_grabbing = true;
    m_pressed = true;
    m_repeatCount = 0;
    raise(EVENT_PRESSED);
    update();
    return true;
}

void tcGuiButton::mouseRelease(int x, int y)
{
    // Moves are throttled, so the release point itself may be the first sign that
    // the mouse has left the button.
    if (m_grabbing)
        track(hitTest(x, y));
    m_hover = hitTest(x, y);
    m_grabbing = false;
    if (m_pressed) {
        m_pressed = false;
        raise(EVENT_RELEASED);
        if (!(m_autoRepeat && m_repeatCount > REPEAT_DELAY))
            click();
    }
    update();
}

void tcGuiButton::mouseDrag(int x, int y, int)
{
    if (m_grabbing && m_inputFlags == 0)
        track(hitTest(x, y));
}

bool tcGuiButton::wantsHover() const
{
    return true;
}

void tcGuiButton::tick()
{
    if (!m_pressed || !m_autoRepeat)
        return;
    ++m_repeatCount;
    if (m_repeatCount > REPEAT_DELAY && m_repeatCount % 2 == 1)
        click();
}

void tcGuiButton::paint(QPainter& painter)
{
    const int state = m_pressed ? 2 : (m_hover ? 1 : 0);
    if (m_bitmap)
        m_bitmap->drawSection(painter, m_x, m_y, 3 * m_style + state);
    drawCaption(painter, m_captionAlign, m_pressed ? m_pressShift : 0);
}

void tcGuiButton::updateCaptionBounds(int alignment)
{
    tcGuiObject::updateCaptionBounds(alignment);
    if (!m_caption.isEmpty())
        m_captionBox.adjust(0, 0, m_pressShift, m_pressShift);
}

void tcGuiButton::setStyle(int style)
{
    if (style < 0 || style >= STYLE_COUNT || style == m_style)
        return;
    m_style = style;
    update();
}

void tcGuiButton::setCallbacks(ClickFn click, EventFn event)
{
    m_click = click;
    m_event = event;
}

void tcGuiButton::raise(int code) const
{
    if (m_event)
        m_event(m_context, m_parameterId, code);
}

void tcGuiButton::click() const
{
    if (m_click)
        m_click(m_context, m_parameterId);
}

void tcGuiButton::track(bool inside)
{
    if (!inside && m_pressed) {
        m_pressed = false;
        raise(EVENT_LEFT);
        update();
    } else if (inside && !m_pressed) {
        m_pressed = true;
        m_repeatCount = 0;
        raise(EVENT_REENTERED);
        update();
    }
}
