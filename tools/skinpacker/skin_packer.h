#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class QTextStream;

// Packs a skin folder into a packed skin file: every file of the folder (its subfolders
// included, links left out) and, given a shared image folder, the images that the skin's
// image elements name and that the skin folder itself lacks. It tells what it packs.
class tcSkinPacker
{
public:
    struct Options
    {
        QString skinFolder;
        QString imageFolder;  // empty: no shared images
        QString file;
    };

    // Lines about what is packed go to `report`.
    explicit tcSkinPacker(QTextStream& report) : m_report(report) {}

    // False with error() set when nothing usable was written.
    bool pack(const Options& options);
    const QString& error() const { return m_error; }

private:
    struct Entry
    {
        QByteArray name;
        QString path;
    };

    bool collectFolder(const Options& options);
    bool collectSharedImages(const Options& options);
    bool write(const QString& file);
    bool hasEntry(const QByteArray& name) const;
    bool fail(const QString& error);

    QTextStream& m_report;
    std::vector<Entry> m_entries;
    QString m_error;
};
