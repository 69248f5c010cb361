#include "link/preset_header.h"

#include "link/le_bytes.h"
#include "link/message_codes.h"

#include <algorithm>
#include <cstring>

namespace {

// Offsets inside the preset header message.
constexpr size_t kName = 9;
constexpr size_t kValid = 49;
constexpr size_t kFlags = 50;
constexpr size_t kChecksums = 52;
constexpr size_t kCounts = 68;
constexpr size_t kReservedWords = 76; // the first 8 reserved bytes, as two u32
constexpr size_t kInverted = 84;      // the next 80 reserved bytes, each inverted
constexpr size_t kInvertedSize = 80;

} // namespace

PRESET_HEADER PRESET_HEADER::fresh()
{
    PRESET_HEADER header;
    header.valid = 1;
    return header;
}

void PRESET_HEADER::copyFrom(const PRESET_HEADER& other)
{
    name = other.name;
    valid = other.valid;
    flags = other.flags;
    checksum = other.checksum;
    count = other.count;
    reserved1.fill(0);
    reserved2.fill(0);
}

void PRESET_HEADER::setName(const QByteArray& text)
{
    name.fill(0);
    std::memcpy(name.data(), text.constData(), std::min<size_t>(NAME_SIZE, static_cast<size_t>(text.size())));
}

QByteArray PRESET_HEADER::nameString() const
{
    const auto end = std::find(name.begin(), name.end(), uint8_t(0));
    return QByteArray(reinterpret_cast<const char*>(name.data()), static_cast<qsizetype>(end - name.begin()));
}

bool PRESET_HEADER::sameAs(const PRESET_HEADER& other) const
{
    return nameString() == other.nameString() && valid == other.valid && flags == other.flags
        && checksum == other.checksum && count == other.count;
}

std::array<uint8_t, 164> encodePresetHeaderFrame(const PRESET_HEADER& header)
{
    std::array<uint8_t, PRESET_HEADER_LENGTH> frame{};
    const std::span<uint8_t> bytes(frame);
    putU16Le(bytes, 0, 0xA5A5);
    putU16Le(bytes, 2, PRESET_HEADER_LENGTH);
    putU16Le(bytes, MSG_CODE_OFFSET, MSG_PRESET_HEADER);
    std::copy(header.name.begin(), header.name.end(), frame.begin() + kName);
    frame[kValid] = header.valid;
    frame[kFlags] = header.flags;
    for (size_t i = 0; i < 4; ++i) {
        putU32Le(bytes, kChecksums + 4 * i, header.checksum[i]);
        putU16Le(bytes, kCounts + 2 * i, header.count[i]);
    }
    std::copy_n(header.reserved1.begin(), 8, frame.begin() + kReservedWords);
    for (size_t i = 0; i < kInvertedSize; ++i)
        frame[kInverted + i] = static_cast<uint8_t>(~header.reserved1[8 + i]);
    return frame;
}

PRESET_HEADER decodePresetHeaderFrame(std::span<const uint8_t, 164> frame)
{
    PRESET_HEADER header;
    std::copy_n(frame.begin() + kName, PRESET_HEADER::NAME_SIZE, header.name.begin());
    header.valid = frame[kValid];
    header.flags = frame[kFlags];
    for (size_t i = 0; i < 4; ++i) {
        header.checksum[i] = getU32Le(frame, kChecksums + 4 * i);
        header.count[i] = getU16Le(frame, kCounts + 2 * i);
    }
    std::copy_n(frame.begin() + kReservedWords, 8, header.reserved1.begin());
    for (size_t i = 0; i < kInvertedSize; ++i)
        header.reserved1[8 + i] = static_cast<uint8_t>(~frame[kInverted + i]);
    return header;
}
