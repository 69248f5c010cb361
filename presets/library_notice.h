#pragma once

#include <QString>

#include <functional>

class QWidget;

// How the library and the package installer show a message (title, text): the application
// passes information boxes, the command-line tool prints, tests record. Called on the thread
// that runs the library operation (the GUI thread in the application).
using tcLibraryNotice = std::function<void(const QString& title, const QString& text)>;

// Modal information boxes with one OK button, parented to parent (which may be null or go
// away before the box is shown).
tcLibraryNotice messageBoxNotice(QWidget* parent);
