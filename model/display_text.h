#pragma once

#include <QByteArray>

// Longest display text of a value; longer results are cut.
inline constexpr qsizetype DISPLAY_TEXT_MAX = 8;

// Display text of an ID that is not known.
inline constexpr char UNKNOWN_TEXT[] = "????????";

// printf into a display text, cut to DISPLAY_TEXT_MAX characters.
QByteArray displayText(const char* format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);
