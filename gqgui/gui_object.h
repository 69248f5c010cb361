#pragma once

#include "gqgui/skin_name.h"

#include <QFont>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QTransform>

#include <memory>

class QPainter;
class QWidget;
class tcBench;
class tcGuiImage;
class tcSkinFont;

// Kind codes of the skin objects.
inline constexpr int GUI_KIND_BENCH = 2;  // owner kind of objects that belong to the bench
inline constexpr int GUI_KIND_BUTTON = 3;
inline constexpr int GUI_KIND_LAMP = 4;
inline constexpr int GUI_KIND_CHECKBOX = 5;
inline constexpr int GUI_KIND_DISPLAY = 6;
inline constexpr int GUI_KIND_KNOB = 7;
inline constexpr int GUI_KIND_SLIDER = 8;
inline constexpr int GUI_KIND_COMBO = 9;
inline constexpr int GUI_KIND_LISTBOX = 10;
inline constexpr int GUI_KIND_RADIOGROUP = 11;
inline constexpr int GUI_KIND_RADIOITEM = 12;
inline constexpr int GUI_KIND_METER = 13;
inline constexpr int GUI_KIND_APGRAPH = 14;
inline constexpr int GUI_KIND_DYNGRAPH = 15;
inline constexpr int GUI_KIND_LABEL = 16;
inline constexpr int GUI_KIND_IMAGE = 17;

// Modifier bits handed to mouseDrag, mouseHover and wheel.
inline constexpr int GUI_MOD_SHIFT = 1;
inline constexpr int GUI_MOD_CTRL = 2;

// The inputFlags bit that also makes objects draw their disabled look.
inline constexpr int GUI_INPUT_DISABLED = 2;

// Caption alignments (Qt alignment flags) the objects use.
inline constexpr int GUI_ALIGN_TOP_LEFT = Qt::AlignTop | Qt::AlignLeft;
inline constexpr int GUI_ALIGN_CENTRE = Qt::AlignVCenter | Qt::AlignHCenter;
static_assert(GUI_ALIGN_TOP_LEFT == 33 && GUI_ALIGN_CENTRE == 132);

// A drawn skin object (not a window): knows its rectangle, caption and colours, paints
// itself and takes mouse input as plain calls routed by the bench. GUI thread only.
class tcGuiObject
{
public:
    tcGuiObject(const QString& id, tcBench* bench, int serial, int kind);
    tcGuiObject& operator=(const tcGuiObject&) = delete;

    // The virtual interface, in its fixed order.
    virtual ~tcGuiObject();
    // A copy with the same id, serial and skin attributes bound to another bench, its
    // bitmaps and fonts looked up there by name; none for kinds that cannot be copied.
    virtual std::unique_ptr<tcGuiObject> clone(tcBench* bench) const;
    virtual tcGuiObject* parent() const;
    virtual int parentKind() const;
    virtual QWidget* parentWidget() const;
    // Called once per object, in list order, after the whole skin has loaded.
    virtual void finishLoading();
    virtual void show(bool on);
    virtual void hide();
    virtual void setText(const QString& text);
    virtual void setX(int x);
    virtual void setY(int y);
    virtual void setHeight(int height);
    virtual void setWidth(int width);
    virtual void setCaptionX(int x);
    virtual void setCaptionY(int y);
    // Both the right and the bottom edge (x + width, y + height) are inside.
    virtual bool hitTest(int px, int py) const;
    virtual bool needsPaint(const QRect& rect) const;
    // True when the object takes the left press (it then gets the drags and the release).
    virtual bool mousePress(int x, int y);
    virtual void mouseRelease(int x, int y);
    virtual bool rightPress(int x, int y);
    virtual void rightRelease(int x, int y);
    virtual void mouseDrag(int x, int y, int modifiers);
    virtual void mouseHover(int x, int y, int modifiers);
    // delta is +1 or -1 per notch.
    virtual void wheel(int delta, int modifiers);
    virtual void doubleClick(int x, int y);
    virtual bool acceptsPress() const;
    virtual bool acceptsRightPress() const;
    virtual bool acceptsWheel() const;
    virtual bool acceptsDoubleClick() const;
    virtual bool wantsHover() const;
    virtual int minimum() const;
    virtual int maximum() const;
    virtual void setAutoRepeat(bool on);
    // Periodic step of the animation timer (about every 100 ms).
    virtual void tick();
    virtual void paint(QPainter& painter);
    virtual void updateCaptionBounds(int alignment);
    // Draws the caption at its anchor moved by offset pixels right and down.
    virtual void drawCaption(QPainter& painter, int alignment, int offset);

