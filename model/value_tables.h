#pragma once

#include <QByteArrayView>

#include <array>
#include <span>

// One entry of a value table: a value and its 8-character display text.
struct tcTableEntry {
    float value;
    std::array<char, 9> text; // 8 characters and a terminating zero

    QByteArrayView textView() const { return QByteArrayView(text.data()); }
};

// The value tables of the float parameters; NO_TABLE for a table-less entry.
enum tcValueTable : quint8 {
    NO_TABLE,
    GAIN_TABLE,
    DEPTH_TABLE,
    THRESH_TABLE,
    LEVEL_TABLE,
    TIME_TABLE,
    OCTAVE_TABLE,
    RATIO_TABLE,
    FREQ_TABLE,
};

// Value of the entries past the last valid one of a table that is not full; their text is
// "????????". Every upper limit lies below it, so no position ever reaches them.
inline constexpr float TABLE_FILLER_VALUE = 100.0f;

// The entries of a table in ascending order of value (empty for NO_TABLE). The tables are
// built once, on first use; safe on any thread.
std::span<const tcTableEntry> valueTable(tcValueTable table);
