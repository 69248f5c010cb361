#pragma once

#include "gqgui/bench.h"
#include "gqgui/image_preloader.h"
#include "gqgui/skin_loader.h"
#include "gqgui/skin_tables.h"

#include <QRgb>
#include <QString>

// A bench that loads its objects from a skin folder's "skin.xml" and owns what the skin
// defines besides them: the fonts, the colour, offset and region tables and the screen
// records. The application derives its own bench from it. GUI thread only.
class tcBenchMaster : public tcBench
{
public:
    // host may be none (off-screen use).
    tcBenchMaster(tcGQGuiWidget* host, const QString& skinFolder);
    ~tcBenchMaster() override;

    // Destroys the objects, then the fonts and the loader's tables.
    void clear() override;
    // The font of the skin's font table, or none.
    tcSkinFont* fontByName(const QString& name) override;
    // Clears, parses the skin file and, when that succeeded, takes the default fonts,
    // finishes loading every object in list order and hands each the host widget.
    // 0 on success, -1 on failure (logged).
    virtual int load();

    // The colour of the skin's colour table, or none for an empty or unknown name.
    const QRgb* colorByName(const QString& name) const;
    const QString& skinFile() const { return m_skinFile; }
    const tcSkinTables& tables() const { return m_tables; }
    // Where the loader reads files from; from disk unless set.
    void setOpener(tcSkinLoader::Opener opener) { m_opener = std::move(opener); }

private:
    // Reads the image objects' files and hands each its job of the preloader.
    void startDecodingImages();

    QString m_skinFile;
    tcSkinTables m_tables;
    tcSkinLoader::Opener m_opener;
    std::unique_ptr<tcImagePreloader> m_preloader;
};
