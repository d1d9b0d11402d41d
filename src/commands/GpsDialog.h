#pragma once
// The GPS dialog without its window: which text goes into which control,
// the two check boxes, the commands of its buttons, and whether it is shown.
// The window puts values() into its controls whenever the dialog changes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/SettingsRecord.h"
#include "commands/CommandIds.h"
#include "gps/GpsMonitor.h"
#include "gps/GpsTextSet.h"

namespace z5 {

class GpsDialog {
 public:
  // A text the reader thread writes, shown from its dialog copy.
  struct FixControl {
    int control;
    GpsTextSet::Text text;
  };
  // A text only the main thread writes (goto waypoint, intervals).
  struct MainControl {
    int control;
    std::string GpsTextSet::MainTexts::*text;
  };
  struct Button {
    std::string_view text;
    int command;
  };
  struct ControlText {
    int control;
    std::string text;
    bool operator==(const ControlText&) const = default;
  };

  static constexpr std::array kFixControls = {
      FixControl{1100, GpsTextSet::kUtcTime},     FixControl{1173, GpsTextSet::kFixDate},
      FixControl{1101, GpsTextSet::kLatitude},    FixControl{1104, GpsTextSet::kLongitude},
      FixControl{1111, GpsTextSet::kSmg},         FixControl{1113, GpsTextSet::kCmg},
      FixControl{1142, GpsTextSet::kRlBearing},   FixControl{1122, GpsTextSet::kGcBearing},
      FixControl{1118, GpsTextSet::kRlXte},       FixControl{1123, GpsTextSet::kGcXte},
      FixControl{1120, GpsTextSet::kRlDistance},  FixControl{1126, GpsTextSet::kGcDistance},
      FixControl{1176, GpsTextSet::kRlVtwp},      FixControl{1177, GpsTextSet::kGcVtwp},
      FixControl{1131, GpsTextSet::kRlTtg},       FixControl{1132, GpsTextSet::kGcTtg},
      FixControl{1135, GpsTextSet::kRlEta},       FixControl{1136, GpsTextSet::kGcEta},
  };
  static constexpr std::array kMainControls = {
      MainControl{1115, &GpsTextSet::MainTexts::gotoNumber},
      MainControl{1128, &GpsTextSet::MainTexts::gotoName},
      MainControl{1103, &GpsTextSet::MainTexts::gotoLatitude},
      MainControl{1102, &GpsTextSet::MainTexts::gotoLongitude},
      MainControl{1105, &GpsTextSet::MainTexts::samples},
      MainControl{1106, &GpsTextSet::MainTexts::sampleInterval},
      MainControl{1107, &GpsTextSet::MainTexts::logInterval},
  };
  // "&Unit smg/cmg" shows GPS_SMG_CMG and toggles it; "Rx?" shows whether
  // the receiver was heard lately and runs nothing.
  static constexpr int kUnitCheck = 1183;
  static constexpr int kReceivedCheck = 1190;
  static constexpr std::array kButtons = {
      Button{"&Goto Waypoint", cmd::kGotoWaypoint},  Button{"&Hide", cmd::kHideGpsDialog},
      Button{"&Log Int.(Sec)", cmd::kLogInterval},   Button{"&Int. (Sec)", cmd::kSampleInterval},
      Button{"&Samples", cmd::kNumberSamples},       Button{"&Unit smg/cmg", cmd::kUnitSmgCmg},
  };

  // The reader's latest snapshot becomes the dialog copy (under the text
  // lock), and every control takes its text from it.
  void refresh(GpsMonitor& gps, const SettingsRecord& settings);

  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }

  // The texts of every text control, in the order of the two tables.
  const std::vector<ControlText>& texts() const { return texts_; }
  std::string text(int control) const;
  bool unitChecked() const { return unitChecked_; }
  bool receivedChecked() const { return receivedChecked_; }

 private:
  std::vector<ControlText> texts_;
  bool unitChecked_ = false;
  bool receivedChecked_ = false;
  bool visible_ = false;
};

}  // namespace z5
