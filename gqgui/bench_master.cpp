#include "gqgui/bench_master.h"

#include "gqgui/gqgui_widget.h"
#include "gqgui/gui_image.h"

#include <QDir>

tcBenchMaster::tcBenchMaster(tcGQGuiWidget* host, const QString& skinFolder)
    : tcBench(host), m_skinFile(QDir(skinFolder).filePath(QStringLiteral("skin.xml")))
{
}

// The objects go before the fonts they borrow.
tcBenchMaster::~tcBenchMaster()
{
    tcBench::clear();
}

void tcBenchMaster::clear()
{
    tcBench::clear();
    m_preloader.reset();
    m_tables.clear();
    takeDefaultFonts();
}

tcSkinFont* tcBenchMaster::fontByName(const QString& name)
{
    return m_tables.font(name);
}

int tcBenchMaster::load()
{
    clear();
    log("Opening skin file");
    tcSkinLoader loader(*this, m_tables);
    if (m_opener)
        loader.setOpener(m_opener);
    if (!loader.load(m_skinFile)) {
        log("ERROR: Loading the skin file");
        return -1;
    }
    takeDefaultFonts();
    startDecodingImages();
    for (const auto& object : objects())
        object->finishLoading();
    for (const auto& object : objects())
        object->setParentWidget(host());
    return 0;
}

const QRgb* tcBenchMaster::colorByName(const QString& name) const
{
    return m_tables.color(name);
}

void tcBenchMaster::startDecodingImages()
{
    std::vector<tcGuiImage*> images;
    QStringList files;
    for (const auto& object : objects())
        if (auto* image = dynamic_cast<tcGuiImage*>(object.get())) {
            images.push_back(image);
            files << image->file();
        }
    m_preloader = std::make_unique<tcImagePreloader>(files);
    for (tcGuiImage* image : images)
        image->setJob(m_preloader->job(image->file()), m_preloader.get());
}
