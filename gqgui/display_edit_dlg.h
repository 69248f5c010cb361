#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The small frameless dialog in which the user types a value for an editable display
// or combo; opened modally beside the object. GUI thread only.
class tcDisplayEditDlg : public QDialog
{
    Q_OBJECT

public:
    // The expression restricts what can be typed; it must match the whole text.
    tcDisplayEditDlg(QWidget* parent, const QString& units, const QString& regExp);

    // Puts the dialog's top-left corner at the point, given in the parent's coordinates.
    void place(const QPoint& point);
    // The typed text, read after an accepted run.
    QString text() const;

    QLineEdit* edit() const { return edit_VALUE; }
    QPushButton* okButton() const { return pushBtn_OK; }
    QPushButton* cancelButton() const { return pushBtn_CANCEL; }

private:
    QLineEdit* edit_VALUE;
    QLabel* label_UNITS;
    QPushButton* pushBtn_OK;
    QPushButton* pushBtn_CANCEL;
};
