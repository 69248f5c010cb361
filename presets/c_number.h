#pragma once

#include <QByteArrayView>

// The number readers of the preset file grammar: C's atoi and atof, independent of the
// process locale (a decimal comma in the user's locale must not change how files read).
// Safe on any thread.

// Leading white space, an optional sign, then decimal digits up to the first other character;
// no digits give 0. Digits beyond the range of a 32-bit int wrap modulo 2^32 (two's complement)
// instead of being undefined, so the low 16 bits are always those of the written number.
qint32 cAtoi(QByteArrayView text);

// Leading white space, then the longest decimal or hexadecimal floating-point number, "inf" or
// "nan" that the text starts with, as C's strtod reads it in the "C" locale; nothing readable
// gives 0.
double cAtof(QByteArrayView text);

// A double narrowed to float without undefined behaviour: values beyond the float range
// become infinities of their sign.
float narrowToFloat(double value);
