#pragma once

#include <QImage>
#include <QString>

// Writes a skin bitmap as a PNG file that decodes fast when a skin loads: 8-bit RGB when
// every pixel is opaque (RGBA otherwise) and no row filtering, which halves libpng's work
// on the large panels and, for these drawn pictures, makes the files no larger.
// False, with the reason in error, when the file cannot be written.
bool writeSkinPng(const QImage& image, const QString& path, QString* error);
