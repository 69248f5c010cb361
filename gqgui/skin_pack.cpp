#include "gqgui/skin_pack.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {
constexpr qint64 COPY_CHUNK = 64 * 1024;
constexpr qint64 MAX_NAME_LENGTH = 0xFFFF;
constexpr qint64 MAX_DATA_LENGTH = 0xFFFFFFFFLL;
constexpr qsizetype NAME_LENGTH_AT = 2;
constexpr qsizetype DATA_LENGTH_AT = 4;

std::optional<quint16> readLe16(QByteArrayView bytes, qsizetype at)
{
    if (at < 0 || at + 2 > bytes.size())
        return std::nullopt;
    return quint16(uchar(bytes[at]) | uchar(bytes[at + 1]) << 8);
}

std::optional<quint32> readLe32(QByteArrayView bytes, qsizetype at)
{
    if (at < 0 || at + 4 > bytes.size())
        return std::nullopt;
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | uchar(bytes[at + i]);
    return value;
}

void appendLe16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

void appendLe32(QByteArray& bytes, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

QList<QByteArrayView> nameParts(QByteArrayView name)
{
    QList<QByteArrayView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i == name.size() || isSeparator(name[i])) {
            parts.append(name.sliced(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// Reads the entries of one packed file into one folder.
class tcSkinUnpacker
{
public:
    tcSkinUnpacker(const QString& file, const QString& folder) : m_in(file), m_folder(folder), m_fileName(file) {}

    // False with the error text set when the unpack fails.
    bool run(QString* error)
    {
        if (!QFileInfo(m_folder).isDir()) {
            *error = QStringLiteral("Failed attempting to create temporary skin directory");
            return false;
        }
        const QString unpackError = QStringLiteral("Failed attempting to unpack skin \"%1\"").arg(m_fileName);
        if (!m_in.open(QIODevice::ReadOnly)) {
            *error = unpackError;
            return false;
        }
        const QByteArray header = m_in.read(SKIN_PACK_HEADER_SIZE);
        if (header.size() < SKIN_PACK_HEADER_SIZE || !header.startsWith(SKIN_PACK_MAGIC)) {
            *error = unpackError;
            return false;
        }
        for (;;) {
            const Step step = unpackEntry();
            if (step == Step::FAIL)
                *error = unpackError;
            if (step != Step::NEXT)
                return step == Step::END;
        }
    }

private:
    enum class Step { NEXT, END, FAIL };

    Step unpackEntry()
    {
        // Fewer than eight bytes left: no further entry.
        const QByteArray header = m_in.read(SKIN_PACK_ENTRY_HEADER_SIZE);
        const auto nameLength = readLe16(header, NAME_LENGTH_AT);
        const auto dataLength = readLe32(header, DATA_LENGTH_AT);
        if (!nameLength || !dataLength)
            return Step::END;
        // A name or contents running past the end of the file is a damaged file.
        const QByteArray name = m_in.read(*nameLength);
        if (name.size() < *nameLength)
            return Step::FAIL;
        const qsizetype end = name.indexOf('\0');
        if (end < 0)
            return Step::END;
        const QByteArray fileName = name.left(end);
        const tcSkinPackName kind = skinPackNameKind(fileName);
        if (kind == tcSkinPackName::INVALID)
            return Step::END;
        if (kind == tcSkinPackName::UNSAFE)
            return Step::FAIL;
        const QString path = destination(fileName);
        if (path.isEmpty())
            return Step::FAIL;
        return copy(path, *dataLength) ? Step::NEXT : Step::FAIL;
    }

    // The path of a valid name inside the folder, its folders made; empty when a folder
    // on the way or the file itself is a link (which could lead outside) or not a folder.
    QString destination(const QByteArray& name) const
    {
        const QList<QByteArrayView> parts = nameParts(name);
        QString path = m_folder;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            path += QLatin1Char('/') + QString::fromUtf8(parts[i]);
            const QFileInfo info(path);
            if (info.isSymLink())
                return QString();
            if (i + 1 == parts.size())
                break;
            if (!info.exists() && !QDir().mkdir(path))
                return QString();
            if (!QFileInfo(path).isDir())
                return QString();
        }
        return path;
    }

    // Writes the entry's contents whole, or nothing: into a new file beside it, renamed
    // into place once complete. No flush to disk: the loader reads the files at once and
    // the unpacked folder is a working copy of the packed file.
    bool copy(const QString& path, qint64 length)
    {
        const QString partial = path + QStringLiteral(".unpacking");
        QFile::remove(partial);
        QFile out(partial);
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return false;
        while (length > 0) {
            const QByteArray chunk = m_in.read(std::min(length, COPY_CHUNK));
            if (chunk.isEmpty() || out.write(chunk) != chunk.size())
                break;
            length -= chunk.size();
        }
        out.close();
        if (length == 0 && out.error() == QFileDevice::NoError
            && std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) == 0)
            return true;
        QFile::remove(partial);
        return false;
    }

    QFile m_in;
    QString m_folder;
    QString m_fileName;
};
}

QString skinPackerProgram()
{
#ifdef Q_OS_WIN
    return QStringLiteral("SkinPacker.exe");
#else
    return QStringLiteral("SkinPacker");
#endif
}

tcSkinPackName skinPackNameKind(const QByteArray& name)
{
    if (name.isEmpty())
        return tcSkinPackName::INVALID;
    const bool driveLetter = name.size() >= 2 && std::isalpha(uchar(name[0])) && name[1] == ':';
    if (isSeparator(name[0]) || driveLetter)
        return tcSkinPackName::UNSAFE;
    const QList<QByteArrayView> parts = nameParts(name);
    if (std::any_of(parts.begin(), parts.end(), [](QByteArrayView part) { return part == ".."; }))
        return tcSkinPackName::UNSAFE;
    if (std::any_of(parts.begin(), parts.end(), [](QByteArrayView part) { return part.isEmpty() || part == "."; }))
        return tcSkinPackName::INVALID;
    return tcSkinPackName::VALID;
}

bool writeSkinPackHeader(QIODevice& out)
{
    QByteArray header(SKIN_PACK_HEADER_SIZE, '\0');
    std::memcpy(header.data(), SKIN_PACK_MAGIC, SKIN_PACK_MAGIC_SIZE);
    return out.write(header) == header.size();
}

bool writeSkinPackEntry(QIODevice& out, const QByteArray& name, QIODevice& contents)
{
    const qint64 nameLength = name.size() + 1;
    const qint64 dataLength = contents.size();
    if (nameLength > MAX_NAME_LENGTH || dataLength < 0 || dataLength > MAX_DATA_LENGTH)
        return false;
    QByteArray header;
    appendLe16(header, 0);
    appendLe16(header, quint16(nameLength));
    appendLe32(header, quint32(dataLength));
    header += name;
    header.append('\0');
    if (out.write(header) != header.size())
        return false;
    qint64 written = 0;
    while (written < dataLength) {
        const QByteArray chunk = contents.read(std::min(dataLength - written, COPY_CHUNK));
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            return false;
        written += chunk.size();
    }
    return true;
}

int unpackSkin(const QString& file, const QString& folder, QString* errorText)
{
    QString error = QString::fromLatin1(SKIN_PACK_UNKNOWN_ERROR);
    tcSkinUnpacker unpacker(file, folder);
    const bool done = unpacker.run(&error);
    if (errorText)
        *errorText = error;
    return done ? 0 : -1;
}

int unpackSkinReporting(QWidget* parent, const QString& file, const QString& folder)
{
    QString error;
    const int result = unpackSkin(file, folder, &error);
    if (result != 0)
        QMessageBox::critical(parent, QString::fromLatin1(SKIN_PACK_ERROR_TITLE), error);
    return result;
}
