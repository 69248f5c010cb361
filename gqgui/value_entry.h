#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// What a double click does on a display or combo: open the edit dialog to type a
// value (when editable) and report the plain double click (when double-clickable).
// GUI thread only.
class tcValueEntry
{
public:
    // Reports a typed value: (context, parameterId, text).
    using EditFn = void (*)(void* context, int parameterId, const QString& text);
    // Reports a double click: (context, parameterId).
    using DoubleClickFn = void (*)(void* context, int parameterId);

    static constexpr const char* DEFAULT_REGEXP = "-?\\d*\\.\\d+";

    // True when a double click has something to do.
    bool wanted() const;
    // Runs the dialog modally at hostPoint of parent (when editable; never without a
    // parent) and reports an accepted, non-empty text; then reports the double click.
    void run(QWidget* parent, const QPoint& hostPoint, void* context, int parameterId) const;

    void setUnits(const QString& units) { m_units = units; }
    void setRegExp(const QString& regExp) { m_regExp = regExp; }
    void setEditable(bool on) { m_editable = on; }
    void setDoubleClickable(bool on) { m_doubleClickable = on; }
    void setCallbacks(EditFn edit, DoubleClickFn doubleClick);

    const QString& units() const { return m_units; }
    const QString& regExp() const { return m_regExp; }
    bool editable() const { return m_editable; }
    bool doubleClickable() const { return m_doubleClickable; }

private:
    QString m_units;
    QString m_regExp = QString::fromLatin1(DEFAULT_REGEXP);
    bool m_editable = false;
    bool m_doubleClickable = false;
    EditFn m_edit = nullptr;
    DoubleClickFn m_doubleClick = nullptr;
};
