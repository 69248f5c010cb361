#pragma once

#include "gqgui/gui_object.h"
#include "gqgui/value_entry.h"

#include <cstdint>

// A text field of fixed width showing a value, a status or a scrolling marquee; it may
// open the edit dialog on a double click. Takes no presses. GUI thread only.
class tcGuiDisplay : public tcGuiObject
{
public:
    using EditFn = tcValueEntry::EditFn;
    using DoubleClickFn = tcValueEntry::DoubleClickFn;

    static constexpr int STATE_NORMAL = 0;
    static constexpr int STATE_ERROR = 1;
    static constexpr int STATE_WARNING = 2;
    static constexpr int DEFAULT_FIELD_WIDTH = 8;
    // Shown between the end of a marquee text and its start again.
    static constexpr const char* MARQUEE_SEPARATOR = "  ...  ";

    tcGuiDisplay(const QString& id, tcBench* bench, int serial);

    std::unique_ptr<tcGuiObject> clone(tcBench* bench) const override;
    void finishLoading() override;
    void setText(const QString& text) override;
    void doubleClick(int x, int y) override;
    bool acceptsPress() const override;
    bool acceptsRightPress() const override;
    bool acceptsDoubleClick() const override;
    // Steps the marquee: one character every second tick.
    void tick() override;
    void paint(QPainter& painter) override;

    // 0 normal, 1 error, 2 warning; other values are ignored.
    void setState(int state);
    void setFieldWidth(uint8_t width);
    // Colours of a state (state 0 uses the object's foreground and background).
    void setStateColor(int state, bool background, QRgb color);
    void setStateTransparent(int state, bool transparent);
    void setUnits(const QString& units) { m_entry.setUnits(units); }
    void setDlgRegExp(const QString& regExp) { m_entry.setRegExp(regExp); }
    void setEditable(bool on) { m_entry.setEditable(on); }
    void setDClickable(bool on) { m_entry.setDoubleClickable(on); }
    void setCallbacks(EditFn edit, DoubleClickFn doubleClick) { m_entry.setCallbacks(edit, doubleClick); }

    // Exactly field-width characters: the caption cut or padded with spaces.
    const QString& shownText() const { return m_shown; }
    int state() const { return m_state; }
    int fieldWidth() const { return m_fieldWidth; }
    const tcValueEntry& entry() const { return m_entry; }

private:
    struct StateLook
    {
        QRgb fg;
        QRgb bg;
        bool transparent;
    };

    void showText(const QString& text);
    void restartMarquee();
    StateLook look() const;

    QString m_shown;
    uint8_t m_fieldWidth = DEFAULT_FIELD_WIDTH;
    tcValueEntry m_entry;
    StateLook m_error{0xFFF00000, 0xFF000000, false};
    StateLook m_warn{0xFFF08000, 0xFF000000, false};
    bool m_bgTransparent = false;
    int m_state = STATE_NORMAL;
    int m_marqueePos = 0;
    int m_marqueeCycle = 0;
    int m_marqueeDelay = 0;
};
