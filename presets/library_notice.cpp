#include "presets/library_notice.h"

#include <QMessageBox>
#include <QPointer>

tcLibraryNotice messageBoxNotice(QWidget* parent)
{
    return [guarded = QPointer<QWidget>(parent)](const QString& title, const QString& text) {
        QMessageBox::information(guarded.data(), title, text, QMessageBox::Ok);
    };
}
