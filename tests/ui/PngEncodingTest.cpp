// Map pictures encoded as PNG read back pixel for pixel.

#include "ui/PngEncoding.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace z5 {
namespace {

QImage mapLike(QSize size, QImage::Format format) {
  QImage picture(size, format);
  picture.fill(QColor(10, 20, 140));
  QPainter painter(&picture);
  painter.setPen(QColor(0, 200, 30));
  painter.drawLine(0, 0, size.width() - 1, size.height() - 1);
  // Smoothed edges, as text has, give colours of every shade.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QColor(250, 40, 60, 128));
  painter.drawEllipse(QRectF(0.5, 0.5, size.width() / 2.0, size.height() / 1.5));
  return picture;
}

TEST(PngEncoding, PictureReadsBackPixelForPixel) {
  struct Row {
    QImage picture;
    const char* catches;
  };
  const Row rows[] = {
      {mapLike({203, 97}, QImage::Format_RGB32), "red and blue swapped, or a row's filter lost"},
      {mapLike({1, 1}, QImage::Format_RGB32), "a one-pixel picture refused"},
      {mapLike({64, 48}, QImage::Format_ARGB32_Premultiplied), "a picture of another format not converted"},
  };
  for (const Row& row : rows) {
    const std::optional<QByteArray> png = encodePng(row.picture);
    ASSERT_TRUE(png) << row.catches;
    const QImage back = QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back, row.picture.convertToFormat(QImage::Format_RGB32)) << row.catches;
  }
  EXPECT_FALSE(encodePng(QImage())) << "an empty picture encoded";
}

}  // namespace
}  // namespace z5
