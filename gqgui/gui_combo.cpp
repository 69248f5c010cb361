#include "gqgui/gui_combo.h"

#include "gqgui/bench.h"
#include "gqgui/combo_popup.h"
#include "gqgui/gui_image.h"
#include "gqgui/skin_font.h"

#include <QPainter>

#include <iterator>

namespace {

constexpr const char* COMBO_TYPE_NAMES[] = {"DROP", "ROLL", "USER"};
static_assert(std::size(COMBO_TYPE_NAMES) == tcGuiCombo::TYPE_COUNT);

// Auto-roll step by repeat count: none up to 4, 1 up to 14, 5 up to 24, then 10.
struct tcRollStage
{
    int fromCount;
    int step;
};
constexpr tcRollStage ROLL_STAGES[] = {{25, 10}, {15, 5}, {5, 1}, {0, 0}};

int rollStep(int count)
{
    for (const tcRollStage& stage : ROLL_STAGES) {
        if (count >= stage.fromCount)
            return stage.step;
    }
    return 0;
}

constexpr int TEXT_INDENT = 3;

} // namespace

tcGuiCombo::tcGuiCombo(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_COMBO)
{
    m_width = 50;
    m_height = 20;
    m_captionX = 0;
    m_captionY = 0;
}

tcGuiCombo::~tcGuiCombo()
{
    closeDropDown();
}

std::unique_ptr<tcGuiObject> tcGuiCombo::clone(tcBench* bench) const
{
    auto copy = std::make_unique<tcGuiCombo>(*this);
    copy->rebind(bench);
    copy->m_popup = nullptr;
    copy->m_bitmap = copy->counterpart(m_bitmap);
    if (m_listFont)
        copy->m_listFont = bench ? bench->fontByName(m_listFont->name().text()) : nullptr;
    copy->m_pressing = copy->m_arrowActive = false;
    copy->m_hilite = copy->m_pressedArrow = ARROW_NONE;
    copy->m_step = nullptr;
    copy->m_entry.setCallbacks(nullptr, nullptr);
    return copy;
}

void tcGuiCombo::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    if (!m_listFont && m_bench)
        m_listFont = m_bench->fontByName(QStringLiteral("GQGUI_HFONT"));
    if (m_bitmap) {
        m_bitmap->finishLoading();
        m_arrowWidth = m_bitmap->sectionWidth();
        m_height = m_bitmap->height();
    }
    setBoundsFromGeometry();
    if (!m_captionXGiven)
        m_captionX = 0;
    if (!m_captionYGiven)
        m_captionY = DEFAULT_CAPTION_Y;
    // Measured with the alignment the caption is drawn with, after its anchor is final.
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
}

void tcGuiCombo::hide()
{
    closeDropDown();
    tcGuiObject::hide();
}

void tcGuiCombo::setCaptionX(int x)
{
    m_captionX = x;
    m_captionXGiven = true;
}

void tcGuiCombo::setCaptionY(int y)
{
    m_captionY = y;
    m_captionYGiven = true;
}

bool tcGuiCombo::mousePress(int x, int y)
{
    const Arrow arrow = arrowAt(x, y);
    if (arrow == ARROW_NONE || inputRefused())
        return false;
    m_repeatCount = 0;
    m_pressing = true;
    m_arrowActive = true;
    m_pressedArrow = arrow;
    m_hilite = arrow;
    m_hover = true;
    update();
    return true;
}

void tcGuiCombo::mouseRelease(int x, int y)
{
    m_pressing = false;
    m_arrowActive = false;
    // The step of a release follows the arrow released on; auto-roll follows the one pressed.
    const Arrow arrow = arrowAt(x, y);
    if (arrow != ARROW_NONE) {
        if (m_type == TYPE_DROP)
            openDropDown();
        else if (!(m_autoRepeat && m_repeatCount >= ROLL_RELEASE_LIMIT))
            stepBy(direction(arrow));
    }
    m_hilite = ARROW_NONE;
    m_pressedArrow = ARROW_NONE;
    m_hover = false;
    update();
}

void tcGuiCombo::mouseDrag(int x, int y, int)
{
    if (!m_pressing)
        return;
    const bool onArrow = arrowAt(x, y) != ARROW_NONE;
    if (onArrow == m_arrowActive)
        return;
    m_arrowActive = onArrow;
    if (onArrow)
        m_repeatCount = 0;
    update();
}

void tcGuiCombo::mouseHover(int x, int y, int)
{
    const Arrow arrow = arrowAt(x, y);
    m_hover = hitTest(x, y);
    if (arrow != m_hilite) {
        m_hilite = arrow;
        update();
    }
}

void tcGuiCombo::doubleClick(int x, int y)
{
    if (arrowAt(x, y) != ARROW_NONE || !m_entry.wanted() || inputRefused())
        return;
    const QPoint at = m_bench ? m_bench->toHost(QPoint(m_x, m_y + m_height)) : QPoint(m_x, m_y + m_height);
    m_entry.run(m_parent, at, m_context, m_parameterId);
}

