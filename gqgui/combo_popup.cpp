#include "gqgui/combo_popup.h"

#include "gqgui/gui_combo.h"
#include "gqgui/gui_image.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

tcComboPopup::tcComboPopup(tcGuiCombo* combo, QWidget* parent)
    : QWidget(parent),
      m_combo(combo),
      m_rowHeight(std::max(combo->height(), 1)),
      m_rows(0),
      m_scrollBar(false),
      m_barWidth(combo->arrowWidth() > 0 ? combo->arrowWidth() : LIST_SCROLL_BAR_WIDTH)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    const int count = int(combo->items().size());
    // Never fewer than one row, never blank rows below the last item.
    const int wanted = std::max(combo->dropRows(), 1);
    m_scrollBar = count > wanted;
    m_rows = m_scrollBar ? std::max(wanted, MIN_SCROLL_ROWS) : std::max(count, 1);
    m_scrollBar = count > m_rows;
    // The current item heads the list, as far as the list can still be filled.
    m_first = std::clamp(combo->index(), 0, std::max(count - m_rows, 0));
    if (m_scrollBar)
        m_thumb = m_first * travel() / (count - m_rows);
    resize(combo->width(), m_rows * m_rowHeight);
}

void tcComboPopup::paintEvent(QPaintEvent*)
{
    if (!m_combo)
        return;
    QPainter painter(this);
    paintRows(painter);
    if (m_scrollBar)
        paintScrollBar(painter);
}

void tcComboPopup::paintRows(QPainter& painter)
{
    const tcListColors& colors = m_combo->colors();
    const int textWidth = width() - (m_scrollBar ? m_barWidth : 0);
    painter.setFont(m_combo->listDrawingFont());
    for (int row = 0; row < m_rows; ++row) {
        const int item = m_first + row;
        QRgb fg = colors.fgList;
        QRgb bg = colors.bgList;
        if (item == m_combo->index()) {
            fg = colors.fgSelect;
            bg = colors.bgSelect;
        } else if (row == m_hoverRow) {
            fg = colors.fgHilite;
            bg = colors.bgHilite;
        }
        const QRect rect(0, row * m_rowHeight, textWidth, m_rowHeight);
        painter.fillRect(rect, QColor::fromRgba(bg));
        painter.setPen(QColor::fromRgba(fg));
        painter.drawText(rect.adjusted(TEXT_INDENT, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         m_combo->items().value(item));
    }
}

void tcComboPopup::paintScrollBar(QPainter& painter)
{
    const tcListColors& colors = m_combo->colors();
    const int left = width() - m_barWidth;
    painter.fillRect(left, 0, m_barWidth, height(), QColor::fromRgba(colors.bgRail));
    // As in the list box: a thumb one row high, cut from the combo's arrow bitmap.
    if (tcGuiImage* bitmap = m_combo->bitmap())
        bitmap->drawSectionPart(painter, left, m_thumb, 0, QRect(0, 0, m_barWidth, m_rowHeight));
    else
        painter.fillRect(left, m_thumb, m_barWidth, m_rowHeight, QColor::fromRgba(colors.fgList));
}

void tcComboPopup::mousePressEvent(QMouseEvent* event)
{
    if (!m_combo || event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (onScrollBar(pos)) {
        m_dragging = true;
        m_dragY = pos.y();
        return;
    }
    const int row = rowAt(pos);
    if (row >= 0)
        choose(m_first + row);
}

void tcComboPopup::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_combo)
        return;
    const QPoint pos = event->position().toPoint();
    if (m_dragging && travel() > 0) {
        m_thumb = std::clamp(m_thumb + pos.y() - m_dragY, 0, travel());
        m_dragY = pos.y();
        m_first = (itemCount() - m_rows) * m_thumb / travel();
        update();
        return;
    }
    const int row = onScrollBar(pos) ? -1 : rowAt(pos);
    if (row != m_hoverRow) {
        m_hoverRow = row;
        update();
    }
}

void tcComboPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    else if (event->button() == Qt::RightButton)
        close();
}

void tcComboPopup::leaveEvent(QEvent*)
{
    if (m_hoverRow != -1) {
        m_hoverRow = -1;
        update();
    }
}

int tcComboPopup::itemCount() const
{
    return m_combo ? int(m_combo->items().size()) : 0;
}

int tcComboPopup::rowAt(const QPoint& pos) const
{
    if (!rect().contains(pos))
        return -1;
    const int row = pos.y() / m_rowHeight;
    return row < m_rows && m_first + row < itemCount() ? row : -1;
}

bool tcComboPopup::onScrollBar(const QPoint& pos) const
{
    return m_scrollBar && rect().contains(pos) && pos.x() >= width() - m_barWidth;
}

int tcComboPopup::travel() const
{
    return (m_rows - 1) * m_rowHeight;
}

void tcComboPopup::choose(int item)
{
    tcGuiCombo* combo = m_combo;
    // Closed first: choosing may make the combo close or hide its drop-down.
    close();
    combo->setIndex(item, true);
}
