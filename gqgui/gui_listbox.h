#pragma once

#include "gqgui/gui_object.h"
#include "gqgui/list_colors.h"

#include <vector>

// A list of text rows with single or multiple selection by double click and a scroll
// bar when the rows do not all fit. Only inputFlags stop its input. GUI thread only.
class tcGuiListbox : public tcGuiObject
{
public:
    // Reports the current row of a SINGLE list: (context, parameterId, row or -1).
    using SingleFn = void (*)(void* context, int parameterId, int current);
    // Reports a row of a MULTI list changing: (context, parameterId, row, selected).
    using MultiFn = void (*)(void* context, int parameterId, int row, bool selected);

    enum Type { TYPE_SINGLE, TYPE_MULTI, TYPE_COUNT };
    static constexpr int DEFAULT_CAPTION_Y = -12;
    static constexpr int TEXT_INDENT = 3;

    struct Item
    {
        QString text;
        bool selected = false;
    };

    tcGuiListbox(const QString& id, tcBench* bench, int serial);

    std::unique_ptr<tcGuiObject> clone(tcBench* bench) const override;
    void finishLoading() override;
    void setCaptionX(int x) override;
    void setCaptionY(int y) override;
    // Taken only on the scroll bar: starts dragging its thumb.
    bool mousePress(int x, int y) override;
    void mouseRelease(int x, int y) override;
    void mouseDrag(int x, int y, int modifiers) override;
    void mouseHover(int x, int y, int modifiers) override;
    void doubleClick(int x, int y) override;
    bool acceptsDoubleClick() const override;
    bool wantsHover() const override;
    void paint(QPainter& painter) override;

    // The type of a skin word ("SINGLE", "MULTI"), or -1.
    static int typeFromName(const QString& name);

    // Copies the rows; the current row becomes the last selected one; back to the top.
    void setItems(const std::vector<Item>& items);
    // Selects or deselects a row; with notify the change is reported.
    void select(int row, bool state, bool notify);
    // Clamped so that the last row can still fill the list.
    void setTopRow(int row);
    void setType(int type);
    void setListFont(tcSkinFont* font) { m_listFont = font; }
    void setColors(const tcListColors& colors) { m_colors = colors; }
    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }
    void setCallbacks(SingleFn single, MultiFn multi);

    const std::vector<Item>& items() const { return m_items; }
    int type() const { return m_type; }
    int current() const { return m_current; }
    bool isSelected(int row) const;
    int topRow() const { return m_topRow; }
    int hoveredRow() const { return m_hovered; }
    int rowHeight() const { return m_rowHeight; }
    int visibleRows() const { return m_visibleRows; }
    int textWidth() const { return m_textWidth; }
    bool scrollNeeded() const { return m_scrollNeeded; }
    int thumbPosition() const { return m_thumb; }
    const tcListColors& colors() const { return m_colors; }

private:
    int itemCount() const { return int(m_items.size()); }
    // The row under the point, or -1 (outside, on the scroll bar, or past the last row).
    int rowAt(int x, int y) const;
    bool onScrollBar(int x, int y) const;
    // Distance the thumb can travel.
    int travel() const;
    int lastTopRow() const;
    void updateScrollState();
    void paintRows(QPainter& painter);
    void paintScrollBar(QPainter& painter);

    int m_type = TYPE_SINGLE;
    std::vector<Item> m_items;
    int m_current = -1;
    int m_hovered = -1;
    int m_topRow = 0;
    int m_rowHeight = 1;
    int m_visibleRows = 0;
    int m_textWidth = 0;
    int m_barWidth = LIST_SCROLL_BAR_WIDTH;
    bool m_scrollNeeded = false;
    bool m_thumbDragging = false;
    int m_thumb = 0;
    int m_lastDragY = 0;
    tcGuiImage* m_bitmap = nullptr;
    tcSkinFont* m_listFont = nullptr;
    tcListColors m_colors;
    bool m_captionXGiven = false;
    bool m_captionYGiven = false;
    SingleFn m_single = nullptr;
    MultiFn m_multi = nullptr;
};
