#include "gqgui/gui_listbox.h"

#include "gqgui/bench.h"
#include "gqgui/gui_image.h"
#include "gqgui/skin_font.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace {
constexpr const char* LISTBOX_TYPE_NAMES[] = {"SINGLE", "MULTI"};
static_assert(std::size(LISTBOX_TYPE_NAMES) == tcGuiListbox::TYPE_COUNT);
}

tcGuiListbox::tcGuiListbox(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_LISTBOX)
{
    m_width = 50;
    m_height = 20;
}

std::unique_ptr<tcGuiObject> tcGuiListbox::clone(tcBench* bench) const
{
    auto copy = std::make_unique<tcGuiListbox>(*this);
    copy->rebind(bench);
    copy->m_bitmap = copy->counterpart(m_bitmap);
    if (m_listFont)
        copy->m_listFont = bench ? bench->fontByName(m_listFont->name().text()) : nullptr;
    copy->m_hovered = -1;
    copy->m_thumbDragging = false;
    copy->m_single = nullptr;
    copy->m_multi = nullptr;
    return copy;
}

void tcGuiListbox::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    if (!m_listFont && m_bench)
        m_listFont = m_bench->fontByName(QStringLiteral("GQGUI_HFONT"));
    if (m_bitmap) {
        m_bitmap->finishLoading();
        m_barWidth = std::max(m_bitmap->sectionWidth(), 1);
    }
    // A font without spacing would make every row zero high.
    m_rowHeight = std::max(m_listFont ? m_listFont->space() : 0, 1);
    m_visibleRows = m_height / m_rowHeight;
    m_textWidth = m_width - m_barWidth;
    setBoundsFromGeometry();
    if (!m_captionXGiven)
        m_captionX = 0;
    if (!m_captionYGiven)
        m_captionY = DEFAULT_CAPTION_Y;
    updateCaptionBounds(m_captionAlign);
    updateScrollState();
    m_loaded = true;
}

void tcGuiListbox::setCaptionX(int x)
{
    m_captionX = x;
    m_captionXGiven = true;
}

void tcGuiListbox::setCaptionY(int y)
{
    m_captionY = y;
    m_captionYGiven = true;
}

bool tcGuiListbox::mousePress(int x, int y)
{
    if (m_inputFlags != 0 || !onScrollBar(x, y))
        return false;
    m_thumbDragging = true;
    m_lastDragY = y;
    return true;
}

void tcGuiListbox::mouseRelease(int x, int y)
{
    m_thumbDragging = false;
    tcGuiObject::mouseRelease(x, y);
}

void tcGuiListbox::mouseDrag(int, int y, int)
{
    if (!m_thumbDragging || travel() <= 0)
        return;
    m_thumb = std::clamp(m_thumb + y - m_lastDragY, 0, travel());
    m_lastDragY = y;
    m_topRow = lastTopRow() * m_thumb / travel();
    update();
}

void tcGuiListbox::mouseHover(int x, int y, int)
{
    const int row = rowAt(x, y);
    if (row != m_hovered) {
        m_hovered = row;
        update();
    }
}

void tcGuiListbox::doubleClick(int x, int y)
{
    if (m_inputFlags != 0)
        return;
    // The row under the click itself: hover moves are throttled and may lag behind.
    m_hovered = rowAt(x, y);
    if (m_hovered < 0)
        return;
    if (m_type == TYPE_SINGLE)
        select(m_hovered, true, true);
    else
        select(m_hovered, !m_items[size_t(m_hovered)].selected, true);
}

bool tcGuiListbox::acceptsDoubleClick() const
{
    return true;
}

bool tcGuiListbox::wantsHover() const
{
    return true;
}

void tcGuiListbox::paint(QPainter& painter)
{
    painter.save();
    painter.setClipRect(m_bounds, Qt::IntersectClip);
    painter.fillRect(m_bounds, QColor::fromRgba(m_colors.bg));
    if (!isDisabledLook())
        paintRows(painter);
    if (m_scrollNeeded)
        paintScrollBar(painter);
    painter.restore();
    drawCaption(painter, m_captionAlign, 0);
}