    // Setters used by the loader and the controllers; none of them calls back.
    void setMinimum(int minimum) { m_minimum = minimum; }
    void setMaximum(int maximum) { m_maximum = maximum; }
    void setParameterId(int id) { m_parameterId = id; }
    void setContext(void* context) { m_context = context; }
    void setParentWidget(QWidget* parent) { m_parent = parent; }
    // Nothing in the application sets these flags; they stay a hook for a disabled state.
    void setInputFlags(int flags) { m_inputFlags = flags; }
    void setForeground(QRgb color) { m_fgColor = color; }
    void setBackground(QRgb color) { m_bgColor = color; }
    void setCaptionColor(QRgb color) { m_captionColor = color; }
    void setCaptionFont(tcSkinFont* font) { m_captionFont = font; }
    void setCaptionAlign(int alignment) { m_captionAlign = alignment; }
    // Stores the caption without measuring or repainting: for the loader, whose objects
    // measure their captions when they finish loading.
    void setCaptionText(const QString& text) { m_caption = text; }

    // Asks the bench to repaint the union of the bounds and the caption box.
    void update();

    const QString& id() const { return m_id.text(); }
    const tcSkinName& name() const { return m_id; }
    int serial() const { return m_serial; }
    int kind() const { return m_kind; }
    tcBench* bench() const { return m_bench; }
    bool isVisible() const { return m_visible; }
    bool isLoaded() const { return m_loaded; }
    bool hover() const { return m_hover; }
    bool autoRepeat() const { return m_autoRepeat; }
    int inputFlags() const { return m_inputFlags; }
    int x() const { return m_x; }
    int y() const { return m_y; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int captionX() const { return m_captionX; }
    int captionY() const { return m_captionY; }
    int captionAlign() const { return m_captionAlign; }
    const QString& caption() const { return m_caption; }
    tcSkinFont* captionFont() const { return m_captionFont; }
    QRgb foreground() const { return m_fgColor; }
    QRgb background() const { return m_bgColor; }
    QRgb captionColor() const { return m_captionColor; }
    const QRect& bounds() const { return m_bounds; }
    const QRect& captionBox() const { return m_captionBox; }
    int parameterId() const { return m_parameterId; }
    void* context() const { return m_context; }

    // A font angle of 0, 90 or -90 is kept; any other is reduced modulo 90, sign kept.
    static int reducedAngle(int angle);

protected:
    tcGuiObject(const tcGuiObject&) = default;

    // True when user input must be ignored: inputFlags set or the bench's lock.
    bool inputRefused() const;
    bool isDisabledLook() const { return (m_inputFlags & GUI_INPUT_DISABLED) != 0; }
    // Takes the bench's font of that name when the skin gave the object none.
    void defaultCaptionFont(const char* name);
    // Bounds = (x, y, width, height).
    void setBoundsFromGeometry();
    // Takes width = section width and height of the bitmap, after finishing its loading.
    void sizeFromBitmap(tcGuiImage* bitmap);
    // Sets hover and repaints when it changes.
    void setHover(bool on);
    // For clones: point a copy at another bench, dropping binding and runtime state.
    void rebind(tcBench* bench);
    // The image of the same id in this object's bench (for clones); none when absent.
    tcGuiImage* counterpart(const tcGuiImage* image) const;
    QFont captionDrawingFont() const;
    int captionSpace() const;
    // Maps caption coordinates (anchor at 0, 0) to skin coordinates.
    QTransform captionTransform(int offset) const;

    bool m_visible = false;
    bool m_loaded = false;
    int m_kind;
    tcBench* m_bench;
    bool m_autoRepeat = false;
    int m_inputFlags = 0;
    tcSkinName m_id;
    QWidget* m_parent = nullptr;
    int m_serial;
    int m_x = 0;
    int m_y = 0;
    int m_height = 100;
    int m_width = 50;
    QRect m_bounds{0, 0, 50, 100};
    QRect m_captionBox{0, 0, 50, 100};
    int m_pressX = 0;
    int m_pressY = 0;
    int m_rightPressX = 0;
    int m_rightPressY = 0;
    bool m_hover = false;
    QRgb m_fgColor = 0xFF000000;
    QRgb m_bgColor = 0xFFC0C0C0;
    QRgb m_captionColor = 0xFF000000;
    tcSkinFont* m_captionFont = nullptr;
    QString m_caption;
    int m_captionX = 10;
    int m_captionY = 10;
    int m_captionAlign = GUI_ALIGN_TOP_LEFT;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_parameterId = -1;
    void* m_context = nullptr;
};
