#pragma once
// What a route line is. The reader takes each line by its kind; an editor
// shows the same kinds, line by line, as the reader would take them.

#include <cstddef>
#include <optional>
#include <string_view>

namespace z5 {

// How the reader takes a line where a waypoint may start, in the order the
// tests are made.
enum class RouteLineKind : int {
  Blank,             // nothing but white space
  Directive,         // "!" first
  Ignored,           // scanning is off, or an AMVER report holds no such line
  Comment,           // "//" first
  AmverHeader,       // "AMVER" first: the rest of the file is an AMVER report
  AmverLine,         // in an AMVER report: a letter, then "/"
  WaypointSentence,  // "$CCWPL" in the first column: a whole waypoint
  WaypointName,      // the name line of a three-line waypoint
};

RouteLineKind routeLineKind(std::string_view line, bool scanning, bool amverInput);

// The line without its leading white space: what its kind is read from.
std::string_view withoutLeadingSpace(std::string_view line);

// A line a waypoint's latitude or longitude is read from: neither blank
// nor a comment.
bool isPositionLine(std::string_view line);

// The directive named by the text after "!": its keyword as the directive
// table spells it ("SPEED" for "speeds=12") and where its argument starts
// (after the whole word); nullopt for a word that is no directive.
struct DirectiveWord {
  std::string_view keyword;
  std::size_t argumentStart = 0;
};
std::optional<DirectiveWord> directiveWord(std::string_view afterMark);

// The reading state that decides how the next line is taken, small enough
// to keep with each line of an editor (see toInt / fromInt).
struct RouteLineContext {
  enum class Expect : int { Name = 0, Latitude = 1, Longitude = 2 };
  bool scanning = true;
  bool amverInput = false;
  Expect expect = Expect::Name;

  int toInt() const;
  // The context of toInt(); the start of a text for a negative number.
  static RouteLineContext fromInt(int value);
  friend bool operator==(const RouteLineContext&, const RouteLineContext&) = default;
};

// A line as a reader of the whole text takes it, for showing: its role and
// where its parts end (byte offsets into the line).
enum class RouteLineRole : int {
  Blank,
  Comment,
  Ignored,
  Directive,         // keywordEnd: the end of "!KEYWORD"
  UnknownDirective,  // "!" followed by no directive's name
  AmverHeader,
  AmverLine,
  WaypointName,      // nameEnd: the end of the characters the name keeps
  WaypointSentence,
  BadWaypointSentence,
  Latitude,
  Longitude,
  BadLatitude,
  BadLongitude,
};

struct RouteLineClass {
  RouteLineRole role = RouteLineRole::Blank;
  std::size_t keywordEnd = 0;
  std::size_t nameEnd = 0;
};

// Classifies `line` in `context` and moves the context on to the next line.
RouteLineClass classifyRouteLine(std::string_view line, RouteLineContext& context);

}  // namespace z5
