#pragma once

#include "gqgui/gui_object.h"
#include "gqgui/list_colors.h"
#include "gqgui/value_entry.h"

#include <QPointer>
#include <QStringList>

class tcComboPopup;

// A value chooser with up and down arrows at its right end: DROP opens a drop-down list,
// ROLL steps through its items, USER reports the steps and shows a text set by its
// controller. Its arrows may auto-roll while held. GUI thread only.
class tcGuiCombo : public tcGuiObject
{
public:
    // Reports a new index (DROP, ROLL) or a step (USER): (context, parameterId, value).
    using StepFn = void (*)(void* context, int parameterId, int value);
    using EditFn = tcValueEntry::EditFn;
    using DoubleClickFn = tcValueEntry::DoubleClickFn;

    enum Type { TYPE_DROP, TYPE_ROLL, TYPE_USER, TYPE_COUNT };
    enum Arrow { ARROW_NONE, ARROW_UP, ARROW_DOWN };
    // Arrow bitmap sections.
    static constexpr int SECTION_IDLE = 0;
    static constexpr int SECTION_UP_HILITE = 1;
    static constexpr int SECTION_DOWN_HILITE = 2;
    static constexpr int SECTION_UP_PRESSED = 3;
    static constexpr int SECTION_DOWN_PRESSED = 4;
    // Caption position when the skin gives none: above the combo.
    static constexpr int DEFAULT_CAPTION_Y = -12;
    // Auto-roll: no step before this many ticks; a release after this many adds none.
    static constexpr int ROLL_DELAY = 4;
    static constexpr int ROLL_RELEASE_LIMIT = 6;

    tcGuiCombo(const QString& id, tcBench* bench, int serial);
    // Cuts its drop-down loose, which refers to it.
    ~tcGuiCombo() override;

    std::unique_ptr<tcGuiObject> clone(tcBench* bench) const override;
    void finishLoading() override;
    void hide() override;
    void setCaptionX(int x) override;
    void setCaptionY(int y) override;
    bool mousePress(int x, int y) override;
    void mouseRelease(int x, int y) override;
    void mouseDrag(int x, int y, int modifiers) override;
    void mouseHover(int x, int y, int modifiers) override;
    void doubleClick(int x, int y) override;
    bool acceptsDoubleClick() const override;
    bool wantsHover() const override;
    void tick() override;
    void paint(QPainter& painter) override;

    // The type of a skin word ("DROP", "ROLL", "USER"), or -1.
    static int typeFromName(const QString& name);

    // Keeps the index within the new items, without calling back.
    void setItems(const QStringList& items);
    // Clamped to the items; when it changes, notify calls the step callback with it.
    void setIndex(int index, bool notify);
    // Shown in type USER only.
    void setUserText(const QString& text);
    void setType(int type);
    void setReverse(bool on) { m_reverse = on; }
    void setDropRows(int rows) { m_dropRows = rows; }
    void setListFont(tcSkinFont* font) { m_listFont = font; }
    void setColors(const tcListColors& colors) { m_colors = colors; }
    void setBitmap(tcGuiImage* bitmap) { m_bitmap = bitmap; }
    void setUnits(const QString& units) { m_entry.setUnits(units); }
    void setDlgRegExp(const QString& regExp) { m_entry.setRegExp(regExp); }
    void setEditable(bool on) { m_entry.setEditable(on); }
    void setDClickable(bool on) { m_entry.setDoubleClickable(on); }
    void setCallbacks(StepFn step, EditFn edit, DoubleClickFn doubleClick);

    const QStringList& items() const { return m_items; }
    int index() const { return m_index; }
    const QString& userText() const { return m_userText; }
    int type() const { return m_type; }
    bool reverse() const { return m_reverse; }
    int dropRows() const { return m_dropRows; }
    tcSkinFont* listFont() const { return m_listFont; }
    QFont listDrawingFont() const;
    const tcListColors& colors() const { return m_colors; }
    tcGuiImage* bitmap() const { return m_bitmap; }
    int arrowWidth() const { return m_arrowWidth; }
    int repeatCount() const { return m_repeatCount; }
    bool arrowActive() const { return m_arrowActive; }
    Arrow highlighted() const { return m_hilite; }
    const tcValueEntry& entry() const { return m_entry; }
    // The open drop-down, or none.
    tcComboPopup* popup() const;

private:
    Arrow arrowAt(int x, int y) const;
    // One step of the arrow: -1 up, +1 down, turned round when reverse is set.
    int direction(Arrow arrow) const;
    // ROLL moves the index, USER reports a non-zero step.
    void stepBy(int step);
    void openDropDown();
    void closeDropDown();
    int arrowSection() const;

    int m_type = TYPE_USER;
    QStringList m_items;
    int m_index = 0;
    QString m_userText;
    tcGuiImage* m_bitmap = nullptr;
    int m_arrowWidth = 0;
    int m_dropRows = 4;
    bool m_reverse = false;
    tcValueEntry m_entry;
    tcSkinFont* m_listFont = nullptr;
    tcListColors m_colors;
    bool m_arrowActive = false;
    bool m_pressing = false;
    Arrow m_pressedArrow = ARROW_NONE;
    Arrow m_hilite = ARROW_NONE;
    int m_repeatCount = 0;
    bool m_captionXGiven = false;
    bool m_captionYGiven = false;
    StepFn m_step = nullptr;
    QPointer<tcComboPopup> m_popup;
};
