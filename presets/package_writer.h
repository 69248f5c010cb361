#pragma once

#include <QString>

class QIODevice;

// Builds a preset package from a library folder: its preset files and order file, then each
// subfolder (no symbolic links) the same way, in listing order. GUI thread (or any one thread).
class tcPackageWriter {
public:
    // Writes the package through a temporary file renamed into place. Returns 0, or -1 when
    // the package file cannot be created or written. A source file that cannot be opened, is
    // larger than 4 GiB or whose path in the package would be longer than 1,023 bytes is left
    // out.
    static int build(const QString& packagePath, const QString& folderPath);

    // The package bytes onto an open device; false when a write fails.
    static bool write(QIODevice& package, const QString& folderPath);

private:
    static bool writeFolder(QIODevice& package, const QString& folderPath, const QByteArray& prefix);
    static bool writeEntry(QIODevice& package, const QString& filePath, const QByteArray& entryPath);
};
