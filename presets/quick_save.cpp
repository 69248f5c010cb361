#include "presets/quick_save.h"

#include "link/preset_header.h"
#include "model/param_map.h"
#include "presets/preset_file.h"

tcQuickSave::tcQuickSave(const QDir& presetsFolder)
    : m_paths{presetsFolder.filePath(QStringLiteral("qsave_a.k7")), presetsFolder.filePath(QStringLiteral("qsave_b.k7"))}
{
    for (size_t slot = 0; slot < m_sets.size(); ++slot) {
        m_sets[slot] = std::make_unique<tcParamMap>();
        PRESET_HEADER header;
        loadPreset(header, *m_sets[slot], m_paths[slot]);
    }
}

tcQuickSave::~tcQuickSave() = default;

void tcQuickSave::store(int slot, const tcParamMap& source)
{
    PRESET_HEADER header;
    header.setName("QSAVE");
    header.valid = 1;
    computePresetChecksums(header, source);
    // Only checksum 0 and its count describe a quick-save file.
    header.checksum[1] = 0;
    header.count[1] = 0;
    savePreset(header, source, m_paths[static_cast<size_t>(slot)]);
    copyParameters(m_sets[static_cast<size_t>(slot)].get(), &source);
}

void tcQuickSave::selectSlot(int slot, tcParamMap& live)
{
    if ((slot != SLOT_A && slot != SLOT_B) || slot == m_current)
        return;
    store(m_current, live);
    m_current = slot;
    copyParameters(&live, m_sets[static_cast<size_t>(slot)].get());
}

void tcQuickSave::storeBoth(const tcParamMap& live)
{
    store(SLOT_A, live);
    store(SLOT_B, live);
}
