#pragma once

#include "gqgui/gui_object.h"

// A two-state switch drawn from a 6-section bitmap (unchecked and checked, each
// normal, hover and pressed) that toggles when a press is released on it. GUI thread only.
class tcGuiCheckBox : public tcGuiObject
{
public:
    // Reports a toggle by the user: (context, parameterId, new state).
    using ToggleFn = void (*)(void* context, int parameterId, bool checked);

    tcGuiCheckBox(const QString& id, tcBench* bench, int serial);

    void finishLoading() override;
    bool mousePress(int x, int y) override;
    void mouseRelease(int x, int y) override;
    void mouseDrag(int x, int y, int modifiers) override;
    bool wantsHover() const override;
    void paint(QPainter& painter) override;

    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }
    // Sets the state without calling back.
    void setChecked(bool checked);
    void setCallback(ToggleFn toggle) { m_toggle = toggle; }

    bool isChecked() const { return m_checked; }
    bool isPressed() const { return m_pressed; }

private:
    void setPressed(bool pressed);

    bool m_checked = false;
    bool m_pressed = false;
    tcGuiImage* m_bitmap = nullptr;
    ToggleFn m_toggle = nullptr;
};
