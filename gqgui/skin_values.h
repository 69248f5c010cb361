#pragma once

#include "gqgui/skin_table.h"

#include <QByteArrayList>
#include <QRgb>

// Readers of the value types of skin attributes. Each takes the attribute's text as
// expat hands it (UTF-8, never null).

// An integer expression: decimal numbers and offset names added and subtracted left to
// right ("X+5", "X - 3", "10 20" = 30, "1.5" = 6). Names not in the offset table count 0
// and are appended to `undefined`. Sums wrap at 32 bits.
int skinInt(const char* text, const tcSkinTable<int>& offsets, QByteArrayList* undefined);
// Empty text is opaque black, a colour name that colour, anything else a hexadecimal
// number ("0x" allowed) of which the low 24 bits are taken, opaque.
QRgb skinColor(const char* text, const tcSkinTable<QRgb>& colors);
// Qt alignment flags of a code of up to two letters, vertical first: t/b/c, then l/c/r.
int skinAlign(const char* text);
// False only for the exact text "0".
bool skinFlag0(const char* text);
// A decimal number that is not 0.
bool skinFlagN(const char* text);
// A decimal number as by strtol, held within the int range; text that is none gives 0.
int skinDecimal(const char* text);
