#pragma once

#include <QSet>
#include <QString>

class QIODevice;

// Unpacks the entries of a preset package into a folder. Every entry is checked before it is
// written: a path that would leave the folder, an over-long path, a short read or a wrong
// magic fails the unpacking, and nothing is ever written outside the folder. Any one thread.
class tcPackageReader {
public:
    enum class tcResult {
        OK,
        NOT_A_PACKAGE, // fewer than 16 bytes, or not the package magic
        BAD_ENTRY,     // a short or malformed entry, or a file that cannot be written
    };

    // Reads the package from its current position to its end. Entries unpacked before a bad
    // one stay on disk; each file appears only once completely written.
    static tcResult extract(QIODevice& package, const QString& folderPath);

private:
    tcPackageReader(QIODevice& package, const QString& folderPath);

    tcResult extractEntry();
    bool makeFolderOf(const QString& filePath);
    bool copyData(quint32 size, const QString& filePath);

    QIODevice& m_package;
    QString m_folder;               // clean absolute path
    QSet<QString> m_existingFolders; // folders made (or found) so far
};
