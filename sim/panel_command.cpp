#include "sim/panel_command.h"

#include "model/global_list.h"
#include "model/param_list.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

using tcKind = tcPanelCommand::tcKind;

// Words of a switch value.
struct tcSwitchWord {
    std::string_view word;
    bool on;
};
constexpr std::array<tcSwitchWord, 10> SWITCH_WORDS = {{
    {"on", true}, {"off", false}, {"1", true}, {"0", false}, {"in", true},
    {"out", false}, {"y", true}, {"n", false}, {"yes", true}, {"no", false},
}};

// Commands without arguments and those taking on|off.
struct tcCommandWord {
    std::string_view word;
    tcKind kind;
    bool takesSwitch;
};
constexpr std::array<tcCommandWord, 9> COMMAND_WORDS = {{
    {"local", tcKind::LOCAL, true}, {"phantom", tcKind::PHANTOM, true},
    {"mute", tcKind::MUTE, true},   {"drop", tcKind::DROP, false},
    {"reset", tcKind::RESET, false}, {"show", tcKind::SHOW, false},
    {"boot", tcKind::BOOT, false},  {"help", tcKind::HELP, false},
    {"quit", tcKind::QUIT, false},
}};

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<bool> parseSwitch(const std::string& word)
{
    const std::string text = lower(word);
    for (const tcSwitchWord& entry : SWITCH_WORDS) {
        if (entry.word == text)
            return entry.on;
    }
    return std::nullopt;
}

std::optional<uint16_t> parseId(const std::string& word)
{
    unsigned value = 0;
    const char* end = word.data() + word.size();
    const auto [at, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || at != end || value > 0xFFFF)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

std::optional<float> parseFloat(const std::string& word)
{
    char* end = nullptr;
    const float value = std::strtof(word.c_str(), &end);
    if (word.empty() || end != word.c_str() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A 32-bit integer: decimal (a negative one wraps, so -1 is 0xFFFFFFFF) or 0x hexadecimal.
std::optional<uint32_t> parseRaw(const std::string& word)
{
    const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
    const char* begin = word.data() + (hex ? 2 : 0);
    const char* end = word.data() + word.size();
    long long value = 0;
    const auto [at, ec] = std::from_chars(begin, end, value, hex ? 16 : 10);
    if (ec != std::errc() || at != end || begin == end || value > 0xFFFFFFFFLL
        || value < -0x80000000LL || (hex && value < 0))
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

tcPanelCommand invalid(std::string error)
{
    tcPanelCommand command;
    command.kind = tcKind::INVALID;
    command.error = std::move(error);
    return command;
}

tcPanelCommand parseSet(const std::vector<std::string>& words)
{
    if (words.size() != 3)
        return invalid("usage: set ID VALUE");
    const std::optional<uint16_t> id = parseId(words[1]);
    if (!id || paramType(*id) == TYPE_NONE)
        return invalid("not a processing parameter: " + words[1]);
    tcPanelCommand command;
    command.kind = tcKind::SET;
    command.id = *id;
    if (paramType(*id) == TYPE_BOOL) {
        const std::optional<bool> on = parseSwitch(words[2]);
        if (!on)
            return invalid("a switch takes on or off: " + words[2]);
        command.on = *on;
        return command;
    }
    const std::optional<float> value = parseFloat(words[2]);
    if (!value)
        return invalid("not a number: " + words[2]);
    command.value = *value;
    return command;
}

tcPanelCommand parseGlobal(const std::vector<std::string>& words)
{
    if (words.size() != 3)
        return invalid("usage: global ID VALUE");
    const std::optional<uint16_t> id = parseId(words[1]);
    if (!id || globalType(*id) == TYPE_NONE)
        return invalid("not a global: " + words[1]);
    tcPanelCommand command;
    command.kind = tcKind::GLOBAL;
    command.id = *id;
    if (globalType(*id) == TYPE_BOOL) {
        const std::optional<bool> on = parseSwitch(words[2]);
        if (!on)
            return invalid("a switch takes on or off: " + words[2]);
        command.on = *on;
        return command;
    }
    const std::optional<uint32_t> raw = parseRaw(words[2]);
    if (!raw)
        return invalid("not a 32-bit number: " + words[2]);
    command.raw = *raw;
    return command;
}

tcPanelCommand parseWordCommand(const std::vector<std::string>& words, const tcCommandWord& entry)
{
    tcPanelCommand command;
    command.kind = entry.kind;
    if (!entry.takesSwitch) {
        if (words.size() != 1)
            return invalid(std::string(entry.word) + " takes no value");
        return command;
    }
    const std::optional<bool> on = words.size() == 2 ? parseSwitch(words[1]) : std::nullopt;
    if (!on)
        return invalid("usage: " + std::string(entry.word) + " on|off");
    command.on = *on;
    return command;
}

} // namespace

tcPanelCommand tcPanelCommand::parse(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    if (words.empty())
        return {};
    const std::string verb = lower(words[0]);
    if (verb == "set")
        return parseSet(words);
    if (verb == "global")
        return parseGlobal(words);
    for (const tcCommandWord& entry : COMMAND_WORDS) {
        if (entry.word == verb)
            return parseWordCommand(words, entry);
    }
    return invalid("unknown command: " + words[0] + " (type help)");
}

std::string tcPanelCommand::helpText()
{
    return "Front panel commands (one per line on standard input):\n"
           "  set ID VALUE     turn a processing parameter (2100 ... 9004) on the unit:\n"
           "                   VALUE in its unit (dB, Hz, ms, octaves, ratio), on|off for\n"
           "                   a switch; e.g. set 2100 30, set 8100 on\n"
           "  global ID VALUE  change a global (1000 ... 1015): a number (0x.. for hex) or\n"
           "                   on|off; e.g. global 1014 1, global 1002 0xFFFFFFFF\n"
           "  local on|off     local (front-panel) mode, global 1011\n"
           "  phantom on|off   phantom power, global 1014\n"
           "  mute on|off      stop (on) or resume (off) answering: messages are read and\n"
           "                   ignored, no meter datagrams; the connection stays open\n"
           "  drop             close the control connection\n"
           "  reset            reset (abort) the control connection\n"
           "  show             print every parameter, every global and the preset header\n"
           "  boot             broadcast boot requests again (with --boot)\n"
           "  help             this list\n"
           "  quit             end k7sim\n"
           "Changes are sent to a logged-in application as MSG_PARAMS / MSG_GLOBALS.\n";
}
