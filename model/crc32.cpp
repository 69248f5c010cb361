#include "model/crc32.h"

#include <zlib.h>

quint32 crc32Of(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
    return static_cast<quint32>(crc32_z(crc32_z(0, nullptr, 0), data, static_cast<z_size_t>(bytes.size())));
}
