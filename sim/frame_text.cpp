#include "sim/frame_text.h"

#include "link/le_bytes.h"
#include "link/message_codes.h"
#include "model/global_list.h"
#include "model/param_list.h"
#include "sim/received_entries.h"

#include <array>
#include <bit>
#include <cstdio>
#include <string_view>

namespace {

struct tcMessageName {
    uint16_t code;
    const char* name;
};
constexpr std::array<tcMessageName, 10> MESSAGE_NAMES = {{
    {MSG_VERSION_REQUEST, "MSG_VERSION_REQUEST"}, {MSG_VERSION, "MSG_VERSION"},
    {MSG_PARAMS, "MSG_PARAMS"},                   {MSG_METER_START, "MSG_METER_START"},
    {MSG_GLOBALS, "MSG_GLOBALS"},                 {MSG_LOGIN, "MSG_LOGIN"},
    {MSG_HEADER_QUERY, "MSG_HEADER_QUERY"},       {MSG_PRESET_HEADER, "MSG_PRESET_HEADER"},
    {MSG_FLASH_DATA, "MSG_FLASH_DATA"},           {MSG_FLASH_ACK, "MSG_FLASH_ACK"},
}};

template <typename... Args>
std::string format(const char* pattern, Args... args)
{
    std::array<char, 160> text{};
    std::snprintf(text.data(), text.size(), pattern, args...);
    return text.data();
}

char printable(uint8_t byte)
{
    return byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '?';
}

// A zero-terminated text inside the frame, cut at the frame's end and at limit bytes.
std::string textAt(std::span<const uint8_t> frame, size_t offset, size_t limit)
{
    std::string text;
    for (size_t i = offset; i < frame.size() && i < offset + limit && frame[i] != 0; ++i)
        text += printable(frame[i]);
    return text;
}

std::string entryText(const tcRawEntry& entry)
{
    const tcTypeCode type = paramType(entry.id) != TYPE_NONE ? paramType(entry.id) : globalType(entry.id);
    if (type == TYPE_FLOAT)
        return format(" %u=%g", unsigned(entry.id), double(std::bit_cast<float>(entry.raw)));
    if (type == TYPE_BOOL)
        return format(" %u=%u", unsigned(entry.id), unsigned(entry.raw & 0xFF));
    if (type == TYPE_INT)
        return format(" %u=0x%X", unsigned(entry.id), unsigned(entry.raw));
    return format(" %u=?0x%08X", unsigned(entry.id), unsigned(entry.raw));
}

std::string entriesText(std::span<const uint8_t> frame)
{
    const std::vector<tcRawEntry> entries = readBlockEntries(frame);
    std::string text = format(" %zu entries:", entries.size());
    for (const tcRawEntry& entry : entries)
        text += entryText(entry);
    return text;
}

std::string loginText(std::span<const uint8_t> frame, bool toUnit)
{
    if (toUnit)
        return format(" key 0x%08X", unsigned(getU32Le(frame, 8)));
    const uint16_t result = getU16Le(frame, 6);
    return format(" result %u%s", unsigned(result),
                  result == LOGIN_ACCEPTED ? " (accepted)" : result == LOGIN_REJECTED ? " (rejected)" : "");
}

std::string details(std::span<const uint8_t> frame, uint16_t code, bool toUnit)
{
    switch (code) {
    case MSG_VERSION:
        return format(" %u.%u build %u", unsigned(getU16Le(frame, 6)), unsigned(getU16Le(frame, 8)),
                      unsigned(getU16Le(frame, 10)));
    case MSG_PARAMS:
        return format(" target %u,", frame.size() > 6 ? unsigned(frame[6]) : 0u) + entriesText(frame);
    case MSG_GLOBALS:
        return "," + entriesText(frame);
    case MSG_METER_START:
        return format(" port %u stream %u", unsigned(getU16Le(frame, 6)),
                      frame.size() > 8 ? unsigned(frame[8]) : 0u);
    case MSG_LOGIN:
        return loginText(frame, toUnit);
    case MSG_PRESET_HEADER:
        return " \"" + textAt(frame, 9, 40) + "\""
            + format(" checksums 0x%08X 0x%08X", unsigned(getU32Le(frame, 52)), unsigned(getU32Le(frame, 56)));
    case MSG_FLASH_DATA:
        return format(" block %u/%u, %u bytes", unsigned(getU16Le(frame, 6)), unsigned(getU16Le(frame, 8)),
                      unsigned(getU16Le(frame, 10)));
    case MSG_FLASH_ACK:
        return format(" block %u/%u status %u", unsigned(getU16Le(frame, 6)), unsigned(getU16Le(frame, 8)),
                      unsigned(getU16Le(frame, 12)))
            + (frame.size() > 14 ? " \"" + textAt(frame, 14, frame.size()) + "\"" : std::string());
    default:
        return {};
    }
}

} // namespace

std::string describeFrame(std::span<const uint8_t> frame, bool toUnit)
{
    const uint16_t code = getU16Le(frame, MSG_CODE_OFFSET);
    for (const tcMessageName& entry : MESSAGE_NAMES) {
        if (entry.code == code)
            return entry.name + details(frame, code, toUnit) + format(" (%zu bytes)", frame.size());
    }
    return format("code %u (%zu bytes)", unsigned(code), frame.size());
}

std::string printableText(const QByteArray& text)
{
    std::string out;
    for (const char c : text)
        out += printable(static_cast<uint8_t>(c));
    return out;
}
