#include "gqgui/gui_image.h"

#include <QBitmap>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <utility>

tcGuiImage::tcGuiImage(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_IMAGE)
{
    m_width = MISSING_SIZE;
    m_height = MISSING_SIZE;
    setBoundsFromGeometry();
    m_captionBox = m_bounds;
}

void tcGuiImage::finishLoading()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const QSize size = m_job ? m_job->size() : QSize();
    if (size.width() > 0 && size.height() > 0) {
        // The picture follows when first needed. Should it then fail to decode, the image
        // keeps its header's size and draws the placeholder.
        m_width = size.width();
        m_height = size.height();
    } else {
        if (m_job)
            setPicture(QPixmap::fromImage(takeJob()));
        // Only a plain file is read: a device or pipe named by a skin could be read without end.
        else if (!m_file.isEmpty() && QFileInfo(m_file).isFile())
            setPicture(QPixmap(m_file));
        m_width = m_pixmap.isNull() ? MISSING_SIZE : m_pixmap.width();
        m_height = m_pixmap.isNull() ? MISSING_SIZE : m_pixmap.height();
    }
    setBoundsFromGeometry();
    m_captionBox = m_bounds;
}

const QPixmap& tcGuiImage::picture() const
{
    if (m_job)
        setPicture(QPixmap::fromImage(takeJob()));
    return m_pixmap;
}

QImage tcGuiImage::takeJob() const
{
    const std::shared_ptr<tcImageJob> job = std::exchange(m_job, nullptr);
    return m_preloader ? m_preloader->take(*job) : job->take();
}

void tcGuiImage::setPicture(QPixmap pixmap) const
{
    m_pixmap = pixmap.width() > 0 && pixmap.height() > 0 ? std::move(pixmap) : QPixmap();
    if (m_hasTransparent && !m_pixmap.isNull())
        m_pixmap.setMask(m_pixmap.createMaskFromColor(QColor::fromRgb(m_transparent), Qt::MaskInColor));
}

bool tcGuiImage::acceptsPress() const
{
    return false;
}

void tcGuiImage::paint(QPainter& painter)
{
    drawAt(painter, m_x, m_y);
}

QString tcGuiImage::resolveFile(const QString& name, const QString& skinFolder)
{
    const QDir folder(skinFolder);
    const QString first = folder.filePath(name);
    if (QFileInfo::exists(first))
        return first;
    const QString shared = QDir::cleanPath(folder.filePath(QStringLiteral("../../skin_images/") + name));
    return QFileInfo::exists(shared) ? shared : first;
}

void tcGuiImage::setSections(int sections)
{
    m_sections = std::max(sections, 1);
}

void tcGuiImage::setTransparentColor(QRgb color)
{
    m_transparent = color;
    m_hasTransparent = true;
}

void tcGuiImage::drawAt(QPainter& painter, int x, int y) const
{
    if (picture().isNull())
        drawPlaceholder(painter, x, y);
    else
        painter.drawPixmap(x, y, m_pixmap);
}

void tcGuiImage::drawScaled(QPainter& painter, const QRect& target) const
{
    if (picture().isNull())
        drawPlaceholder(painter, target.x(), target.y());
    else
        painter.drawPixmap(target, m_pixmap);
}

void tcGuiImage::drawSection(QPainter& painter, int x, int y, int section) const
{
    drawSectionPart(painter, x, y, section, QRect(0, 0, sectionWidth(), m_height));
}

void tcGuiImage::drawSectionPart(QPainter& painter, int x, int y, int section, const QRect& part) const
{
    if (!drawable(section)) {
        drawPlaceholder(painter, x, y);
        return;
    }
    // Never past the section's own edges into its neighbours.
    const QRect source = part.intersected(QRect(0, 0, sectionWidth(), m_height));
    painter.drawPixmap(x, y, m_pixmap, section * sectionWidth() + source.x(), source.y(), source.width(),
                       source.height());
}

void tcGuiImage::drawPlaceholder(QPainter& painter, int x, int y)
{
    const int last = PLACEHOLDER_SIZE - 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(x, y, PLACEHOLDER_SIZE, PLACEHOLDER_SIZE, Qt::white);
    painter.setPen(QPen(Qt::red, 0));
    painter.drawRect(x, y, last, last);
    painter.drawLine(x, y, x + last, y + last);
    painter.drawLine(x, y + last, x + last, y);
    painter.restore();
}

bool tcGuiImage::drawable(int section) const
{
    return !picture().isNull() && section >= 0 && section < m_sections;
}
