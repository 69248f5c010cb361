#pragma once

#include <QString>

class QWidget;

// The formats of the preset error box.
inline constexpr const char* TAKE_ERROR_FORMAT = "Error taking preset:\n%s";

// "Error copying preset:\n", the item's text, a line break and "%s" for the status.
QString copyErrorFormat(const QString& itemText);

// The format with its "%s" replaced by the status text. The last "%s" is the placeholder: a
// copy error's format carries an item's text, which may itself hold "%s" and is never read
// as a format.
QString presetErrorText(const QString& format, int status);

// A modal warning box titled "Error" with presetErrorText and one OK button. GUI thread only.
void reportPresetError(QWidget* parent, const QString& format, int status);
