#pragma once

#include "gqgui/gui_object.h"

// A linear control: a thumb moved along a rail by dragging or by the wheel, the
// maximum at the top (vertical) or at the right (horizontal). GUI thread only.
class tcGuiSlider : public tcGuiObject
{
public:
    // Reports a value set by the user: (context, parameterId, value).
    using ChangeFn = void (*)(void* context, int parameterId, int value);

    static constexpr int VERTICAL = 0;
    static constexpr int HORIZONTAL = 1;

    tcGuiSlider(const QString& id, tcBench* bench, int serial);

    std::unique_ptr<tcGuiObject> clone(tcBench* bench) const override;
    void finishLoading() override;
    bool mousePress(int x, int y) override;
    void mouseRelease(int x, int y) override;
    void mouseDrag(int x, int y, int modifiers) override;
    void wheel(int delta, int modifiers) override;
    bool acceptsWheel() const override;
    bool wantsHover() const override;
    void paint(QPainter& painter) override;

    void setDirection(int direction);
    void setRailBitmap(tcGuiImage* bitmap) { m_rail = bitmap; }
    void setThumbBitmap(tcGuiImage* bitmap) { m_thumb = bitmap; }
    void setCallback(ChangeFn change) { m_change = change; }
    // Both set without calling back; the value is kept inside the range.
    void setValue(int value);
    void setRange(int minimum, int maximum);

    int direction() const { return m_direction; }
    int value() const { return m_value; }
    // Centre of the thumb in pixels from the left (horizontal) or top (vertical) edge.
    int thumbPosition() const { return m_thumbPos; }
    bool hasStates() const { return m_hasStates; }
    bool isPressed() const { return m_pressed; }

    // Thumb centre for a value, and the value for a thumb centre (rounded half away from 0).
    int thumbFromValue(int value) const;
    int valueFromThumb(int position) const;

private:
    // Moves the thumb by d pixels (towards the maximum when positive); with Ctrl the
    // value moves by one step instead.
    void moveBy(int d, int modifiers);
    bool horizontal() const { return m_direction == HORIZONTAL; }
    // Length of the rail the thumb centre can travel.
    int travel() const;

    int m_direction = VERTICAL;
    tcGuiImage* m_rail = nullptr;
    tcGuiImage* m_thumb = nullptr;
    int m_thumbWidth = 0;
    int m_thumbHeight = 0;
    bool m_hasStates = false;
    int m_value = 0;
    int m_thumbPos = 0;
    bool m_pressed = false;
    ChangeFn m_change = nullptr;
};
