#pragma once
// A route or output text laid out on printer pages: the header and footer
// lines of the page setup, a rule under the header and over the footer,
// and the text's lines dealt out to the pages between them.

#include <QFont>
#include <QRect>

#include <string>
#include <string_view>
#include <vector>

#include "base/Clock.h"
#include "editor/PageLines.h"

class QPainter;

namespace z5 {

struct PrintableText {
  std::string text;
  std::string fileName;  // the "&f" of the templates: the path, or the title of a text never saved
  std::string path;      // the file whose time a header or footer may show; empty: none
};

class TextPages {
 public:
  // The header and footer times are fixed here, when printing begins.
  TextPages(PrintableText text, const PageSetup& setup, const Clock& clock, int tabStopCharacters);

  // Lays the pages out for `painter`, begun on the printer, on `page` (the
  // painter's coordinates), with `font` (pixel or point sizes of the
  // printer). A font too wide for the longest line is made smaller, down
  // to kSmallestFontScale of its size.
  void layOut(QPainter& painter, const QRect& page, QFont font);

  int pageCount() const { return static_cast<int>(pages_.size()); }
  int linesPerPage() const { return layout_.linesPerPage; }
  const std::string& text() const { return text_.text; }

  // Paints page `page` (from 1) with the painter of layOut.
  void paint(QPainter& painter, int page) const;

  // The header and footer lines of page `page` (empty: none).
  std::string header(int page) const;
  std::string footer(int page) const;

  static constexpr double kSmallestFontScale = 0.5;

 private:
  void drawLine(QPainter& painter, int y, std::string_view line) const;

  PrintableText text_;
  PageSetup setup_;
  PrintTimes times_;
  int tabStopCharacters_;
  std::vector<std::string_view> lines_;
  std::vector<PageSpan> pages_;
  QRect page_;
  QFont font_;
  int lineHeight_ = 0;
  PageLayout layout_;
  PageLayout ruled_;  // where a header and a footer go on any page
};

}  // namespace z5
