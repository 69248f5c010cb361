#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of k7sim: where it listens, its password, the meter rate, the firmware
// failure modes, boot mode and the soak-test drop period.
struct tcSimOptions
{
    std::string listenAddress = "127.0.0.1"; // dotted IPv4 address of the control port
    std::optional<std::string> password;     // none: every login key is accepted
    int meterRate = 20;                      // meter datagrams per second, 0 = no stream
    bool flashFail = false;                  // report an error text instead of completion
    std::optional<int> flashSilentAfter;     // acknowledge blocks up to N, then say nothing
    std::optional<std::array<uint8_t, 6>> bootMac; // boot mode: the MAC to ask for
    std::string broadcastAddress;            // boot mode: where the requests go
    std::optional<int> dropEveryMs;          // reset each connection this long after login
    bool verbose = false;
    bool help = false;

    // The highest meter rate accepted on the command line.
    static constexpr int MAX_METER_RATE = 100;

    // The login key the unit checks: the CRC-32 of the password's bytes; none without one.
    std::optional<uint32_t> loginKey() const;

    // Parses the arguments after the program name. On a bad option, error holds the
    // message and the options are not to be used.
    static tcSimOptions parse(const std::vector<std::string>& args, std::string& error);

    // The text that --help prints.
    static std::string helpText();
};

// Reads "00:11:22:aa:bb:cc" (":" or "-" between six hexadecimal bytes).
std::optional<std::array<uint8_t, 6>> parseMacAddress(const std::string& text);
// Whether text is a dotted IPv4 address.
bool isIpv4Address(const std::string& text);
