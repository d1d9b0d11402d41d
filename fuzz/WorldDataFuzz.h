#pragma once
// Shared by the world data fuzz targets: a surface that accepts everything
// silently, a view of the whole world and a scratch home folder.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "base/SilentHost.h"
#include "map/Surface.h"
#include "nav/ComputeMapExtent.h"

namespace z5::fuzz {

// Checks that every pixel handed over is a number; counts the calls.
class CountingSurface final : public Surface {
 public:
  int width() const override { return 1024; }
  int height() const override { return 768; }
  bool printing() const override { return false; }
  void setColourTable(const Rgb*, int) override {}
  void selectPen(int index) override { check(index >= 0 && index < 35); }
  void selectPenColour(Rgb) override {}
  void setTextColour(int index) override { check(index >= 0 && index < 35); }
  void setTextColourRgb(Rgb) override {}
  void fillBackground(Rgb) override {}
  void setPixel(int, int) override { ++calls; }
  void moveTo(int, int) override { ++calls; }
  void lineTo(int, int) override { ++calls; }
  void textOut(int, int, std::string_view text) override { calls += text.size(); }
  int textWidth(std::string_view text) override { return 7 * static_cast<int>(text.size()); }
  int textHeight(std::string_view) override { return 14; }
  void circle(int, int, int) override { ++calls; }
  std::size_t calls = 0;

 private:
  static void check(bool ok) {
    if (!ok) __builtin_trap();
  }
};

// A view of the world, as the widest map shows it.
inline MapExtent worldView() {
  MapExtentRequest r;
  r.viewPoint = true;
  r.degreeSpan = 150;
  r.width = 1024;
  r.height = 768;
  return ComputeMapExtent(Voyage{}, r);
}

// A folder of this process's own under the temporary directory, ending in '/'.
inline const std::string& scratchHome() {
  static const std::string home = [] {
    std::string dir = "/tmp/z5fuzz." + std::to_string(getpid());
    ::mkdir(dir.c_str(), 0700);
    return dir + "/";
  }();
  return home;
}

inline void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace z5::fuzz
