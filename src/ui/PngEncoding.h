#pragma once
// Map pictures as PNG files, encoded for speed: a map is mostly flat
// colour, so each row is stored against the row above it and compressed as
// runs, which takes a quarter of the time of the general-purpose encoder
// for files of about the same size.

#include <optional>

#include <QByteArray>
#include <QImage>

namespace z5 {

// The picture as the bytes of an 8-bit RGB PNG file; nullopt when it is
// empty or the encoder fails.
std::optional<QByteArray> encodePng(const QImage& picture);

}  // namespace z5
