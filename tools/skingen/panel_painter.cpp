#include "tools/skingen/panel_painter.h"

#include "tools/skingen/art_shapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Face of the printed legends, requested by family as the skins request theirs.
constexpr const char* LEGEND_FACE = "Arial";
constexpr int LEGEND_MAX_PIXELS = 11;
constexpr int LEGEND_MIN_PIXELS = 7;

// A fixed pseudo-random sequence, so that the brushed face is the same on every build.
class tcGrain
{
public:
    int next(int range)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return int((m_state >> 16) % uint32_t(range));
    }

private:
    uint32_t m_state = 0x4B37u;
};

QFont legendFont(int pixels, bool bold)
{
    QFont font{QLatin1String(LEGEND_FACE)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    return font;
}

} // namespace

const tcPanelPainter::Kind tcPanelPainter::KINDS[] = {
    {"plate", &tcPanelPainter::plate}, {"band", &tcPanelPainter::band},   {"bay", &tcPanelPainter::bay},
    {"slot", &tcPanelPainter::slot},   {"logo", &tcPanelPainter::logo},   {"legend", &tcPanelPainter::legend},
    {"ticks", &tcPanelPainter::ticks}, {"bus", &tcPanelPainter::bus},
};

bool tcPanelPainter::paint(const tcSkinSheet::Region& panel, const std::vector<tcSkinSheet::Region>& regions,
                           QImage* image, QString* error) const
{
    *image = QImage(panel.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image->fill(Qt::transparent);
    QPainter painter(image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(-panel.rect.topLeft());
    const QString prefix = panel.id + QLatin1Char('/');
    for (const tcSkinSheet::Region& part : regions) {
        if (!part.id.startsWith(prefix))
            continue;
        const QString rest = part.id.mid(prefix.size());
        const QString kind = rest.section(QLatin1Char('/'), 0, 0);
        const QString text = rest.section(QLatin1Char('/'), 1);
        const auto found = std::find_if(std::begin(KINDS), std::end(KINDS),
                                        [&](const Kind& k) { return kind == QLatin1String(k.name); });
        if (found == std::end(KINDS)) {
            *error = QStringLiteral("region \"%1\": unknown kind \"%2\"").arg(part.id, kind);
            return false;
        }
        if (!panel.rect.contains(part.rect)) {
            *error = QStringLiteral("region \"%1\" lies outside its panel \"%2\"").arg(part.id, panel.id);
            return false;
        }
        painter.save();
        (this->*found->draw)(painter, QRectF(part.rect), text);
        painter.restore();
    }
    return true;
}

void tcPanelPainter::plate(QPainter& painter, const QRectF& rect, const QString&) const
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, m_palette.faceHi);
    gradient.setColorAt(0.35, m_palette.face);
    gradient.setColorAt(1.0, m_palette.faceLo);
    painter.fillRect(rect, gradient);
    // Brushed grain: faint horizontal strokes of random length.
    tcGrain grain;
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int y = int(rect.top()); y < int(rect.bottom()); ++y) {
        const int strokes = 2 + grain.next(3);
        for (int s = 0; s < strokes; ++s) {
            const int x = int(rect.left()) + grain.next(std::max(1, int(rect.width())));
            const int length = 20 + grain.next(120);
            const bool light = grain.next(2) == 0;
            painter.setPen(light ? QColor(255, 255, 255, 7) : QColor(0, 0, 0, 12));
            painter.drawLine(x, y, std::min(x + length, int(rect.right())), y);
        }
    }
    painter.setPen(skinart::mix(m_palette.faceHi, Qt::white, 0.12));
    painter.drawLine(rect.topLeft(), rect.topRight() - QPointF(1, 0));
    painter.drawLine(rect.topLeft(), rect.bottomLeft() - QPointF(0, 1));
    painter.setPen(skinart::mix(m_palette.faceLo, Qt::black, 0.45));
    painter.drawLine(rect.bottomLeft() - QPointF(0, 1), rect.bottomRight() - QPointF(1, 1));
    painter.drawLine(rect.topRight() - QPointF(1, 0), rect.bottomRight() - QPointF(1, 1));
}

void tcPanelPainter::band(QPainter& painter, const QRectF& rect, const QString&) const
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, skinart::mix(m_palette.faceLo, m_palette.bay, 0.55));
    gradient.setColorAt(1.0, skinart::mix(m_palette.faceLo, m_palette.bay, 0.85));
    painter.fillRect(rect, gradient);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(m_palette.edgeLo);
    painter.drawLine(rect.bottomLeft() - QPointF(0, 2), rect.bottomRight() - QPointF(0, 2));
    painter.setPen(m_palette.edgeHi);
    painter.drawLine(rect.bottomLeft() - QPointF(0, 1), rect.bottomRight() - QPointF(0, 1));
}

void tcPanelPainter::bay(QPainter& painter, const QRectF& rect, const QString&) const
{
    skinart::drawRecess(painter, rect, 4.0, m_palette);
}

void tcPanelPainter::slot(QPainter& painter, const QRectF& rect, const QString&) const
{
    skinart::drawRecess(painter, rect, 1.5, m_palette);
}

void tcPanelPainter::logo(QPainter& painter, const QRectF& rect, const QString& text) const
{
    QFont font = legendFont(std::max(LEGEND_MIN_PIXELS, int(rect.height() * 0.85)), true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(rect.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.setPen(m_palette.accent);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void tcPanelPainter::legend(QPainter& painter, const QRectF& rect, const QString& text) const
{
    const int pixels = std::clamp(int(rect.height()) - 3, LEGEND_MIN_PIXELS, LEGEND_MAX_PIXELS);
    painter.setFont(legendFont(pixels, true));
    painter.setPen(m_palette.silk);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextDontClip, text);
}

void tcPanelPainter::ticks(QPainter& painter, const QRectF& rect, const QString& text) const
{
    const int count = std::max(2, text.toInt());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(m_palette.silkDim);
    const int span = int(rect.height()) - 1;
    for (int k = 0; k < count; ++k) {
        const int y = int(rect.top()) + int(std::lround(double(k) * span / (count - 1)));
        painter.drawLine(int(rect.left()), y, int(rect.right()) - 1, y);
    }
}

void tcPanelPainter::bus(QPainter& painter, const QRectF& rect, const QString&) const
{
    const qreal y = rect.center().y();
    const qreal head = std::min(rect.height() / 2.0, 5.0);
    painter.setPen(QPen(m_palette.silkDim, 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right() - head * 1.5, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_palette.silkDim);
    painter.drawPolygon(QPolygonF({QPointF(rect.right() - head * 2, y - head), QPointF(rect.right(), y),
                                   QPointF(rect.right() - head * 2, y + head)}));
}
