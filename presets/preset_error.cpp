#include "presets/preset_error.h"

#include "presets/preset_status.h"

#include <QMessageBox>

namespace {

constexpr QStringView PLACEHOLDER = u"%s";
constexpr const char* ERROR_TITLE = "Error";

} // namespace

QString copyErrorFormat(const QString& itemText)
{
    return QStringLiteral("Error copying preset:\n") + itemText + QStringLiteral("\n%s");
}

QString presetErrorText(const QString& format, int status)
{
    QString text = format;
    const qsizetype at = text.lastIndexOf(PLACEHOLDER);
    if (at >= 0)
        text.replace(at, PLACEHOLDER.size(), presetStatusText(status));
    return text;
}

void reportPresetError(QWidget* parent, const QString& format, int status)
{
    QMessageBox::warning(parent, QString::fromLatin1(ERROR_TITLE), presetErrorText(format, status), QMessageBox::Ok);
}
