// skingen SKIN_FOLDER OUT_FOLDER
// Draws every bitmap of a skin into OUT_FOLDER: the object strips of STRIP_RECIPES with the
// sizes the skin's "layout.xml" gives, and the panels its regions describe, in the colours
// of its "colours.xml". Run by the build; the bitmaps are never kept with the sources.

#include "tools/skingen/art_palette.h"
#include "tools/skingen/panel_painter.h"
#include "tools/skingen/png_writer.h"
#include "tools/skingen/skin_sheet.h"
#include "tools/skingen/strip_painter.h"
#include "tools/skingen/strip_recipes.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int fail(const QString& text)
{
    QTextStream(stderr) << "skingen: " << text << Qt::endl;
    return 1;
}

bool save(const QImage& image, const QDir& out, const QString& file, QString* error)
{
    return writeSkinPng(image, QDir::toNativeSeparators(out.filePath(file)), error);
}

bool drawStrips(const tcSkinSheet& sheet, const tcArtPalette& palette, const QDir& out, QString* error)
{
    const tcStripPainter painter(palette);
    for (const tcStripRecipe& recipe : STRIP_RECIPES) {
        const std::optional<int> width = sheet.offset(QLatin1String(recipe.widthOffset));
        const std::optional<int> height = sheet.offset(QLatin1String(recipe.heightOffset));
        if (!width || !height || *width <= 0 || *height <= 0) {
            *error = QStringLiteral("%1 needs positive offsets %2 and %3 in the layout")
                         .arg(QLatin1String(recipe.file), QLatin1String(recipe.widthOffset),
                              QLatin1String(recipe.heightOffset));
            return false;
        }
        if (!save(painter.paint(recipe, QSize(*width, *height)), out, QLatin1String(recipe.file), error))
            return false;
    }
    return true;
}

bool drawPanels(const tcSkinSheet& sheet, const tcArtPalette& palette, const QDir& out, QString* error)
{
    const tcPanelPainter painter(palette);
    for (const tcSkinSheet::Region& region : sheet.regions()) {
        if (!tcPanelPainter::isPanel(region.id))
            continue;
        if (region.rect.isEmpty()) {
            *error = QStringLiteral("panel \"%1\" is empty").arg(region.id);
            return false;
        }
        QImage image;
        if (!painter.paint(region, sheet.regions(), &image, error)
            || !save(image, out, tcPanelPainter::fileName(region.id), error))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3)
        return fail(QStringLiteral("usage: skingen SKIN_FOLDER OUT_FOLDER"));
    tcSkinSheet sheet;
    if (!sheet.read(arguments[1]))
        return fail(sheet.error());
    QString error;
    const std::optional<tcArtPalette> palette = tcArtPalette::fromSheet(sheet, &error);
    if (!palette)
        return fail(QStringLiteral("the colours need \"%1\"").arg(error));
    const QDir out(arguments[2]);
    if (!QDir().mkpath(out.path()))
        return fail(QStringLiteral("cannot create %1").arg(QDir::toNativeSeparators(out.path())));
    if (!drawStrips(sheet, *palette, out, &error) || !drawPanels(sheet, *palette, out, &error))
        return fail(error);
    return 0;
}
