#pragma once
// Keeping the map's text readable: the boxes of the texts already on the
// map, and a surface that leaves out a name that would be written over one
// of them (its mark is still drawn).

#include <string_view>
#include <vector>

#include "map/Surface.h"

namespace z5 {

struct TextBox {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive

  bool meets(const TextBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

class LabelSpace {
 public:
  bool isFree(const TextBox& box) const;
  void take(const TextBox& box) { taken_.push_back(box); }

 private:
  std::vector<TextBox> taken_;
};

// Forwards every call to `inner`. Each text written takes its box in the
// label space; while optional texts are asked for, a text whose box meets
// one already taken is left out.
class UnclutteredSurface final : public Surface {
 public:
  UnclutteredSurface(Surface& inner, LabelSpace& space) : inner_(inner), space_(space) {}

  void setOptionalText(bool optional) { optional_ = optional; }
  Surface& inner() { return inner_; }
  int textsLeftOut() const { return leftOut_; }

  int width() const override { return inner_.width(); }
  int height() const override { return inner_.height(); }
  bool printing() const override { return inner_.printing(); }
  void setColourTable(const Rgb* colours, int count) override { inner_.setColourTable(colours, count); }
  void selectPen(int index) override { inner_.selectPen(index); }
  void selectPenColour(Rgb colour) override { inner_.selectPenColour(colour); }
  void setTextColour(int index) override { inner_.setTextColour(index); }
  void setTextColourRgb(Rgb colour) override { inner_.setTextColourRgb(colour); }
  void fillBackground(Rgb colour) override { inner_.fillBackground(colour); }
  void selectFont(const MapFontDescription& font, bool followsScreen) override {
    inner_.selectFont(font, followsScreen);
  }
  void setPixel(int x, int y) override { inner_.setPixel(x, y); }
  void moveTo(int x, int y) override { inner_.moveTo(x, y); }
  void lineTo(int x, int y) override { inner_.lineTo(x, y); }
  void textOut(int x, int y, std::string_view text) override;
  int textWidth(std::string_view text) override { return inner_.textWidth(text); }
  int textHeight(std::string_view text) override { return inner_.textHeight(text); }
  void circle(int x, int y, int r) override { inner_.circle(x, y, r); }

 private:
  Surface& inner_;
  LabelSpace& space_;
  bool optional_ = false;
  int leftOut_ = 0;
};

}  // namespace z5
