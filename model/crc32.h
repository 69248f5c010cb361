#pragma once

#include <QByteArrayView>

// CRC-32 of IEEE 802.3 (reflected polynomial 0x04C11DB7, start value all ones, result
// inverted) over the bytes in order: the preset checksums and the login key.
// Safe on any thread; takes no lock.
quint32 crc32Of(QByteArrayView bytes);
