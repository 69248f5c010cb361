#include "gqgui/gui_radio.h"

#include "gqgui/gui_image.h"
#include "gqgui/gui_radio_item.h"

#include <algorithm>

tcGuiRadioGroup::tcGuiRadioGroup(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_RADIOGROUP)
{
    m_width = 0;
    m_height = 0;
}

void tcGuiRadioGroup::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    if (m_bitmap) {
        m_bitmap->finishLoading();
        // The group bitmap is drawn whole, scaled into the group: its whole size is taken.
        if (m_width == 0 || m_height == 0) {
            m_width = m_bitmap->width();
            m_height = m_bitmap->height();
        }
    }
    placeItems();
    setBoundsFromGeometry();
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
    tcGuiRadioItem* chosen = current();
    if (!chosen && !m_items.empty())
        chosen = m_items.front();
    if (chosen) {
        m_currentId = chosen->id();
        chosen->setSelected(true);
    }
}

void tcGuiRadioGroup::placeItems()
{
    int itemWidth = DEFAULT_ITEM_STEP;
    int itemHeight = DEFAULT_ITEM_STEP;
    if (m_itemBitmap) {
        m_itemBitmap->finishLoading();
        itemWidth = m_itemBitmap->sectionWidth();
        itemHeight = m_itemBitmap->height();
    }
    const int originX = m_x + itemWidth;
    int runningY = m_y + itemHeight;
    for (tcGuiRadioItem* item : m_items) {
        const int x = item->itemXGiven() ? m_x + item->itemX() : originX;
        const int y = item->itemYGiven() ? m_y + item->itemY() : runningY;
        item->place(x, y, m_itemBitmap);
        runningY += 3 * itemHeight / 2;
    }
}

void tcGuiRadioGroup::show(bool on)
{
    if (!on) {
        hide();
        return;
    }
    tcGuiObject::show(true);
    for (tcGuiRadioItem* item : m_items)
        item->show(true);
}

void tcGuiRadioGroup::hide()
{
    tcGuiObject::hide();
    for (tcGuiRadioItem* item : m_items)
        item->hide();
}

bool tcGuiRadioGroup::hitTest(int, int) const
{
    return false;
}

void tcGuiRadioGroup::paint(QPainter& painter)
{
    if (m_bitmap)
        m_bitmap->drawScaled(painter, m_bounds);
    drawCaption(painter, m_captionAlign, 0);
}

void tcGuiRadioGroup::addItem(tcGuiRadioItem* item)
{
    if (!item || std::find(m_items.begin(), m_items.end(), item) != m_items.end())
        return;
    m_items.push_back(item);
    item->setGroup(this);
}

void tcGuiRadioGroup::select(tcGuiRadioItem* item)
{
    if (!m_loaded || (item && item->group() != this))
        return;
    tcGuiRadioItem* old = current();
    if (item == old)
        return;
    if (old)
        old->setSelected(false);
    if (!item) {
        m_currentId.clear();
        return;
    }
    item->setSelected(true);
    m_currentId = item->id();
    if (m_change)
        m_change(m_context, m_parameterId, item->parameterId());
}

void tcGuiRadioGroup::select(const QString& itemId)
{
    if (!m_loaded) {
        m_currentId = itemId;
        return;
    }
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [&itemId](const tcGuiRadioItem* item) { return item->id() == itemId; });
    select(found == m_items.end() ? nullptr : *found);
}

tcGuiRadioItem* tcGuiRadioGroup::current() const
{
    if (m_currentId.isEmpty())
        return nullptr;
    for (tcGuiRadioItem* item : m_items) {
        if (item->id() == m_currentId)
            return item;
    }
    return nullptr;
}
