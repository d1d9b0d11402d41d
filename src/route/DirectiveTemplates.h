#pragma once
// The directive templates of the "!&Lines" menu: each inserts its text into
// the route at the caret.

#include <array>
#include <string_view>

namespace z5 {

struct DirectiveTemplate {
  std::string_view menuText;
  std::string_view insertedText;  // line ends as "\n"; the editor expands them
};

inline constexpr std::array<DirectiveTemplate, 19> kDirectiveTemplates = {{
    {"!&Arriving <Arrival port>", "\n!ARRIVING "},
    {"!&Departing <Departure port>", "\n!DEPARTING "},
    {"!&Chart <number 5 digit> ", "\n!CHART "},
    {"!&Lat <Intercepted latitude>", "\n!LAT "},
    {"!L&on <Intercepted longitude>", "\n!LON "},
    {"!&GC <dlo 1-50 deg> calc LatX pts", "\n!GC\n"},
    {"!&RL (disable GC points)", "\n!RL\n"},
    {"!&Vessel <name>", "\n!VESSEL "},
    {"!Call <CALL S&IGN>", "\n!CALL "},
    {"!Re&mark <Remark - AMVER>", "\n!REMARK "},
    {"!Of&f   (stop file scan)", "\n!OFF\n"},
    {"!&On  (resume scan after !off)", "\n!ON\n"},
    {"!Sp&eed <knots>", "\n!SPEED "},
    {"!&Set  (set/fix current speed)", "\n!SET\n"},
    {"!&Unset (free up speed after !Set)", "\n!UNSET\n"},
    {"!S&top  <Hours.>", "\n!STOP "},
    {"!&ZD <-13 to 12> (zone description)", "\n!ZD "},
    {"!Note <note line to append>", "\n!NOTE  "},
    {"&//  <Comment line>", "\n//    "},
}};

}  // namespace z5
