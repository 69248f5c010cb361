#include "gqgui/gui_radio_item.h"

#include "gqgui/bench.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_radio.h"

tcGuiRadioItem::tcGuiRadioItem(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_RADIOITEM)
{
    // Without any bitmap an item is as large as the group's default item step.
    m_width = tcGuiRadioGroup::DEFAULT_ITEM_STEP;
    m_height = tcGuiRadioGroup::DEFAULT_ITEM_STEP;
}

tcGuiObject* tcGuiRadioItem::parent() const
{
    return m_group;
}

int tcGuiRadioItem::parentKind() const
{
    return GUI_KIND_RADIOGROUP;
}

void tcGuiRadioItem::show(bool on)
{
    if (on && !m_group)
        return;
    tcGuiObject::show(on);
}

bool tcGuiRadioItem::mousePress(int, int)
{
    // An item's parameterId is its value; the lock is asked for the group's binding.
    const bool locked = m_bench && m_group && m_bench->interactionLocked(m_group->parameterId());
    if (m_inputFlags != 0 || locked)
        return false;
    setPressed(true);
    return true;
}

void tcGuiRadioItem::mouseRelease(int x, int y)
{
    const bool chosen = m_pressed && hitTest(x, y);
    setPressed(false);
    if (chosen && m_group)
        m_group->select(this);
    setHover(hitTest(x, y));
}

void tcGuiRadioItem::mouseDrag(int x, int y, int)
{
    setPressed(hitTest(x, y));
}

bool tcGuiRadioItem::wantsHover() const
{
    return true;
}

void tcGuiRadioItem::paint(QPainter& painter)
{
    int section = m_hover ? 1 : 0;
    if (!isDisabledLook())
        section = (m_selected ? 3 : 0) + (m_pressed ? 2 : section);
    if (m_bitmap)
        m_bitmap->drawSection(painter, m_x, m_y, section);
    drawCaption(painter, m_captionAlign, 0);
}

void tcGuiRadioItem::setItemX(int x)
{
    m_itemX = x;
    m_itemXGiven = true;
}

void tcGuiRadioItem::setItemY(int y)
{
    m_itemY = y;
    m_itemYGiven = true;
}

void tcGuiRadioItem::setItemCaptionX(int x)
{
    m_captionX = x;
    m_captionXGiven = true;
}

void tcGuiRadioItem::setItemCaptionY(int y)
{
    m_captionY = y;
    m_captionYGiven = true;
}

void tcGuiRadioItem::setGroup(tcGuiRadioGroup* group)
{
    m_group = group;
    m_groupId = group ? group->id() : QString();
}

void tcGuiRadioItem::place(int x, int y, tcGuiImage* groupBitmap)
{
    m_x = x;
    m_y = y;
    if (!m_bitmap)
        m_bitmap = groupBitmap;
    defaultCaptionFont("GQGUI_HFONT");
    sizeFromBitmap(m_bitmap);
    if (!m_captionXGiven)
        m_captionX = m_width + m_width / 2;
    if (!m_captionYGiven)
        m_captionY = 0;
    setBoundsFromGeometry();
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
}

void tcGuiRadioItem::setSelected(bool selected)
{
    if (selected != m_selected) {
        m_selected = selected;
        update();
    }
}

void tcGuiRadioItem::setPressed(bool pressed)
{
    if (pressed != m_pressed) {
        m_pressed = pressed;
        update();
    }
}
