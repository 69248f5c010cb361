#pragma once

#include "gqgui/gui_object.h"

class tcGuiRadioGroup;

// One choice of a radio group, drawn from a 6-section bitmap (unselected and selected,
// each normal, hover and pressed). Its parameterId carries the value it stands for.
// GUI thread only.
class tcGuiRadioItem : public tcGuiObject
{
public:
    tcGuiRadioItem(const QString& id, tcBench* bench, int serial);

    tcGuiObject* parent() const override;
    int parentKind() const override;
    // An item shows only as part of a group.
    void show(bool on) override;
    bool mousePress(int x, int y) override;
    void mouseRelease(int x, int y) override;
    void mouseDrag(int x, int y, int modifiers) override;
    bool wantsHover() const override;
    void paint(QPainter& painter) override;

    // Position relative to the group, and the caption position; each marks it given.
    void setItemX(int x);
    void setItemY(int y);
    void setItemCaptionX(int x);
    void setItemCaptionY(int y);
    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }

    // Called by the group.
    void setGroup(tcGuiRadioGroup* group);
    // Places the item at (x, y) in skin coordinates, finishes its bitmap and caption.
    void place(int x, int y, tcGuiImage* groupBitmap);
    void setSelected(bool selected);

    tcGuiRadioGroup* group() const { return m_group; }
    const QString& groupId() const { return m_groupId; }
    bool isSelected() const { return m_selected; }
    bool isPressed() const { return m_pressed; }
    bool itemXGiven() const { return m_itemXGiven; }
    bool itemYGiven() const { return m_itemYGiven; }
    int itemX() const { return m_itemX; }
    int itemY() const { return m_itemY; }

private:
    void setPressed(bool pressed);

    tcGuiRadioGroup* m_group = nullptr;
    QString m_groupId;
    bool m_selected = false;
    bool m_pressed = false;
    int m_itemX = 0;
    int m_itemY = 0;
    bool m_itemXGiven = false;
    bool m_itemYGiven = false;
    bool m_captionXGiven = false;
    bool m_captionYGiven = false;
    tcGuiImage* m_bitmap = nullptr;
};
