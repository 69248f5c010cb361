#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The preset package file (".pkg"), all numbers little-endian: a 16-byte header (magic
// 0xAAAABBBB and 12 zero bytes), then entries up to the end of the file, each an 8-byte entry
// header (magic 0xABCD, path length, data size), the path relative to the packaged folder with
// "/" between folder names, and the file's bytes each inverted.
struct tcPackageFormat {
    static constexpr uint32_t MAGIC = 0xAAAABBBB;
    static constexpr size_t HEADER_SIZE = 16;
    static constexpr uint16_t ENTRY_MAGIC = 0xABCD;
    static constexpr size_t ENTRY_HEADER_SIZE = 8;
    static constexpr qsizetype PATH_MAX_LENGTH = 1023; // what the reader's 1,024-byte path buffer holds
    static constexpr qint64 BLOCK_SIZE = 1024;

    struct tcEntryHeader {
        uint16_t magic;
        uint16_t pathLength;
        uint32_t size;
    };

    static std::array<uint8_t, HEADER_SIZE> header();
    // True for at least 16 bytes that start with the magic.
    static bool isHeader(QByteArrayView bytes);

    static std::array<uint8_t, ENTRY_HEADER_SIZE> entryHeader(uint16_t pathLength, uint32_t size);
    // The fields of 8 bytes of entry header; nothing for fewer bytes.
    static std::optional<tcEntryHeader> readEntryHeader(QByteArrayView bytes);

    // Every byte inverted (bitwise NOT), in place; the same call undoes it.
    static void invert(QByteArray& bytes);

    // The path of an entry as a relative path that stays inside the folder it is unpacked
    // into: not empty, at most 1,023 bytes, no zero byte, no leading "/" or "\" or drive
    // letter, and no empty, "." or ".." part between "/" or "\". Nothing for any other path.
    static std::optional<QString> safeEntryPath(QByteArrayView path);
};
