#include "gqgui/value_entry.h"

#include "gqgui/display_edit_dlg.h"

bool tcValueEntry::wanted() const
{
    return (m_editable && m_edit) || (m_doubleClickable && m_doubleClick);
}

void tcValueEntry::run(QWidget* parent, const QPoint& hostPoint, void* context, int parameterId) const
{
    // Copies: the owner may be gone once the modal dialog's event loop has run.
    const EditFn edit = m_editable ? m_edit : nullptr;
    const DoubleClickFn doubleClick = m_doubleClickable ? m_doubleClick : nullptr;
    // No dialog without a callback to take its text, nor without a widget to place it on.
    if (edit && parent) {
        tcDisplayEditDlg dialog(parent, m_units, m_regExp);
        dialog.place(hostPoint);
        if (dialog.exec() == QDialog::Accepted && !dialog.text().isEmpty())
            edit(context, parameterId, dialog.text());
    }
    if (doubleClick)
        doubleClick(context, parameterId);
}

void tcValueEntry::setCallbacks(EditFn edit, DoubleClickFn doubleClick)
{
    m_edit = edit;
    m_doubleClick = doubleClick;
}
