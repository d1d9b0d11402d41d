#pragma once
// A drawing surface for tests: keeps every call in order so that pixels,
// pieces, texts and colours can be asserted. Text is measured as 7 pixels
// a character and 14 pixels high.

#include <string>
#include <string_view>
#include <vector>

#include "map/Surface.h"

namespace z5::test {

struct SurfaceCall {
  enum Kind { Pen, PenRgb, TextColour, TextRgb, Table, Fill, Font, Pixel, Move, Line, Text, Circle } kind;
  int x = 0, y = 0, value = 0;  // value: colour index, radius, or table size
  std::string text;             // text, or the font's face name
  Rgb rgb{};                    // PenRgb, TextRgb, Fill
};

class RecordingSurface final : public Surface {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kTextHeight = 14;

  RecordingSurface(int width, int height, bool printing = false)
      : width_(width), height_(height), printing_(printing) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  bool printing() const override { return printing_; }
  void setColourTable(const Rgb* colours, int count) override {
    table.assign(colours, colours + count);
    add({SurfaceCall::Table, 0, 0, count, {}, {}});
  }
  void selectPen(int index) override { add({SurfaceCall::Pen, 0, 0, index, {}, {}}); }
  void selectPenColour(Rgb c) override { add({SurfaceCall::PenRgb, 0, 0, 0, {}, c}); }
  void setTextColour(int index) override { add({SurfaceCall::TextColour, 0, 0, index, {}, {}}); }
  void setTextColourRgb(Rgb c) override { add({SurfaceCall::TextRgb, 0, 0, 0, {}, c}); }
  void fillBackground(Rgb c) override { add({SurfaceCall::Fill, 0, 0, 0, {}, c}); }
  void selectFont(const MapFontDescription& font, bool followsScreen) override {
    add({SurfaceCall::Font, 0, 0, followsScreen ? 1 : 0, font.faceName, {}});
    fontHeight = font.height;
  }
  void setPixel(int x, int y) override { add({SurfaceCall::Pixel, x, y, 0, {}, {}}); }
  void moveTo(int x, int y) override { add({SurfaceCall::Move, x, y, 0, {}, {}}); }
  void lineTo(int x, int y) override { add({SurfaceCall::Line, x, y, 0, {}, {}}); }
  void textOut(int x, int y, std::string_view text) override {
    add({SurfaceCall::Text, x, y, 0, std::string(text), {}});
  }
  int textWidth(std::string_view text) override { return kCharWidth * static_cast<int>(text.size()); }
  int textHeight(std::string_view) override { return kTextHeight; }
  void circle(int x, int y, int r) override { add({SurfaceCall::Circle, x, y, r, {}, {}}); }

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
  // The text calls whose text is `text`.
  std::vector<SurfaceCall> texts(std::string_view text) const {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : calls)
      if (c.kind == SurfaceCall::Text && c.text == text) out.push_back(c);
    return out;
  }
  // Lines as segments: each Line call joined to the point before it.
  struct Segment {
    int x1, y1, x2, y2;
  };
  std::vector<Segment> segments() const {
    std::vector<Segment> out;
    int x = 0, y = 0;
    for (const SurfaceCall& c : calls) {
      if (c.kind == SurfaceCall::Move || c.kind == SurfaceCall::Line) {
        if (c.kind == SurfaceCall::Line) out.push_back({x, y, c.x, c.y});
        x = c.x;
        y = c.y;
      }
    }
    return out;
  }
  void clear() { calls.clear(); }

  std::vector<SurfaceCall> calls;
  std::vector<Rgb> table;
  int fontHeight = 0;

 private:
  void add(SurfaceCall call) { calls.push_back(std::move(call)); }
  int width_, height_;
  bool printing_;
};

}  // namespace z5::test
