#pragma once

#include "link/preset_header.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class tcParamMap;

// Preset files ("*.k7"): 8-bit text, a header line "K7 PRESET FILE:<name>: " and one line per
// parameter in directory order, lines ended with CR LF (LF alone reads too). Every value a
// preset operation stores goes through the set's setter with TO_BOTH. The operations take
// modelLock() around their use of a set, so the live set may be passed from the GUI thread.

// Clears the header, then reads only the first line: PRESET_SUCCESS with the name stored, or
// PRESET_INVALID_FILE. A file that cannot be opened reads as success with an empty name.
int readPresetName(PRESET_HEADER& header, const QString& path);

// Reads the name, then on success the values into the set (the set is never reset first: a
// parameter no line names keeps its value; of repeated lines the last wins), computes the
// checksums into the header and sets valid = 1. On PRESET_INVALID_FILE the header is all zero
// and the set untouched. A file that cannot be opened leaves the set as it was and loads as
// success (the quick-save slots rely on it).
int loadPreset(PRESET_HEADER& header, tcParamMap& set, const QString& path);
// The same over an open device (used by the path form and by the fuzz target).
int loadPresetFrom(PRESET_HEADER& header, tcParamMap& set, QIODevice& device);

// Checksum 0 and count 0 over every parameter but In Gain, checksum 1 over In Gain with
// count 9; checksums 2 and 3 and their counts 0.
void computePresetChecksums(PRESET_HEADER& header, const tcParamMap& set);

// The bytes of a preset file for the header's name and the set's current values.
QByteArray presetFileBytes(const PRESET_HEADER& header, const tcParamMap& set);

// Writes the file through a temporary file renamed into place, so an interrupted write never
// leaves half a file. Returns whether the file was written; callers that follow the silent
// rule ignore a failure.
bool savePreset(const PRESET_HEADER& header, const tcParamMap& set, const QString& path);

// Loads the file into a fresh header and set, gives the header the new name and saves to the
// same path; the file name on disk is not changed. A file that cannot be read as a preset
// file is left untouched (rewriting it would replace it with default values). Returns whether
// the file was rewritten.
bool renamePresetInFile(const QString& path, const QByteArray& newName);

// Stores every value of source into destination, in directory order, through the
// destination's setters with TO_BOTH. Returns 0, or -1 when either set is missing.
int copyParameters(tcParamMap* destination, const tcParamMap* source);
// copyParameters with the live set as destination.
int applyToLive(const tcParamMap* set);

// The 8-bit name field of a name typed by the user: Latin-1, other characters become '?'.
QByteArray presetNameBytes(const QString& name);
