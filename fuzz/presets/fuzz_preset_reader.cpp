// Fuzzes the preset file reader with the input as a file's bytes. Beyond not crashing, a
// load must keep the reader's promises: an invalid file leaves the header all zero and the
// set at its defaults; a valid one gives a name of at most 40 bytes without a colon or line
// end, valid = 1, counts 30 and 9 and the set's own checksums; and writing the loaded set and
// reading it back gives the same values. Any broken promise aborts.

#include "presets/preset_file.h"
#include "presets/preset_status.h"

#include "model/param_map.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool samePositions(const tcParamMap& a, const tcParamMap& b)
{
    for (int i = 0; i < PARAM_COUNT; ++i) {
        if (a.getPosition(PARAM_LIST[i].id) != b.getPosition(PARAM_LIST[i].id))
            return false;
    }
    return true;
}

int load(const QByteArray& bytes, PRESET_HEADER& header, tcParamMap& set)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return loadPresetFrom(header, set, buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    PRESET_HEADER header = PRESET_HEADER::fresh();
    tcParamMap set;
    const int status = load(bytes, header, set);
    const tcParamMap defaults;
    if (status == PRESET_INVALID_FILE) {
        require(header.nameString().isEmpty() && header.valid == 0 && header.checksum[0] == 0 && header.count[0] == 0);
        require(samePositions(set, defaults));
        return 0;
    }
    require(status == PRESET_SUCCESS && header.valid == 1);
    const QByteArray name = header.nameString();
    require(name.size() <= 40 && !name.contains(':') && !name.contains('\r') && !name.contains('\n'));
    require(header.count[0] == 30 && header.count[1] == 9 && header.count[2] == 0 && header.count[3] == 0);
    require(header.checksum[0] == set.settingsCrc().crc && header.checksum[1] == set.gainCrc().crc);

    PRESET_HEADER again;
    tcParamMap reread;
    require(load(presetFileBytes(header, set), again, reread) == PRESET_SUCCESS);
    require(again.nameString() == name && samePositions(reread, set));
    return 0;
}
