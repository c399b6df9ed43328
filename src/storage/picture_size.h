#pragma once
// The pixel size of a picture file, read from its header (PNG, GIF, BMP, JPEG), without loading the
// picture: reports size their IMG elements from it in programs without a display.
#include <QSize>
#include <QString>
#include <optional>

// std::nullopt when the file is missing, of another kind or its header is damaged.
std::optional<QSize> ReadPictureSize(const QString& path);
