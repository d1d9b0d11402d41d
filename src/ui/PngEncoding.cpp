#include "ui/PngEncoding.h"

#include <csetjmp>

#include <png.h>
#include <zlib.h>

namespace z5 {
namespace {

// Each row against the row above: a map's rows repeat each other.
constexpr int kRowFilter = PNG_FILTER_UP;
// Runs of one byte are what a filtered map is made of.
constexpr int kCompressionStrategy = Z_RLE;
constexpr int kCompressionLevel = 1;
constexpr int kBitsPerChannel = 8;

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
  out->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void flushNothing(png_structp) {}

// The rows of `rgb32` (0xffRRGGBB words) written through `png`; false when
// libpng gave up. Holds no object with a destructor: libpng's errors jump
// back here.
bool writeRows(png_structp png, png_infop info, const QImage& rgb32, QByteArray* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, appendBytes, flushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rgb32.width()), static_cast<png_uint_32>(rgb32.height()),
               kBitsPerChannel, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kRowFilter);
  png_set_compression_strategy(png, kCompressionStrategy);
  png_set_compression_level(png, kCompressionLevel);
  png_write_info(png, info);
  // A 32-bit word 0xffRRGGBB lies in memory as B, G, R, 0xff on a
  // little-endian machine, as R, G, B after the filler on a big-endian one.
  if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  } else {
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
  }
  for (int y = 0; y < rgb32.height(); ++y) {
    png_write_row(png, const_cast<png_bytep>(rgb32.constScanLine(y)));
  }
  png_write_end(png, info);
  return true;
}

}  // namespace

std::optional<QByteArray> encodePng(const QImage& picture) {
  if (picture.isNull()) return std::nullopt;
  const QImage rgb32 = picture.format() == QImage::Format_RGB32 ? picture
                                                                : picture.convertToFormat(QImage::Format_RGB32);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  QByteArray out;
  const bool written = info != nullptr && writeRows(png, info, rgb32, &out);
  png_destroy_write_struct(&png, &info);
  if (!written) return std::nullopt;
  return out;
}

}  // namespace z5
