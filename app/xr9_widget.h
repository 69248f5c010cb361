#pragma once

#include "app/ap_widget.h"

#include <QString>

// The main window: the application shell with the K7's skin, its bench and the
// redrawing of what the unit changed.
class XR9Widget : public tcApWidget
{
    Q_OBJECT

public:
    // Builds the shell, then loads the skin named in the settings, falling back to the
    // packed "default" skin.
    explicit XR9Widget(QWidget* parent = nullptr);

    // Loads a skin from the skins folder: a packed "<name>.skin" file or the folder <name>.
    // 0 on success, -1 when it could not be loaded (the window then has an empty bench).
    int loadSkin(const QString& name, bool packed);

    const QString& skinName() const { return m_skinName; }
    bool skinPacked() const { return m_skinPacked; }

protected:
    void localModeWarning() override;
    void redrawMarkedParameters() override;
    void redrawMarkedGlobals() override;
    // The devices dialog comes with the devices issue.
    void devicesDialog() override {}
    // The skin chooser comes with the skin-chooser issue.
    void skinChooser() override {}

private:
    void connectMainGroup();

    QString m_skinName;
    bool m_skinPacked = true;
};
