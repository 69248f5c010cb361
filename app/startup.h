#pragma once

#include <memory>

class XR9Widget;

// The application's start-up between the application object and the event loop: the
// widget style and window icon, the splash screen painted, the main window built and
// shown, the splash screen closed. Called once by main (and by the start-up benchmark)
// right after the QApplication exists; the caller runs the event loop and then deletes
// the window, which saves the settings.
std::unique_ptr<XR9Widget> startApplication();
