#include "presets/preset_status.h"

namespace {

struct tcStatusText {
    int status;
    const char* text;
};

constexpr tcStatusText STATUS_TEXTS[] = {
    {PRESET_SUCCESS, "Success"},
    {PRESET_INVALID_FILE, "Invalid File Type"},
};

constexpr const char* UNKNOWN_ERROR_TEXT = "Unknown Error";

} // namespace

QString presetStatusText(int status)
{
    for (const tcStatusText& entry : STATUS_TEXTS) {
        if (entry.status == status)
            return QString::fromLatin1(entry.text);
    }
    return QString::fromLatin1(UNKNOWN_ERROR_TEXT);
}
