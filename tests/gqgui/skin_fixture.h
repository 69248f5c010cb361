#pragma once

// A skin folder in a temporary directory, read by a loader into a recording bench.

#include "gqgui/skin_loader.h"
#include "gqgui/skin_tables.h"
#include "tests/gqgui/test_bench.h"

#include <QFile>
#include <QTemporaryDir>

struct tcSkinFixture
{
    QTemporaryDir dir;
    tcTestBench bench;
    tcSkinTables tables;

    QString path(const QString& name = QStringLiteral("skin.xml")) const { return QDir(dir.path()).filePath(name); }

    void write(const QString& name, const QByteArray& text) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }

    // Writes skin.xml and loads it.
    bool load(const QByteArray& skin)
    {
        write(QStringLiteral("skin.xml"), skin);
        tcSkinLoader loader(bench, tables);
        return loader.load(path());
    }

    // The log lines other than the file lines.
    QStringList messages() const
    {
        QStringList lines;
        for (const QString& line : bench.logLines) {
            if (!line.startsWith(QStringLiteral("Entering file")) && !line.startsWith(QStringLiteral("Leaving file")))
                lines.append(line);
        }
        return lines;
    }

    template <typename T> T* object(const char* id) const
    {
        return static_cast<T*>(bench.objects().find(QString::fromLatin1(id)));
    }

    QRgb color(const char* name) const
    {
        const QRgb* value = tables.color(QString::fromLatin1(name));
        return value ? *value : 0;
    }

    int offset(const char* name) const
    {
        const int* value = tables.offsets.value(tcSkinName(QString::fromLatin1(name)));
        return value ? *value : -999999;
    }
};

// A skin document around the given elements.
inline QByteArray skinOf(const QByteArray& elements)
{
    return "<?xml version=\"1.0\"?>\n<skin>\n" + elements + "\n</skin>\n";
}
