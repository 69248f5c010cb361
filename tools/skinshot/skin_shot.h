#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;
class tcGQGuiWidget;
class tcShotBench;

// A preview of a skin without a unit: loads a skin folder or a packed skin file into an
// off-screen bench and renders the main area with one processing group, as the
// application's bench draws them (background, then the main group's objects, then the
// group's, each in binding order), in the preview state of tcPreviewState. GUI thread only.
class tcSkinShot
{
public:
    tcSkinShot();
    ~tcSkinShot();

    // A folder is loaded in place; a packed file is unpacked into a temporary folder
    // first. False with error() set when the skin cannot be unpacked or loaded, or has no
    // "BKGRND" image to draw on.
    bool load(const QString& skin);
    const QString& error() const { return m_error; }

    // What a skin author should look at: the loader's messages other than the file lines,
    // and every name the application binds that the skin lacks or gives another kind.
    QStringList warnings() const;

    // The picture of the main area and the group of the control index (0 system ...
    // 5 input; any other shows the input), the size of "BKGRND". Needs a loaded skin.
    QImage render(int controlIndex);

private:
    bool fail(const QString& text);

    // In this order, so that the bench goes first (its objects refer to the host) and the
    // unpacked files last.
    std::unique_ptr<QTemporaryDir> m_unpacked;
    std::unique_ptr<tcGQGuiWidget> m_host;
    std::unique_ptr<tcShotBench> m_bench;
    QString m_error;
};
