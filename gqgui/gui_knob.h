#pragma once

#include "gqgui/gui_object.h"

#include <cstdint>

// A rotary control turned by dragging or by the wheel. SIMPLE knobs show the section of
// their value; ring styles show a base section with lit ring segments drawn over it.
// GUI thread only.
class tcGuiKnob : public tcGuiObject
{
public:
    // Reports a value set by the user: (context, parameterId, value).
    using ChangeFn = void (*)(void* context, int parameterId, int value);

    enum Style { SIMPLE, RING_DOT, RING_BAR, RING_REBAR, RING_SPREAD, RING_Q, RING_PAN, STYLE_COUNT };
    // The 21 ring segments are bits 2..22 of the mask, bit 12 the centre one; the
    // segment of bit b is drawn from bitmap section b + 3.
    static constexpr int RING_FIRST_BIT = 2;
    static constexpr int RING_CENTRE_BIT = 12;
    static constexpr int RING_LAST_BIT = 22;
    static constexpr int RING_SECTION_OFFSET = 3;

    tcGuiKnob(const QString& id, tcBench* bench, int serial);

    std::unique_ptr<tcGuiObject> clone(tcBench* bench) const override;
    void finishLoading() override;
    bool mousePress(int x, int y) override;
    void mouseRelease(int x, int y) override;
    void mouseDrag(int x, int y, int modifiers) override;
    void wheel(int delta, int modifiers) override;
    bool acceptsWheel() const override;
    bool wantsHover() const override;
    void paint(QPainter& painter) override;

    // The style of a skin word ("SIMPLE", "RING_DOT", ...), or -1.
    static int styleFromName(const QString& name);
    // Lit segments for a value within [minimum, maximum]; 0 outside it or for an empty range.
    static uint32_t ringMask(int style, int value, int minimum, int maximum);

    void setStyle(int style);
    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }
    void setCallback(ChangeFn change) { m_change = change; }
    // Both set without calling back; the value is kept inside the range.
    void setValue(int value);
    void setRange(int minimum, int maximum);

    int style() const { return m_style; }
    int value() const { return m_value; }
    uint32_t mask() const { return m_ringMask; }
    bool isPressed() const { return m_pressed; }

private:
    void applyStep(int step);
    // Stores the value clamped to the range; true when it changed.
    bool store(int value);
    int simpleSection() const;

    int m_style = SIMPLE;
    tcGuiImage* m_bitmap = nullptr;
    int m_value = 0;
    uint32_t m_ringMask = 0;
    bool m_pressed = false;
    ChangeFn m_change = nullptr;
};
