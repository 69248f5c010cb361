#pragma once

#include <array>

// The state of the control link as the main window shows it in "STAT_ONLINE".
enum tcConnState : int {
    CONN_IDLE = 0,
    CONN_TRYING = 1,
    CONN_PENDING = 2,
    CONN_ONLINE = 3,
    CONN_OFFLINE = 4,
};

// Text of each state and its colour index in the status display. CONN_OFFLINE's colour
// is 1 while on-line mode is wanted (see connStateColour).
struct tcConnStateText
{
    const char* text;
    int colour;
};

inline constexpr std::array<tcConnStateText, 5> CONN_STATE_TEXTS = {{
    {"OffLine ", 0},
    {"Trying..", 2},
    {"Pending", 0},
    {"Online", 0},
    {"Offline", 0},
}};

// Shown when the user cancels the login password dialog after a rejection.
inline constexpr tcConnStateText CONN_REJECTED_TEXT = {"Rejected", 1};

inline int connStateColour(tcConnState state, bool onlineWanted)
{
    return state == CONN_OFFLINE && onlineWanted ? 1 : CONN_STATE_TEXTS[state].colour;
}
