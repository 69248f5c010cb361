#pragma once

#include <QDir>
#include <QString>

#include <array>
#include <memory>

class tcParamMap;

// The two quick-save slots A and B: a parameter set each, kept in "qsave_a.k7" and
// "qsave_b.k7" in the presets folder, and the current slot. The main group's QSAVEA,
// QSAVEB and QSAVEAB buttons switch the live values between them. GUI thread only.
class tcQuickSave
{
public:
    static constexpr int SLOT_A = 0;
    static constexpr int SLOT_B = 1;

    // Loads both files into their slots; a missing file leaves the slot's defaults.
    // The current slot is A.
    explicit tcQuickSave(const QDir& presetsFolder);
    ~tcQuickSave();

    tcQuickSave(const tcQuickSave&) = delete;
    tcQuickSave& operator=(const tcQuickSave&) = delete;

    int currentSlot() const { return m_current; }
    const tcParamMap& slotSet(int slot) const { return *m_sets[static_cast<size_t>(slot)]; }
    const QString& slotPath(int slot) const { return m_paths[static_cast<size_t>(slot)]; }

    // Writes source into the slot's file (header name "QSAVE" with its checksums) and
    // copies it into the slot's set. A file that cannot be written is skipped silently.
    void store(int slot, const tcParamMap& source);
    // Switches to slot (0 or 1, other than the current one): the slot left receives the
    // live values, the slot entered is applied to live. Anything else does nothing.
    void selectSlot(int slot, tcParamMap& live);
    // Stores the live values into A, then B; the current slot stays.
    void storeBoth(const tcParamMap& live);

private:
    std::array<std::unique_ptr<tcParamMap>, 2> m_sets;
    std::array<QString, 2> m_paths;
    int m_current = SLOT_A;
};
