#pragma once

#include <QString>
#include <QStringList>

// The order file "k7_pset_idx.txt" of a library folder: the display order of the folder's
// preset files, one file name (extension included) per line, never sorted automatically.
// Each operation reads the file, changes the list and writes it back whole through a
// temporary file renamed into place. GUI thread (or any one thread at a time).
class tcOrderFile {
public:
    static constexpr const char* FILE_NAME = "k7_pset_idx.txt";

    explicit tcOrderFile(const QString& folderPath);

    // The names in file order; empty lines are skipped and a missing file is an empty list.
    QStringList names() const;
    // Rewrites the file with one name per line, each ended with CR LF.
    bool write(const QStringList& names) const;

    // Appends each name the list does not hold yet (case-sensitive), with one write.
    void add(const QStringList& names);
    void add(const QString& name) { add(QStringList{name}); }
    // Removes every line equal to the name.
    void remove(const QString& name);
    // Replaces the first line equal to oldName; nothing when it is absent.
    void rename(const QString& oldName, const QString& newName);
    // Swaps the name with the line before (after) it; nothing when absent or already first (last).
    void moveUp(const QString& name);
    void moveDown(const QString& name);

    QString path() const { return m_path; }

private:
    void move(const QString& name, int step);

    QString m_path;
};
