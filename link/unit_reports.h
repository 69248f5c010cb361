#pragma once

#include "link/preset_header.h"

#include <QByteArray>
#include <QMutex>

#include <cstdint>

// What the unit answered to a version request.
struct tcUnitVersion
{
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t build = 0;
    QByteArray buildText; // each text at most 32 characters; empty unless the
    QByteArray fpgaText;  // answer was exactly 108 bytes long
    QByteArray dspText;
};

// The unit's latest version answer and the header of the preset it holds, as its messages
// report them. Written on the link's receive thread, read on the GUI thread; every
// operation takes the object's own lock. Owned by the main window.
class tcUnitReports
{
public:
    void setVersion(const tcUnitVersion& version);
    tcUnitVersion version() const;

    // Keeps header when it differs from the kept one (names up to the first zero byte,
    // valid, flags, checksums and counts); returns whether it did.
    bool offerPresetHeader(const PRESET_HEADER& header);
    PRESET_HEADER presetHeader() const;

private:
    mutable QMutex m_lock;
    tcUnitVersion m_version;
    PRESET_HEADER m_header;
};
