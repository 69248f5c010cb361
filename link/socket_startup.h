#pragma once

// Starts the platform's socket library once, before any endpoint exists; called by the
// main window's constructor. Nothing needs starting on POSIX systems; a Windows port
// calls WSAStartup(2.2) here.
void socketStartup();
