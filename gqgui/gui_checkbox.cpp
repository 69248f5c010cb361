#include "gqgui/gui_checkbox.h"

#include "gqgui/gui_image.h"

tcGuiCheckBox::tcGuiCheckBox(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_CHECKBOX)
{
    m_width = 20;
    m_height = 20;
}

void tcGuiCheckBox::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    sizeFromBitmap(m_bitmap);
    setBoundsFromGeometry();
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
}

bool tcGuiCheckBox::mousePress(int, int)
{
    if (inputRefused())
        return false;
    setPressed(true);
    return true;
}

void tcGuiCheckBox::mouseRelease(int x, int y)
{
    // The release point counts as a last drag: released outside means no toggle, even
    // when the throttled moves never showed the mouse leaving.
    setPressed(m_pressed && hitTest(x, y));
    m_hover = hitTest(x, y);
    if (m_pressed) {
        m_pressed = false;
        m_checked = !m_checked;
        if (m_toggle)
            m_toggle(m_context, m_parameterId, m_checked);
    }
    update();
}

void tcGuiCheckBox::mouseDrag(int x, int y, int)
{
    setPressed(hitTest(x, y));
}

bool tcGuiCheckBox::wantsHover() const
{
    return true;
}

void tcGuiCheckBox::paint(QPainter& painter)
{
    int section = m_hover ? 1 : 0;
    if (!isDisabledLook())
        section = (m_checked ? 3 : 0) + (m_pressed ? 2 : section);
    if (m_bitmap)
        m_bitmap->drawSection(painter, m_x, m_y, section);
    drawCaption(painter, m_captionAlign, 0);
}

void tcGuiCheckBox::setChecked(bool checked)
{
    if (checked != m_checked) {
        m_checked = checked;
        update();
    }
}

void tcGuiCheckBox::setPressed(bool pressed)
{
    if (pressed != m_pressed) {
        m_pressed = pressed;
        update();
    }
}
