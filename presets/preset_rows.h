#pragma once

#include "link/preset_header.h"

#include <QByteArray>
#include <QList>

class tcParamMap;

// One row of a preset's view or of the difference of two presets: the setting's text and the
// text of each side (the view fills only side a).
struct tcPresetRow {
    QByteArray setting;
    QByteArray a;
    QByteArray b;
    bool differs = false;
};

// The rows of the preset view: "Name", "Num IDs" (count 0), "CRC" (checksum 0 as "%08X"),
// then one row per parameter in directory order with its value text.
QList<tcPresetRow> presetViewRows(const PRESET_HEADER& header, const tcParamMap& set);

// The rows of the preset difference: "Name", "Num Parameters", "CRC", then one row per
// parameter; a row differs when the names differ byte for byte, the counts or checksums
// differ, or the two values differ exactly (floats without tolerance).
QList<tcPresetRow> presetDiffRows(const PRESET_HEADER& headerA, const tcParamMap& setA,
                                  const PRESET_HEADER& headerB, const tcParamMap& setB);
