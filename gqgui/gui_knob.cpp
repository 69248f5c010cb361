#include "gqgui/gui_knob.h"

#include "gqgui/gui_image.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

constexpr const char* KNOB_STYLE_NAMES[] = {"SIMPLE", "RING_DOT", "RING_BAR", "RING_REBAR",
                                            "RING_SPREAD", "RING_Q", "RING_PAN"};
static_assert(std::size(KNOB_STYLE_NAMES) == tcGuiKnob::STYLE_COUNT);

constexpr int SEGMENTS = 21;

// Bits first..last, none when first > last.
constexpr uint32_t bits(int first, int last)
{
    uint32_t mask = 0;
    for (int b = first; b <= last; ++b)
        mask |= 1u << b;
    return mask;
}

// Rounded position n of p in 0..r on a scale of `steps`: floor(steps * p / r + 0.5).
constexpr int rounded(int steps, int p, int r)
{
    return (2 * steps * p + r) / (2 * r);
}

constexpr uint32_t centredSpread(int half)
{
    return bits(tcGuiKnob::RING_CENTRE_BIT - half, tcGuiKnob::RING_CENTRE_BIT + half);
}

using RingFn = uint32_t (*)(int p, int r);

// One mask rule per style, indexed by the style; SIMPLE has none.
constexpr RingFn RING_RULES[] = {
    nullptr,
    [](int p, int r) { return 1u << (rounded(SEGMENTS - 1, p, r) + tcGuiKnob::RING_FIRST_BIT); },
    [](int p, int r) { return bits(tcGuiKnob::RING_FIRST_BIT, rounded(SEGMENTS, p, r) + 1); },
    [](int p, int r) { return bits(rounded(SEGMENTS, p, r) + 2, tcGuiKnob::RING_LAST_BIT); },
    [](int p, int r) { return centredSpread(SEGMENTS * p / 2 / r); },
    [](int p, int r) { return centredSpread(SEGMENTS * (r - p) / 2 / r); },
    [](int p, int r) {
        // The far end of the pan is the last segment: at the maximum 21 p / r + 2 would
        // name a bit past the ring.
        const int c = std::min(SEGMENTS * p / r + 2, tcGuiKnob::RING_LAST_BIT);
        return c < tcGuiKnob::RING_CENTRE_BIT + 1 ? bits(c, tcGuiKnob::RING_CENTRE_BIT)
                                                  : bits(tcGuiKnob::RING_CENTRE_BIT, c);
    },
};
static_assert(std::size(RING_RULES) == tcGuiKnob::STYLE_COUNT);

constexpr int SHIFT_DRAG_FACTOR = 5;
constexpr int SHIFT_WHEEL_FACTOR = 10;

int withModifiers(int step, int modifiers, int shiftFactor)
{
    if (modifiers & GUI_MOD_SHIFT)
        step *= shiftFactor;
    if (modifiers & GUI_MOD_CTRL)
        step = qBound(-1, step, 1);
    return step;
}

} // namespace

tcGuiKnob::tcGuiKnob(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_KNOB)
{
    m_width = 20;
    m_height = 20;
    m_minimum = 0;
    m_maximum = 255;
}

std::unique_ptr<tcGuiObject> tcGuiKnob::clone(tcBench* bench) const
{
    auto copy = std::make_unique<tcGuiKnob>(*this);
    copy->rebind(bench);
    copy->m_bitmap = copy->counterpart(m_bitmap);
    copy->m_pressed = false;
    copy->m_change = nullptr;
    return copy;
}

void tcGuiKnob::finishLoading()
{
    defaultCaptionFont("GQGUI_HFONT");
    sizeFromBitmap(m_bitmap);
    m_ringMask = ringMask(m_style, m_value, m_minimum, m_maximum);
    setBoundsFromGeometry();
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
}

bool tcGuiKnob::mousePress(int x, int y)
{
    if (inputRefused())
        return false;
    m_pressX = x;
    m_pressY = y;
    m_pressed = true;
    update();
    return true;
}

void tcGuiKnob::mouseRelease(int x, int y)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    m_hover = hitTest(x, y);
    update();
}

void tcGuiKnob::mouseDrag(int x, int y, int modifiers)
{
    const int dx = x - m_pressX;
    const int dy = m_pressY - y;   // upwards is positive
    m_pressX = x;
    m_pressY = y;
    // Left-and-up and right-and-down moves are ambiguous: they turn nothing.
    if ((dx < 0 && dy > 0) || (dx >= 1 && dy < 0))
        return;
    applyStep(withModifiers(std::abs(dx) > std::abs(dy) ? dx : dy, modifiers, SHIFT_DRAG_FACTOR));
}

void tcGuiKnob::wheel(int delta, int modifiers)
{
    if (inputRefused())
        return;
    applyStep(withModifiers(delta, modifiers, SHIFT_WHEEL_FACTOR));
}

bool tcGuiKnob::acceptsWheel() const
{
    return true;
}

bool tcGuiKnob::wantsHover() const
{
    return true;
}

void tcGuiKnob::paint(QPainter& painter)
{
    if (m_bitmap) {
        if (m_style == SIMPLE) {
            m_bitmap->drawSection(painter, m_x, m_y, simpleSection());
        } else {
            // The disabled base still shows the lit segments over it.
            const int base = isDisabledLook() ? 2 : (m_pressed || m_hover ? 1 : 0);
            m_bitmap->drawSection(painter, m_x, m_y, base);
            for (int b = RING_FIRST_BIT; b <= RING_LAST_BIT; ++b) {
                if (m_ringMask & (1u << b))
                    m_bitmap->drawSection(painter, m_x, m_y, b + RING_SECTION_OFFSET);
            }
        }
    }
    drawCaption(painter, m_captionAlign, 0);
}

int tcGuiKnob::styleFromName(const QString& name)
{
    for (int style = 0; style < STYLE_COUNT; ++style) {
        if (name == QLatin1String(KNOB_STYLE_NAMES[style]))
            return style;
    }
    return -1;
}

uint32_t tcGuiKnob::ringMask(int style, int value, int minimum, int maximum)
{
    const int p = value - minimum;
    const int r = maximum - minimum;
    if (style <= SIMPLE || style >= STYLE_COUNT || p < 0 || p > r || r == 0)
        return 0;
    return RING_RULES[style](p, r);
}

void tcGuiKnob::setStyle(int style)
{
    if (style >= 0 && style < STYLE_COUNT)
        m_style = style;
}

void tcGuiKnob::setValue(int value)
{
    if (store(value) && m_visible)
        update();
}

// A maximum below the minimum leaves an empty range at the minimum.
void tcGuiKnob::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    store(m_value);
    m_ringMask = ringMask(m_style, m_value, m_minimum, m_maximum);
    if (m_visible)
        update();
}

void tcGuiKnob::applyStep(int step)
{
    if (store(m_value + step)) {
        update();
        if (m_change)
            m_change(m_context, m_parameterId, m_value);
    }
}

bool tcGuiKnob::store(int value)
{
    const int clamped = qBound(m_minimum, value, m_maximum);
    if (clamped == m_value)
        return false;
    m_value = clamped;
    m_ringMask = ringMask(m_style, m_value, m_minimum, m_maximum);
    return true;
}

int tcGuiKnob::simpleSection() const
{
    const int range = m_maximum - m_minimum;
    if (isDisabledLook() || range <= 0)
        return 0;
    const double f = double(m_value - m_minimum) / range;
    return int(f * (m_bitmap->sections() - 1) + 0.5);
}
