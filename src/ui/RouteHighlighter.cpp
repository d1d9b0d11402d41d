#include "ui/RouteHighlighter.h"

#include <string>

namespace z5 {
namespace {

const QColor kCommentColour(0x5f, 0x6b, 0x73);
const QColor kIgnoredColour(0x9a, 0x9a, 0x9a);
const QColor kDirectiveColour(0x1a, 0x4f, 0xa0);
const QColor kArgumentColour(0x00, 0x6d, 0x77);
const QColor kAmverColour(0x7b, 0x2d, 0x8b);
const QColor kSentenceColour(0x8a, 0x4b, 0x00);
const QColor kPositionColour(0x0b, 0x6e, 0x2c);
const QColor kErrorColour(0xb0, 0x00, 0x00);

QTextCharFormat coloured(const QColor& colour) {
  QTextCharFormat format;
  format.setForeground(colour);
  return format;
}

QTextCharFormat bold(QTextCharFormat format) {
  format.setFontWeight(QFont::Bold);
  return format;
}

QTextCharFormat wrong() {
  QTextCharFormat format = coloured(kErrorColour);
  format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  format.setUnderlineColor(kErrorColour);
  return format;
}

// A byte offset into the UTF-8 form of a line as an offset into the line.
int utf16Offset(const std::string& utf8, std::size_t bytes) {
  return static_cast<int>(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(bytes)).size());
}

}  // namespace

RouteHighlighter::RouteHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

QTextCharFormat RouteHighlighter::roleFormat(RouteLineRole role) {
  switch (role) {
    case RouteLineRole::Blank:
      return {};
    case RouteLineRole::Comment: {
      QTextCharFormat format = coloured(kCommentColour);
      format.setFontItalic(true);
      return format;
    }
    case RouteLineRole::Ignored:
      return coloured(kIgnoredColour);
    case RouteLineRole::Directive:
      return bold(coloured(kDirectiveColour));
    case RouteLineRole::AmverHeader:
      return bold(coloured(kAmverColour));
    case RouteLineRole::AmverLine:
      return coloured(kAmverColour);
    case RouteLineRole::WaypointName:
      return bold({});
    case RouteLineRole::WaypointSentence:
      return coloured(kSentenceColour);
    case RouteLineRole::Latitude:
    case RouteLineRole::Longitude:
      return coloured(kPositionColour);
    case RouteLineRole::UnknownDirective:
    case RouteLineRole::BadWaypointSentence:
    case RouteLineRole::BadLatitude:
    case RouteLineRole::BadLongitude:
      return wrong();
  }
  return {};
}

QTextCharFormat RouteHighlighter::argumentFormat() { return coloured(kArgumentColour); }

void RouteHighlighter::highlightBlock(const QString& text) {
  RouteLineContext context = RouteLineContext::fromInt(previousBlockState());
  const std::string line = text.toStdString();
  const RouteLineClass found = classifyRouteLine(line, context);
  setCurrentBlockState(context.toInt());

  const int length = static_cast<int>(text.size());
  switch (found.role) {
    case RouteLineRole::Directive: {
      const int keywordEnd = utf16Offset(line, found.keywordEnd);
      setFormat(0, keywordEnd, roleFormat(found.role));
      setFormat(keywordEnd, length - keywordEnd, argumentFormat());
      break;
    }
    case RouteLineRole::WaypointName: {
      // What the name does not keep is shown as ignored.
      const int nameEnd = utf16Offset(line, found.nameEnd);
      setFormat(0, nameEnd, roleFormat(found.role));
      setFormat(nameEnd, length - nameEnd, roleFormat(RouteLineRole::Ignored));
      break;
    }
    default:
      setFormat(0, length, roleFormat(found.role));
  }
}

}  // namespace z5
