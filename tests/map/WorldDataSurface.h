#pragma once
// A drawing surface for the world data tests: keeps every call in order so
// that pixels, pieces and colours can be asserted.

#include <string>
#include <vector>

#include "map/Surface.h"

namespace z5::test {

struct SurfaceCall {
  enum Kind { Pen, TextColour, Pixel, Move, Line, Text, Circle } kind;
  int x = 0, y = 0, value = 0;  // value: colour index or radius
  std::string text;
};

class WorldDataSurface final : public Surface {
 public:
  WorldDataSurface(int width, int height) : width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  bool printing() const override { return false; }
  void setColourTable(const Rgb*, int) override {}
  void selectPen(int index) override { calls.push_back({SurfaceCall::Pen, 0, 0, index, {}}); }
  void selectPenColour(Rgb) override {}
  void setTextColour(int index) override { calls.push_back({SurfaceCall::TextColour, 0, 0, index, {}}); }
  void setTextColourRgb(Rgb) override {}
  void fillBackground(Rgb) override {}
  void setPixel(int x, int y) override { calls.push_back({SurfaceCall::Pixel, x, y, 0, {}}); }
  void moveTo(int x, int y) override { calls.push_back({SurfaceCall::Move, x, y, 0, {}}); }
  void lineTo(int x, int y) override { calls.push_back({SurfaceCall::Line, x, y, 0, {}}); }
  void textOut(int x, int y, std::string_view text) override {
    calls.push_back({SurfaceCall::Text, x, y, 0, std::string(text)});
  }
  // Every character 7 pixels wide; 14 pixels high.
  int textWidth(std::string_view text) override { return 7 * static_cast<int>(text.size()); }
  int textHeight(std::string_view) override { return 14; }
  void circle(int x, int y, int r) override { calls.push_back({SurfaceCall::Circle, x, y, r, {}}); }

  int count(SurfaceCall::Kind kind) const {
    int n = 0;
    for (const SurfaceCall& c : calls) n += c.kind == kind;
    return n;
  }
  std::vector<SurfaceCall> only(SurfaceCall::Kind kind) const {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : calls)
      if (c.kind == kind) out.push_back(c);
    return out;
  }

  std::vector<SurfaceCall> calls;

 private:
  int width_, height_;
};

}  // namespace z5::test
