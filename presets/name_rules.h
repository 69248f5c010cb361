#pragma once

#include <QString>

// What a name rule says of a name typed by the user: accepted, refused without a message
// (empty or over-long), or refused with the message to show before the dialog keeps the focus
// in the name field.
struct tcNameVerdict {
    bool accepted = false;
    QString message; // empty when nothing is to be shown
};

inline constexpr int LIBRARY_NAME_MAX = 40;  // presets and library files
inline constexpr int FOLDER_NAME_MAX = 100;  // library folders
inline constexpr int SAVE_NAME_MAX = 40;
inline constexpr const char* SAVE_NAME_TITLE = "Save preset";

// Which text the library rule shows for a leading or trailing space.
enum class tcSpaceText { NAME, FOLDER_NAME };

// The library name rule (renaming a preset, a library file or folder; new folder): not empty,
// at most maxLength characters, no space first or last, only A-Z a-z 0-9 _ # and space.
tcNameVerdict libraryNameVerdict(const QString& name, int maxLength, tcSpaceText spaceText = tcSpaceText::NAME);

// The save name rule (saving the live settings as a preset): not empty, at most 40 characters,
// no space first, none of \ / : * ? " < > |. A trailing space and other characters pass.
tcNameVerdict saveNameVerdict(const QString& name);
