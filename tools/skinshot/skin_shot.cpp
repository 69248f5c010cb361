#include "tools/skinshot/skin_shot.h"

#include "gqgui/gqgui_widget.h"
#include "gqgui/skin_pack.h"
#include "groups/binding_table.h"
#include "tools/skinshot/preview_state.h"
#include "tools/skinshot/shot_bench.h"

#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr const char* BACKGROUND = "BKGRND";

bool isFileLine(const QString& message)
{
    return message.startsWith(QLatin1String("Entering file ")) || message.startsWith(QLatin1String("Leaving file "))
           || message == QLatin1String("Opening skin file");
}

} // namespace

tcSkinShot::tcSkinShot() = default;
tcSkinShot::~tcSkinShot() = default;

bool tcSkinShot::load(const QString& skin)
{
    const QFileInfo info(skin);
    QString folder = skin;
    if (info.isFile()) {
        m_unpacked = std::make_unique<QTemporaryDir>();
        if (!m_unpacked->isValid())
            return fail(QStringLiteral("cannot create a temporary folder to unpack into"));
        QString text;
        if (unpackSkin(skin, m_unpacked->path(), &text) != 0)
            return fail(text);
        folder = m_unpacked->path();
    } else if (!info.isDir()) {
        return fail(QStringLiteral("\"%1\" is neither a skin folder nor a packed skin file").arg(skin));
    }
    m_host = std::make_unique<tcGQGuiWidget>();
    m_bench = std::make_unique<tcShotBench>(m_host.get(), folder);
    if (m_bench->load() != 0)
        return fail(QStringLiteral("the skin file \"%1\" does not load").arg(m_bench->skinFile()));
    if (!m_bench->objects().find(QLatin1String(BACKGROUND), GUI_KIND_IMAGE))
        return fail(QStringLiteral("the skin has no \"%1\" image").arg(QLatin1String(BACKGROUND)));
    return true;
}

QStringList tcSkinShot::warnings() const
{
    QStringList lines;
    if (!m_bench)
        return lines;
    for (const QString& message : m_bench->messages()) {
        if (!isFileLine(message))
            lines.append(message);
    }
    for (const tcSkinGroup& group : SKIN_GROUPS) {
        for (const tcBindingEntry& binding : group.bindings) {
            const tcGuiObject* object = m_bench->objects().find(QLatin1String(binding.name));
            if (!object) {
                lines.append(QStringLiteral("no object \"%1\" for the %2 group").arg(QLatin1String(binding.name),
                                                                                     QLatin1String(group.name)));
            } else if (binding.kind != SKIN_ANY_KIND && object->kind() != binding.kind) {
                lines.append(QStringLiteral("\"%1\" is of kind %2; the %3 group needs kind %4")
                                 .arg(QLatin1String(binding.name))
                                 .arg(object->kind())
                                 .arg(QLatin1String(group.name))
                                 .arg(binding.kind));
            }
        }
    }
    return lines;
}

QImage tcSkinShot::render(int controlIndex)
{
    for (const auto& object : m_bench->objects())
        object->hide();
    const std::span<const tcBindingEntry> shown[] = {MAIN_BINDINGS, skinGroupForControl(controlIndex).bindings};
    for (const auto& bindings : shown) {
        for (const tcBindingEntry& binding : bindings) {
            if (tcGuiObject* object = m_bench->objects().find(QLatin1String(binding.name))) {
                object->show(true);
                tcPreviewState::apply(*object, controlIndex);
            }
        }
    }
    const tcGuiObject* background = m_bench->objects().find(QLatin1String(BACKGROUND), GUI_KIND_IMAGE);
    QImage image(background->width(), background->height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const auto& bindings : shown) {
        for (const tcBindingEntry& binding : bindings) {
            tcGuiObject* object = m_bench->objects().find(QLatin1String(binding.name));
            if (object && object->needsPaint(image.rect())) {
                painter.save();
                object->paint(painter);
                painter.restore();
            }
        }
    }
    return image;
}

bool tcSkinShot::fail(const QString& text)
{
    m_error = text;
    return false;
}
