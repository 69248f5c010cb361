#pragma once

#include <QWidget>

class tcGuiCombo;

// The drop-down list of a DROP combo: a child window of the combo's dialog parent that
// lists the items from the current one on, with a scroll bar when they do not all fit.
// A left press on a row chooses it; a right-button release closes the list. GUI thread only.
class tcComboPopup : public QWidget
{
    Q_OBJECT

public:
    // At least this many rows are shown once a scroll bar is needed.
    static constexpr int MIN_SCROLL_ROWS = 3;
    static constexpr int TEXT_INDENT = 3;

    tcComboPopup(tcGuiCombo* combo, QWidget* parent);

    // Forgets the combo: from then on the list only waits to be deleted.
    void detach() { m_combo = nullptr; }

    int rows() const { return m_rows; }
    int rowHeight() const { return m_rowHeight; }
    bool hasScrollBar() const { return m_scrollBar; }
    int scrollBarWidth() const { return m_barWidth; }
    int firstItem() const { return m_first; }
    int thumbPosition() const { return m_thumb; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int itemCount() const;
    int rowAt(const QPoint& pos) const;
    bool onScrollBar(const QPoint& pos) const;
    // Distance the thumb can travel.
    int travel() const;
    void paintRows(QPainter& painter);
    void paintScrollBar(QPainter& painter);
    void choose(int item);

    tcGuiCombo* m_combo;
    int m_rowHeight;
    int m_rows;
    bool m_scrollBar;
    int m_barWidth;
    int m_first = 0;
    int m_hoverRow = -1;
    int m_thumb = 0;
    bool m_dragging = false;
    int m_dragY = 0;
};
