// Route lines classified as the reader takes them, each in the context the
// lines before it leave: what an editor shows of the route language.

#include "route/RouteLineKind.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace z5 {
namespace {

using R = RouteLineRole;

std::vector<RouteLineRole> rolesOf(const std::string& text) {
  std::vector<RouteLineRole> roles;
  RouteLineContext context;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) roles.push_back(classifyRouteLine(line, context).role);
  return roles;
}

TEST(RouteLineKind, EachLineTakesTheRoleTheLinesBeforeItGiveIt) {
  struct Row {
    const char* legend;
    const char* text;
    std::vector<RouteLineRole> roles;
  };
  const std::vector<Row> rows = {
      {"a three-line waypoint", "SOLENT\n50 45N\n1 20W\n", {R::WaypointName, R::Latitude, R::Longitude}},
      {"comments and blanks inside a waypoint keep the position expected",
       "SOLENT\n// lat next\n\n50 45N\n1 20W\n", {R::WaypointName, R::Comment, R::Blank, R::Latitude, R::Longitude}},
      {"a directive where a latitude belongs is read as one, and fails",
       "SOLENT\n!SPEED 12\n", {R::WaypointName, R::BadLatitude}},
      {"unreadable longitude", "A\n50N\n1 20Q\n", {R::WaypointName, R::Latitude, R::BadLongitude}},
      {"directives by their leading letters, in any case", "!speeds=12\n!CHARTS 1234\n", {R::Directive, R::Directive}},
      {"no such directive", "!FAST\n", {R::UnknownDirective}},
      {"!OFF hides names and directives until !ON; !ONWARD resumes too",
       "!OFF\nSOLENT\n!SPEED 1\n!ONWARD\nSOLENT\n",
       {R::Directive, R::Ignored, R::Ignored, R::Directive, R::WaypointName}},
      {"an AMVER header turns the rest into AMVER lines or ignored ones",
       "AMVER/SP//\nA/VESSEL/CALL//\nnot a line\n", {R::AmverHeader, R::AmverLine, R::Ignored}},
      {"a $CCWPL sentence is a whole waypoint; the next line is a name again",
       "$CCWPL,4030.00,N,07400.00,W,SANDY HOOK\nB\n", {R::WaypointSentence, R::WaypointName}},
      {"a broken sentence", "$CCWPL,4030.00,Q,07400.00,W,X\n", {R::BadWaypointSentence}},
      {"$CCWPL counts only in the first column", " $CCWPL,4030.00,N,07400.00,W,X\n", {R::WaypointName}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    EXPECT_EQ(rolesOf(row.text), row.roles);
  }
}

TEST(RouteLineKind, DirectiveKeywordAndWaypointNameEndWhereTheReaderStops) {
  RouteLineContext context;
  EXPECT_EQ(classifyRouteLine("  ! speeds=12", context).keywordEnd, 10u);
  const std::string name = "SOUTH BISHOP ROCK LIGHTHOUSE";
  EXPECT_EQ(classifyRouteLine(name, context).nameEnd, 18u);
  RouteLineContext fresh;
  EXPECT_EQ(classifyRouteLine("K\xC3\xB8ge Bugt 123456789012345", fresh).nameEnd, 19u);  // 18 characters, 19 bytes
}

TEST(RouteLineKind, ContextSurvivesItsIntegerForm) {
  for (const bool scanning : {true, false}) {
    for (const bool amver : {true, false}) {
      for (const auto expect : {RouteLineContext::Expect::Name, RouteLineContext::Expect::Latitude,
                                RouteLineContext::Expect::Longitude}) {
        const RouteLineContext context{scanning, amver, expect};
        EXPECT_EQ(RouteLineContext::fromInt(context.toInt()), context);
      }
    }
  }
  EXPECT_EQ(RouteLineContext::fromInt(-1), RouteLineContext{});
}

}  // namespace
}  // namespace z5
