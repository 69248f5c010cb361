#pragma once

#include <cstdint>
#include <string>

// One line typed on k7sim's standard input: the "front panel" of the simulated unit.
struct tcPanelCommand
{
    enum tcKind {
        EMPTY,   // a blank line: nothing to do
        INVALID, // error says why
        SET,     // id, value (float parameters) or on (switches)
        GLOBAL,  // id, raw (integer globals) or on (bool globals)
        LOCAL,   // on
        PHANTOM, // on
        MUTE,    // on
        DROP,
        RESET,
        SHOW,
        BOOT,
        HELP,
        QUIT,
    };

    tcKind kind = EMPTY;
    uint16_t id = 0;
    float value = 0.0f;
    uint32_t raw = 0;
    bool on = false;
    std::string error;

    // Reads one line (without its line end). Words are separated by blanks; command words
    // and on/off are taken in any case.
    static tcPanelCommand parse(const std::string& line);

    // The list that "help" prints.
    static std::string helpText();
};
