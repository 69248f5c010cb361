#pragma once

#include <QByteArrayView>

#include <array>

class QIODevice;

// The three fields of a preset file line: up to the first colon, from there up to the next
// colon, and the rest. A field that the line does not reach is empty.
struct tcPresetFields {
    QByteArrayView first;
    QByteArrayView second;
    QByteArrayView third;
};

// Reads a preset file line by line as the file grammar counts lines: a line is read into a
// buffer of 1,024 bytes, so a longer line arrives in pieces of at most 1,023 bytes and each
// piece counts as a line; a piece ends at its first CR, LF or zero byte. LF and CR LF line
// ends read alike. Used on one thread at a time.
class tcPresetLineReader {
public:
    static constexpr qsizetype BUFFER_SIZE = 1024;

    explicit tcPresetLineReader(QIODevice& device) : m_device(device) {}

    // The next piece without its line end, valid until the next call; false at the end.
    bool next(QByteArrayView& line);

    static tcPresetFields fields(QByteArrayView line);

private:
    QIODevice& m_device;
    std::array<char, BUFFER_SIZE> m_buffer{};
};
