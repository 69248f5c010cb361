#pragma once

#include "gqgui/gui_object_list.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;
class tcGQGuiWidget;
class tcSkinFont;

// Holds the drawn objects of one skin in list order, paints them and routes the host
// widget's mouse input to them. The application derives its own bench from it, which
// loads the skin and answers the lock query. GUI thread only.
class tcBench
{
public:
    // Outcome of a press routed to the objects.
    enum PressResult { PRESS_TAKEN = 0, PRESS_REFUSED = 1, PRESS_NOTHING_HIT = 2 };

    // host may be none (off-screen use); it is borrowed.
    explicit tcBench(tcGQGuiWidget* host);
    tcBench(const tcBench&) = delete;
    tcBench& operator=(const tcBench&) = delete;

    // The virtual interface, in its fixed order.
    virtual ~tcBench();
    // True when a gesture on the object (by its object ID) must be refused; the
    // application's bench answers the local-mode lock here. This base allows all.
    virtual bool interactionLocked(int objectId);
    // Sizes the host window to the skin.
    virtual void fitWindow() = 0;
    // Paints every visible object that meets rect (host coordinates), in list order.
    virtual void paint(QPainter& painter, const QRect& rect);
    // Asks the host to repaint rect (skin coordinates).
    virtual void invalidate(const QRect& rect);
    // Calls tick of every object in list order.
    virtual void tick();
    // Destroys every object.
    virtual void clear();
    [[gnu::format(printf, 2, 3)]] virtual void log(const char* format, ...) = 0;
    // The skin font of that name or none; this base asks the host.
    virtual tcSkinFont* fontByName(const QString& name);

    // Mouse entry points of the host, in host coordinates.
    PressResult leftPress(int x, int y);
    PressResult rightPress(int x, int y);
    // True when an object held the press.
    bool leftRelease(int x, int y);
    bool rightRelease(int x, int y);
    // True when the object holding the left press took the move as a drag.
    bool move(int x, int y, int modifiers);
    // True when an object under the point took the turn.
    bool wheel(int x, int y, int delta, int modifiers);
    bool doubleClick(int x, int y);

    tcGuiObjectList& objects() { return m_objects; }
    const tcGuiObjectList& objects() const { return m_objects; }
    tcGQGuiWidget* host() const { return m_host; }
    tcGuiObject* leftCapture() const { return m_leftCapture; }
    tcGuiObject* rightCapture() const { return m_rightCapture; }

    // Display scale between skin and host; factors that are not positive turn it off.
    void setScaling(bool on, float scaleX, float scaleY);
    bool scaling() const { return m_scaling; }
    float scaleX() const { return m_scaleX; }
    float scaleY() const { return m_scaleY; }
    // A skin point in host coordinates (where objects place their dialogs).
    QPoint toHost(const QPoint& skinPoint) const;
    // The smallest skin rectangle that covers a host rectangle.
    QRect toSkin(const QRect& rect) const;

    // Takes "GQGUI_HFONT" and "GQGUI_MONOFONT" through fontByName as the default
    // proportional and fixed-pitch fonts.
    void takeDefaultFonts();
    tcSkinFont* headerFont() const { return m_headerFont; }
    tcSkinFont* monoFont() const { return m_monoFont; }

private:
    QPoint toSkin(int x, int y) const;
    QRect toHost(const QRect& rect) const;
    // The first object under the point for which accepts is true, or none.
    template <typename Accepts> tcGuiObject* firstHit(const QPoint& point, Accepts accepts) const;

    tcGuiObject* m_leftCapture = nullptr;
    tcGuiObject* m_rightCapture = nullptr;
    tcSkinFont* m_headerFont = nullptr;
    tcSkinFont* m_monoFont = nullptr;
    bool m_scaling = false;
    float m_scaleX = 1.0f;
    float m_scaleY = 1.0f;
    tcGuiObjectList m_objects;
    tcGQGuiWidget* m_host;
};
