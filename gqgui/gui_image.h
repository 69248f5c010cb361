#pragma once

#include "gqgui/gui_object.h"
#include "gqgui/image_job.h"
#include "gqgui/image_preloader.h"

#include <QPixmap>

#include <memory>

// A skin bitmap: a horizontal strip of equal-width sections, loaded from the skin
// folder (or the shared "skin_images" folder) and drawn by the other objects section by
// section. A bitmap that failed to load, or a missing section, draws a 16 x 16
// placeholder; an object given no image at all draws nothing in its place. GUI thread only.
class tcGuiImage : public tcGuiObject
{
public:
    static constexpr int PLACEHOLDER_SIZE = 16;
    static constexpr int MISSING_SIZE = 20;

    tcGuiImage(const QString& id, tcBench* bench, int serial);

    // Loads the bitmap once; a file that cannot be loaded leaves a 20 x 20 image. With a
    // job given (setJob) only the size is taken now, from the file's header, and the
    // picture when the image is first drawn or asked for.
    void finishLoading() override;
    bool acceptsPress() const override;
    void paint(QPainter& painter) override;

    // The path of the bitmap: name taken in the skin folder, else in the "skin_images"
    // folder two levels above it when the file is there, else the first path.
    static QString resolveFile(const QString& name, const QString& skinFolder);
    void setFile(const QString& path) { m_file = path; }
    // The file's bytes, read and being decoded by the skin's image preloader, which
    // outlives the image.
    void setJob(std::shared_ptr<tcImageJob> job, tcImagePreloader* preloader)
    {
        m_job = std::move(job);
        m_preloader = preloader;
    }
    // Fewer than one section counts as one.
    void setSections(int sections);
    // Pixels of this colour become transparent when the bitmap is loaded.
    void setTransparentColor(QRgb color);

    const QString& file() const { return m_file; }
    int sections() const { return m_sections; }
    bool hasTransparentColor() const { return m_hasTransparent; }
    QRgb transparentColor() const { return m_transparent; }
    bool hasPixmap() const { return !picture().isNull(); }
    // Width of one section.
    int sectionWidth() const { return m_width / m_sections; }

    void drawAt(QPainter& painter, int x, int y) const;
    void drawScaled(QPainter& painter, const QRect& target) const;
    void drawSection(QPainter& painter, int x, int y, int section) const;
    // Draws the part (sx, sy, w, h) of the section, relative to the section's corner.
    void drawSectionPart(QPainter& painter, int x, int y, int section, const QRect& part) const;

    // White square with a red outline and diagonals, drawn for what cannot be drawn.
    static void drawPlaceholder(QPainter& painter, int x, int y);

private:
    bool drawable(int section) const;
    // The loaded picture, taken from the job the first time it is needed.
    const QPixmap& picture() const;
    void setPicture(QPixmap pixmap) const;
    QImage takeJob() const;

    QString m_file;
    int m_sections = 1;
    QRgb m_transparent = 0xFF000000;
    bool m_hasTransparent = false;
    mutable std::shared_ptr<tcImageJob> m_job;
    tcImagePreloader* m_preloader = nullptr;
    mutable QPixmap m_pixmap;
};
