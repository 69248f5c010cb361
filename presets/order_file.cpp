#include "presets/order_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>

// The names are file names, which need not be ASCII: the file is UTF-8, the encoding in which
// this system writes every text file other than presets.
tcOrderFile::tcOrderFile(const QString& folderPath) : m_path(QDir(folderPath).filePath(QString::fromLatin1(FILE_NAME)))
{
}

QStringList tcOrderFile::names() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringList names;
    for (QByteArray& line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            names.append(QString::fromUtf8(line));
    }
    return names;
}

bool tcOrderFile::write(const QStringList& names) const
{
    QByteArray bytes;
    for (const QString& name : names)
        bytes += name.toUtf8() + "\r\n";
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

void tcOrderFile::add(const QStringList& names)
{
    QStringList list = this->names();
    const qsizetype before = list.size();
    QSet<QString> held(list.cbegin(), list.cend());
    for (const QString& name : names) {
        if (!held.contains(name)) {
            held.insert(name);
            list.append(name);
        }
    }
    if (list.size() != before)
        write(list);
}

void tcOrderFile::remove(const QString& name)
{
    QStringList list = names();
    if (list.removeAll(name) > 0)
        write(list);
}

void tcOrderFile::rename(const QString& oldName, const QString& newName)
{
    QStringList list = names();
    const qsizetype at = list.indexOf(oldName);
    if (at < 0)
        return;
    list[at] = newName;
    write(list);
}

void tcOrderFile::moveUp(const QString& name)
{
    move(name, -1);
}

void tcOrderFile::moveDown(const QString& name)
{
    move(name, 1);
}

void tcOrderFile::move(const QString& name, int step)
{
    QStringList list = names();
    const qsizetype at = list.indexOf(name);
    const qsizetype other = at + step;
    if (at < 0 || other < 0 || other >= list.size())
        return;
    list.swapItemsAt(at, other);
    write(list);
}
