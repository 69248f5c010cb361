#pragma once

#include <QString>

// Result codes of the preset reader.
inline constexpr int PRESET_SUCCESS = 0;
inline constexpr int PRESET_INVALID_FILE = 1;

// "Success" for 0, "Invalid File Type" for 1, "Unknown Error" for any other code.
QString presetStatusText(int status);