bool tcGuiCombo::acceptsDoubleClick() const
{
    return true;
}

bool tcGuiCombo::wantsHover() const
{
    return true;
}

void tcGuiCombo::tick()
{
    if (!m_arrowActive || !m_autoRepeat || m_type == TYPE_DROP)
        return;
    ++m_repeatCount;
    stepBy(rollStep(m_repeatCount) * direction(m_pressedArrow));
}

void tcGuiCombo::paint(QPainter& painter)
{
    painter.save();
    painter.setClipRect(m_bounds, Qt::IntersectClip);
    painter.fillRect(m_bounds, QColor::fromRgba(m_colors.bg));
    if (!isDisabledLook()) {
        painter.setPen(QColor::fromRgba(m_colors.fg));
        painter.setFont(listDrawingFont());
        const QRect text(m_x + TEXT_INDENT, m_y, m_width - m_arrowWidth - TEXT_INDENT, m_height);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         m_type == TYPE_USER ? m_userText : m_items.value(m_index));
    }
    if (m_bitmap)
        m_bitmap->drawSection(painter, m_x + m_width - m_arrowWidth, m_y, arrowSection());
    painter.restore();
    // Top-left unless the skin aligns the caption otherwise; its box is measured the same way.
    drawCaption(painter, m_captionAlign, 0);
}

int tcGuiCombo::typeFromName(const QString& name)
{
    for (int type = 0; type < TYPE_COUNT; ++type) {
        if (name == QLatin1String(COMBO_TYPE_NAMES[type]))
            return type;
    }
    return -1;
}

void tcGuiCombo::setItems(const QStringList& items)
{
    m_items = items;
    m_index = qBound(0, m_index, std::max(int(m_items.size()) - 1, 0));
    if (m_visible)
        update();
}

void tcGuiCombo::setIndex(int index, bool notify)
{
    const int clamped = qBound(0, index, std::max(int(m_items.size()) - 1, 0));
    if (clamped == m_index)
        return;
    m_index = clamped;
    if (notify && m_step)
        m_step(m_context, m_parameterId, m_index);
    update();
}

void tcGuiCombo::setUserText(const QString& text)
{
    if (m_type != TYPE_USER || text == m_userText)
        return;
    m_userText = text;
    update();
}

void tcGuiCombo::setType(int type)
{
    if (type >= 0 && type < TYPE_COUNT)
        m_type = type;
}

void tcGuiCombo::setCallbacks(StepFn step, EditFn edit, DoubleClickFn doubleClick)
{
    m_step = step;
    m_entry.setCallbacks(edit, doubleClick);
}

tcComboPopup* tcGuiCombo::popup() const
{
    return m_popup.data();
}

QFont tcGuiCombo::listDrawingFont() const
{
    return m_listFont ? m_listFont->font() : captionDrawingFont();
}

tcGuiCombo::Arrow tcGuiCombo::arrowAt(int x, int y) const
{
    if (m_arrowWidth <= 0 || !hitTest(x, y) || x < m_x + m_width - m_arrowWidth)
        return ARROW_NONE;
    return y < m_y + m_height / 2 ? ARROW_UP : ARROW_DOWN;
}

int tcGuiCombo::direction(Arrow arrow) const
{
    const int step = arrow == ARROW_UP ? -1 : 1;
    return m_reverse ? -step : step;
}

void tcGuiCombo::stepBy(int step)
{
    if (m_type == TYPE_ROLL)
        setIndex(m_index + step, true);
    else if (m_type == TYPE_USER && step != 0 && m_step)
        m_step(m_context, m_parameterId, step);
}

void tcGuiCombo::openDropDown()
{
    closeDropDown();
    // Without a dialog parent there is nowhere to open it.
    if (!m_parent)
        return;
    const QPoint at = m_bench ? m_bench->toHost(QPoint(m_x, m_y + m_height)) : QPoint(m_x, m_y + m_height);
    m_popup = new tcComboPopup(this, m_parent);
    m_popup->move(at);
    m_popup->show();
    m_popup->raise();
}

void tcGuiCombo::closeDropDown()
{
    if (!m_popup)
        return;
    // Cut loose and deleted later: the drop-down may be handling the very event that
    // led here, and must not reach this combo once it has gone.
    m_popup->detach();
    m_popup->hide();
    m_popup->deleteLater();
    m_popup = nullptr;
}

int tcGuiCombo::arrowSection() const
{
    if (m_pressing && m_arrowActive)
        return m_pressedArrow == ARROW_UP ? SECTION_UP_PRESSED : SECTION_DOWN_PRESSED;
    if (m_hilite == ARROW_UP)
        return SECTION_UP_HILITE;
    if (m_hilite == ARROW_DOWN)
        return SECTION_DOWN_HILITE;
    return SECTION_IDLE;
}