void tcGuiListbox::paintRows(QPainter& painter)
{
    painter.setFont(m_listFont ? m_listFont->font() : captionDrawingFont());
    for (int row = 0; row < m_visibleRows && m_topRow + row < itemCount(); ++row) {
        const int item = m_topRow + row;
        QRgb fg = m_colors.fgList;
        QRgb bg = m_colors.bgList;
        if (isSelected(item)) {
            fg = m_colors.fgSelect;
            bg = m_colors.bgSelect;
        } else if (item == m_hovered) {
            fg = m_colors.fgHilite;
            bg = m_colors.bgHilite;
        }
        const QRect rect(m_x, m_y + row * m_rowHeight, m_textWidth, m_rowHeight);
        painter.fillRect(rect, QColor::fromRgba(bg));
        painter.setPen(QColor::fromRgba(fg));
        painter.drawText(rect.adjusted(TEXT_INDENT, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         m_items[size_t(item)].text);
    }
}

void tcGuiListbox::paintScrollBar(QPainter& painter)
{
    const int left = m_x + m_textWidth;
    painter.fillRect(left, m_y, m_barWidth, m_height, QColor::fromRgba(m_colors.bgRail));
    // The thumb is one row high, so that it travels (rows - 1) rows down the rail.
    if (m_bitmap)
        m_bitmap->drawSectionPart(painter, left, m_y + m_thumb, 0, QRect(0, 0, m_barWidth, m_rowHeight));
    else
        painter.fillRect(left, m_y + m_thumb, m_barWidth, m_rowHeight, QColor::fromRgba(m_colors.fgList));
}

int tcGuiListbox::typeFromName(const QString& name)
{
    for (int type = 0; type < TYPE_COUNT; ++type) {
        if (name == QLatin1String(LISTBOX_TYPE_NAMES[type]))
            return type;
    }
    return -1;
}

void tcGuiListbox::setItems(const std::vector<Item>& items)
{
    m_items = items;
    m_current = -1;
    for (int row = 0; row < itemCount(); ++row) {
        if (m_items[size_t(row)].selected)
            m_current = row;
    }
    m_hovered = -1;
    m_topRow = 0;
    m_thumb = 0;
    updateScrollState();
    if (m_visible)
        update();
}

void tcGuiListbox::select(int row, bool state, bool notify)
{
    if (row < 0 || row >= itemCount())
        return;
    bool changed = false;
    if (m_type == TYPE_SINGLE) {
        const int current = state ? row : (m_current == row ? -1 : m_current);
        changed = current != m_current;
        m_current = current;
        if (changed && notify && m_single)
            m_single(m_context, m_parameterId, m_current);
    } else {
        Item& item = m_items[size_t(row)];
        changed = item.selected != state;
        item.selected = state;
        if (changed && notify && m_multi)
            m_multi(m_context, m_parameterId, row, state);
    }
    if (changed && m_visible)
        update();
}

void tcGuiListbox::setTopRow(int row)
{
    m_topRow = std::clamp(row, 0, lastTopRow());
    m_thumb = lastTopRow() > 0 ? m_topRow * travel() / lastTopRow() : 0;
    if (m_visible)
        update();
}

void tcGuiListbox::setType(int type)
{
    if (type >= 0 && type < TYPE_COUNT)
        m_type = type;
}

void tcGuiListbox::setCallbacks(SingleFn single, MultiFn multi)
{
    m_single = single;
    m_multi = multi;
}

bool tcGuiListbox::isSelected(int row) const
{
    if (row < 0 || row >= itemCount())
        return false;
    return m_type == TYPE_SINGLE ? row == m_current : m_items[size_t(row)].selected;
}

int tcGuiListbox::rowAt(int x, int y) const
{
    if (!hitTest(x, y) || onScrollBar(x, y) || y >= m_y + m_visibleRows * m_rowHeight)
        return -1;
    const int row = (y - m_y) / m_rowHeight + m_topRow;
    return row < itemCount() ? row : -1;
}

bool tcGuiListbox::onScrollBar(int x, int y) const
{
    return m_scrollNeeded && hitTest(x, y) && x > m_x + m_textWidth;
}

int tcGuiListbox::travel() const
{
    return std::max(m_visibleRows - 1, 0) * m_rowHeight;
}

int tcGuiListbox::lastTopRow() const
{
    return std::max(itemCount() - m_visibleRows, 0);
}

void tcGuiListbox::updateScrollState()
{
    m_scrollNeeded = itemCount() > m_visibleRows;
}
