#include "presets/package_format.h"

#include "link/le_bytes.h"

#include <QFile>
#include <QStringList>

#include <span>

namespace {

std::span<const uint8_t> bytesOf(QByteArrayView bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<size_t>(bytes.size())};
}

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

std::array<uint8_t, tcPackageFormat::HEADER_SIZE> tcPackageFormat::header()
{
    std::array<uint8_t, HEADER_SIZE> bytes{};
    putU32Le(bytes, 0, MAGIC);
    return bytes;
}

bool tcPackageFormat::isHeader(QByteArrayView bytes)
{
    return bytes.size() >= qsizetype(HEADER_SIZE) && getU32Le(bytesOf(bytes), 0) == MAGIC;
}

std::array<uint8_t, tcPackageFormat::ENTRY_HEADER_SIZE> tcPackageFormat::entryHeader(uint16_t pathLength, uint32_t size)
{
    std::array<uint8_t, ENTRY_HEADER_SIZE> bytes{};
    putU16Le(bytes, 0, ENTRY_MAGIC);
    putU16Le(bytes, 2, pathLength);
    putU32Le(bytes, 4, size);
    return bytes;
}

std::optional<tcPackageFormat::tcEntryHeader> tcPackageFormat::readEntryHeader(QByteArrayView bytes)
{
    if (bytes.size() < qsizetype(ENTRY_HEADER_SIZE))
        return std::nullopt;
    const std::span<const uint8_t> span = bytesOf(bytes);
    return tcEntryHeader{getU16Le(span, 0), getU16Le(span, 2), getU32Le(span, 4)};
}

void tcPackageFormat::invert(QByteArray& bytes)
{
    for (char& byte : bytes)
        byte = static_cast<char>(~static_cast<uint8_t>(byte));
}

std::optional<QString> tcPackageFormat::safeEntryPath(QByteArrayView path)
{
    if (path.isEmpty() || path.size() > PATH_MAX_LENGTH || path.contains('\0'))
        return std::nullopt;
    if (path.front() == '/' || path.front() == '\\' || (path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == ':'))
        return std::nullopt;
    const QString decoded = QFile::decodeName(path.toByteArray());
    for (const QString& part : QString(decoded).replace(u'\\', u'/').split(u'/')) {
        if (part.isEmpty() || part == u"." || part == u"..")
            return std::nullopt;
    }
    return decoded;
}
