#include "tools/skingen/png_writer.h"

#include <QSaveFile>

#include <png.h>

#include <algorithm>

namespace {

bool isOpaque(const QImage& image)
{
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        if (std::any_of(row, row + straight.width(), [](QRgb pixel) { return qAlpha(pixel) != 255; }))
            return false;
    }
    return true;
}

void appendToFile(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<QSaveFile*>(png_get_io_ptr(png));
    if (out->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length))
        png_error(png, "write failed");
}

void flushNothing(png_structp) {}

// libpng reports errors by jumping out of the call; everything it allocated is freed by
// the caller's png_destroy_write_struct.
bool encode(png_structp png, png_infop info, const QImage& rows, bool opaque)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(rows.width()), png_uint_32(rows.height()), 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    for (int y = 0; y < rows.height(); ++y)
        png_write_row(png, rows.constScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

bool writeSkinPng(const QImage& image, const QString& path, QString* error)
{
    const bool opaque = isOpaque(image);
    const QImage rows = image.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
    QSaveFile out(path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info && out.open(QIODevice::WriteOnly)) {
        png_set_write_fn(png, &out, appendToFile, flushNothing);
        written = encode(png, info, rows, opaque);
    }
    png_destroy_write_struct(&png, &info);
    if (written && out.commit())
        return true;
    *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}
