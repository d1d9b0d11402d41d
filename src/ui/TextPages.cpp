#include "ui/TextPages.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QTextOption>

#include "base/Utf8Text.h"

namespace z5 {
namespace {

// Texts are UTF-8; a file of another encoding is shown byte for byte.
QString toQString(std::string_view text) {
  const auto size = static_cast<qsizetype>(text.size());
  return isValidUtf8(text) ? QString::fromUtf8(text.data(), size) : QString::fromLatin1(text.data(), size);
}

// The rules are this fraction of a line's height thick (at least a pixel).
constexpr int kRuleWidthDivisor = 16;

QTextOption lineOption(const QFontMetrics& metrics, int tabStopCharacters) {
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::NoWrap);
  option.setTabStopDistance(std::max(1, tabStopCharacters) * metrics.horizontalAdvance(QLatin1Char(' ')));
  return option;
}

// The width of the widest line with tabs expanded.
qreal widestLine(const std::vector<std::string_view>& lines, const QFont& font, QPaintDevice* device,
                 int tabStopCharacters) {
  const QFontMetricsF metrics(font, device);
  const qreal tab = std::max(1, tabStopCharacters) * metrics.horizontalAdvance(QLatin1Char(' '));
  qreal widest = 0;
  for (std::string_view line : lines) {
    qreal x = 0;
    for (const QString& piece : toQString(line).split(QLatin1Char('\t'))) {
      if (x > 0) x = (std::floor(x / tab) + 1) * tab;
      x += metrics.horizontalAdvance(piece);
    }
    widest = std::max(widest, x);
  }
  return widest;
}

QFont fittedFont(QFont font, qreal widest, int pageWidth) {
  if (widest <= pageWidth || widest <= 0) return font;
  const qreal scale = std::max(TextPages::kSmallestFontScale, pageWidth / widest);
  if (font.pixelSize() > 0) font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
  else font.setPointSizeF(font.pointSizeF() * scale);
  return font;
}

}  // namespace

TextPages::TextPages(PrintableText text, const PageSetup& setup, const Clock& clock, int tabStopCharacters)
    : text_(std::move(text)),
      setup_(setup),
      times_(fixPrintTimes(setup, text_.path, clock)),
      tabStopCharacters_(tabStopCharacters),
      lines_(textLines(text_.text)) {}

std::string TextPages::header(int page) const {
  return expandPageTemplate(setup_.Header, page, text_.fileName, times_.header);
}

std::string TextPages::footer(int page) const {
  return expandPageTemplate(setup_.Footer, page, text_.fileName, times_.footer);
}

void TextPages::layOut(QPainter& painter, const QRect& page, QFont font) {
  page_ = page;
  painter.setFont(font);
  // Sizes are measured on the printer: the painter's font resolves there.
  font_ = fittedFont(painter.font(), widestLine(lines_, painter.font(), painter.device(), tabStopCharacters_), page.width());
  painter.setFont(font_);
  lineHeight_ = painter.fontMetrics().height();
  // Pages are made for the header and footer of the first page: a later
  // page whose line comes out empty keeps the same text area.
  layout_ = layoutPage(page.top(), page.bottom(), lineHeight_, !header(1).empty(), !footer(1).empty());
  ruled_ = layoutPage(page.top(), page.bottom(), lineHeight_, true, true);
  pages_ = paginate(text_.text, layout_.linesPerPage);
}

void TextPages::drawLine(QPainter& painter, int y, std::string_view line) const {
  const QRect row(page_.left(), y, page_.width(), lineHeight_);
  painter.drawText(row, toQString(line), lineOption(painter.fontMetrics(), tabStopCharacters_));
}

void TextPages::paint(QPainter& painter, int page) const {
  if (page < 1 || page > pageCount()) return;
  painter.setFont(font_);
  painter.setPen(QPen(Qt::black, std::max(1, lineHeight_ / kRuleWidthDivisor)));
  if (const std::string line = header(page); !line.empty()) {
    drawLine(painter, ruled_.headerY, line);
    painter.drawLine(page_.left(), ruled_.headerRuleY, page_.right(), ruled_.headerRuleY);
  }
  const PageSpan span = pages_[static_cast<std::size_t>(page - 1)];
  for (int i = 0; i < span.count; ++i) {
    drawLine(painter, layout_.textTop + i * lineHeight_, lines_[static_cast<std::size_t>(span.first + i)]);
  }
  if (const std::string line = footer(page); !line.empty()) {
    drawLine(painter, ruled_.footerY, line);
    painter.drawLine(page_.left(), ruled_.footerRuleY, page_.right(), ruled_.footerRuleY);
  }
}

}  // namespace z5
