#include "gqgui/display_edit_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
constexpr QSize DIALOG_SIZE(95, 32);
constexpr QRect EDIT_RECT(0, 0, 65, 16);
constexpr QRect UNITS_RECT(67, 0, 28, 16);
constexpr QRect OK_RECT(0, 16, 47, 16);
constexpr QRect CANCEL_RECT(48, 16, 47, 16);
}

tcDisplayEditDlg::tcDisplayEditDlg(QWidget* parent, const QString& units, const QString& regExp)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      edit_VALUE(new QLineEdit(this)),
      label_UNITS(new QLabel(units, this)),
      pushBtn_OK(new QPushButton(tr("Ok"), this)),
      pushBtn_CANCEL(new QPushButton(tr("Cancel"), this))
{
    setFixedSize(DIALOG_SIZE);
    edit_VALUE->setGeometry(EDIT_RECT);
    edit_VALUE->setValidator(new QRegularExpressionValidator(QRegularExpression(regExp), edit_VALUE));
    label_UNITS->setGeometry(UNITS_RECT);
    pushBtn_OK->setGeometry(OK_RECT);
    pushBtn_OK->setDefault(true);
    pushBtn_CANCEL->setGeometry(CANCEL_RECT);
    connect(pushBtn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(pushBtn_CANCEL, &QPushButton::clicked, this, &QDialog::reject);
    edit_VALUE->setFocus();
}

void tcDisplayEditDlg::place(const QPoint& point)
{
    move(parentWidget() ? parentWidget()->mapToGlobal(point) : point);
}

QString tcDisplayEditDlg::text() const
{
    return edit_VALUE->text();
}
