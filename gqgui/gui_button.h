#pragma once

#include "gqgui/gui_object.h"

// A push button drawn from a 12-section bitmap (four styles of normal, hover and
// pressed), with optional auto-repeat while held. GUI thread only.
class tcGuiButton : public tcGuiObject
{
public:
    // Reports a click: (context, parameterId).
    using ClickFn = void (*)(void* context, int parameterId);
    // Reports a press event: (context, parameterId, one of the EVENT_ codes).
    using EventFn = void (*)(void* context, int parameterId, int code);

    static constexpr int EVENT_PRESSED = 0;
    static constexpr int EVENT_RELEASED = 1;
    static constexpr int EVENT_LEFT = 2;
    static constexpr int EVENT_REENTERED = 3;
    static constexpr int STYLE_COUNT = 4;
    // Ticks held before auto-repeat starts; from then on every second tick clicks.
    static constexpr int REPEAT_DELAY = 10;

    tcGuiButton(const QString& id, tcBench* bench, int serial);

    void finishLoading() override;
    void setCaptionX(int x) override;
    void setCaptionY(int y) override;
    bool mousePress(int x, int y) override;
    void mouseRelease(int x, int y) override;
    void mouseDrag(int x, int y, int modifiers) override;
    bool wantsHover() const override;
    void tick() override;
    void paint(QPainter& painter) override;
    // The caption box also covers the caption shifted by a press.
    void updateCaptionBounds(int alignment) override;

    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }
    // Styles outside 0..3 are ignored.
    void setStyle(int style);
    void setCallbacks(ClickFn click, EventFn event);

    int style() const { return m_style; }
    bool isPressed() const { return m_pressed; }
    int repeatCount() const { return m_repeatCount; }

private:
    void raise(int code) const;
    void click() const;
    // Follows the mouse while the press is held: leaving and coming back.
    void track(bool inside);

    int m_style = 0;
    bool m_pressed = false;
    bool m_grabbing = false;
    int m_repeatCount = 0;
    int m_pressShift = 2;
    tcGuiImage* m_bitmap = nullptr;
    bool m_captionXGiven = false;
    bool m_captionYGiven = false;
    ClickFn m_click = nullptr;
    EventFn m_event = nullptr;
};
