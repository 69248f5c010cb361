#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QWidget;

// The packed skin file: one "*.skin" file holding the files of a skin folder. All
// integers are little-endian.
//   header (16 bytes): "SKIN", then 12 bytes the unpacker does not read (written as zero)
//   entries to the end of the file, each:
//     2 bytes not read (written as zero), u16 name length n, u32 data length d,
//     n bytes of name (relative to the skin folder, its terminating zero counted in n),
//     d bytes of contents.

inline constexpr char SKIN_PACK_MAGIC[] = "SKIN";
inline constexpr int SKIN_PACK_MAGIC_SIZE = 4;
inline constexpr int SKIN_PACK_HEADER_SIZE = 16;
inline constexpr int SKIN_PACK_ENTRY_HEADER_SIZE = 8;

inline constexpr const char* SKIN_PACK_UNKNOWN_ERROR = "Unknown Error";
inline constexpr const char* SKIN_PACK_ERROR_TITLE = "Pack Skin Error";

// The file name of the external packer program on this platform.
QString skinPackerProgram();

// How an entry name may be used.
enum class tcSkinPackName {
    VALID,    // a file inside the target folder ('/' or '\' separate its folders)
    INVALID,  // no file name: empty, or an empty part; ends the unpack quietly
    UNSAFE,   // absolute, a drive letter or ".." anywhere: would leave the target folder
};
tcSkinPackName skinPackNameKind(const QByteArray& name);

// Writers used by the packer. The header is the magic and twelve zero bytes. An entry is
// written from a device read to its end; false when the device cannot be written or the
// name or the contents do not fit their length fields.
bool writeSkinPackHeader(QIODevice& out);
bool writeSkinPackEntry(QIODevice& out, const QByteArray& name, QIODevice& contents);

// Unpacks a packed skin file into an existing folder: 0 on success, -1 with the error text
// otherwise. Entries that would leave the folder, and entries that cannot be written in
// full, end it with an error; nothing is ever written outside the folder. The text starts
// as "Unknown Error".
int unpackSkin(const QString& file, const QString& folder, QString* errorText);
// The same, showing an error in a message box titled "Pack Skin Error".
int unpackSkinReporting(QWidget* parent, const QString& file, const QString& folder);
