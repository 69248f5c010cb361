#include "sim/sim_options.h"

#include "model/crc32.h"
#include "sim/panel_command.h"

#include <arpa/inet.h>

#include <charconv>

namespace {

// A whole decimal number from min to max.
std::optional<int> parseNumber(const std::string& text, int min, int max)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || at != end || text.empty() || value < min || value > max)
        return std::nullopt;
    return value;
}

// Takes the value of an option that needs one; false (and an error) when it is missing.
bool takeValue(const std::vector<std::string>& args, size_t& i, std::string& value,
               std::string& error)
{
    if (i + 1 >= args.size()) {
        error = "option " + args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

// One option and its value into options; false with an error for anything wrong.
bool applyOption(tcSimOptions& options, const std::vector<std::string>& args, size_t& i,
                 std::string& error)
{
    const std::string& name = args[i];
    std::string value;
    if (name == "--verbose")
        options.verbose = true;
    else if (name == "--help" || name == "-h")
        options.help = true;
    else if (name == "--flash-fail")
        options.flashFail = true;
    else if (name == "--listen" || name == "--broadcast") {
        if (!takeValue(args, i, value, error))
            return false;
        if (!isIpv4Address(value)) {
            error = name + ": not an IPv4 address: " + value;
            return false;
        }
        (name == "--listen" ? options.listenAddress : options.broadcastAddress) = value;
    } else if (name == "--password") {
        if (!takeValue(args, i, value, error))
            return false;
        options.password = value;
    } else if (name == "--boot") {
        if (!takeValue(args, i, value, error))
            return false;
        options.bootMac = parseMacAddress(value);
        if (!options.bootMac) {
            error = "--boot: not a MAC address (six hex bytes like 00:1a:2b:3c:4d:5e): " + value;
            return false;
        }
    } else if (name == "--meter-rate" || name == "--flash-silent-after" || name == "--drop-every") {
        if (!takeValue(args, i, value, error))
            return false;
        const int max = name == "--meter-rate" ? tcSimOptions::MAX_METER_RATE
                        : name == "--drop-every" ? 3600000
                                                 : 65535;
        const int min = name == "--drop-every" ? 1 : 0;
        const std::optional<int> number = parseNumber(value, min, max);
        if (!number) {
            error = name + ": wants a whole number from " + std::to_string(min) + " to "
                + std::to_string(max) + ", got: " + value;
            return false;
        }
        if (name == "--meter-rate")
            options.meterRate = *number;
        else if (name == "--drop-every")
            options.dropEveryMs = number;
        else
            options.flashSilentAfter = number;
    } else {
        error = "unknown option: " + name;
        return false;
    }
    return true;
}

} // namespace

tcSimOptions tcSimOptions::parse(const std::vector<std::string>& args, std::string& error)
{
    tcSimOptions options;
    error.clear();
    for (size_t i = 0; i < args.size(); ++i) {
        if (!applyOption(options, args, i, error))
            return options;
    }
    if (options.bootMac.has_value() != !options.broadcastAddress.empty())
        error = "--boot MAC and --broadcast ADDR go together";
    return options;
}

std::optional<uint32_t> tcSimOptions::loginKey() const
{
    if (!password)
        return std::nullopt;
    return crc32Of(QByteArrayView(password->data(), qsizetype(password->size())));
}

std::string tcSimOptions::helpText()
{
    return std::string(
               "Usage: k7sim [options]\n"
               "A simulated K7 unit: it serves the control link on TCP port 55891, streams meter\n"
               "datagrams, answers version and preset-header queries, acknowledges firmware\n"
               "blocks and can broadcast boot requests.\n"
               "\n"
               "Options:\n"
               "  --listen ADDR            IPv4 address to listen on (default 127.0.0.1)\n"
               "  --password TEXT          login password; the login key must be its CRC-32.\n"
               "                           Without it every key is accepted until a new\n"
               "                           password key (global 1008) is set\n"
               "  --meter-rate N           meter datagrams per second, 0 to 100 (default 20;\n"
               "                           0 sends none)\n"
               "  --flash-fail             after the last firmware block report an error text\n"
               "                           (status 3) instead of completion\n"
               "  --flash-silent-after N   acknowledge firmware blocks 1 to N, then say nothing\n"
               "                           more for that download (0: acknowledge none)\n"
               "  --boot MAC --broadcast ADDR\n"
               "                           also broadcast boot requests for MAC to UDP port 2898\n"
               "                           of ADDR once a second until a reply for MAC arrives,\n"
               "                           and print every reply\n"
               "  --drop-every MS          close each control connection MS milliseconds after\n"
               "                           its login was accepted, in the middle of a frame\n"
               "                           (for reconnection tests)\n"
               "  --verbose                print one line per event: connections, logins,\n"
               "                           every message in (rx) and out (tx)\n"
               "  --help                   show this text\n"
               "\n"
               "Once listening it prints \"k7sim: listening on ADDR:55891\". One control\n"
               "connection at a time: a second one is accepted and closed at once.\n"
               "SIGINT or SIGTERM ends it.\n"
               "\n")
        + tcPanelCommand::helpText();
}

std::optional<std::array<uint8_t, 6>> parseMacAddress(const std::string& text)
{
    std::array<uint8_t, 6> mac{};
    size_t at = 0;
    for (size_t i = 0; i < mac.size(); ++i) {
        if (i > 0) {
            if (at >= text.size() || (text[at] != ':' && text[at] != '-'))
                return std::nullopt;
            ++at;
        }
        const size_t end = std::min(text.size(), at + 2);
        unsigned value = 0;
        const auto [next, ec] = std::from_chars(text.data() + at, text.data() + end, value, 16);
        if (ec != std::errc() || next == text.data() + at)
            return std::nullopt;
        mac[i] = static_cast<uint8_t>(value);
        at = static_cast<size_t>(next - text.data());
    }
    if (at != text.size())
        return std::nullopt;
    return mac;
}

bool isIpv4Address(const std::string& text)
{
    in_addr address{};
    return ::inet_pton(AF_INET, text.c_str(), &address) == 1;
}
