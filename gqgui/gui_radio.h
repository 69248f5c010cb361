#pragma once

#include "gqgui/gui_object.h"

#include <vector>

class tcGuiRadioItem;

// A group of radio items of which one is current; it places its items, shows and hides
// them with itself and reports a change of the current item. The items are objects of
// the bench's list; the group only refers to them. GUI thread only.
class tcGuiRadioGroup : public tcGuiObject
{
public:
    // Reports a new current item: (context, group parameterId, the item's value).
    using ChangeFn = void (*)(void* context, int parameterId, int value);

    // Item origin and height used when the group has no item bitmap.
    static constexpr int DEFAULT_ITEM_STEP = 14;

    tcGuiRadioGroup(const QString& id, tcBench* bench, int serial);

    void finishLoading() override;
    void show(bool on) override;
    void hide() override;
    // The group itself is never hit; its items are.
    bool hitTest(int px, int py) const override;
    void paint(QPainter& painter) override;

    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }
    void setItemBitmap(tcGuiImage* bitmap) { m_itemBitmap = bitmap; }
    tcGuiImage* itemBitmap() const { return m_itemBitmap; }
    // Makes the item one of this group's, after those added before.
    void addItem(tcGuiRadioItem* item);
    void setCallback(ChangeFn change) { m_change = change; }

    // Makes the item current and reports it, when it is not current already; none
    // clears the current item. Does nothing before the group has loaded.
    void select(tcGuiRadioItem* item);
    // The same by the item's id; an id naming no item selects none. Before loading it
    // only remembers the id, which loading then makes current.
    void select(const QString& itemId);

    const std::vector<tcGuiRadioItem*>& items() const { return m_items; }
    tcGuiRadioItem* current() const;
    const QString& currentId() const { return m_currentId; }

private:
    void placeItems();

    tcGuiImage* m_bitmap = nullptr;
    tcGuiImage* m_itemBitmap = nullptr;
    std::vector<tcGuiRadioItem*> m_items;
    QString m_currentId;
    ChangeFn m_change = nullptr;
};
