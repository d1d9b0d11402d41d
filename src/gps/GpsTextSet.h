#pragma once
// The texts the GPS display shows. Each text the reader thread writes is
// held three times: the fix text, the snapshot copy the reader takes when a
// fix is complete, and the dialog copy the main thread takes from the
// snapshot. All three are guarded by the text lock. Texts only the main
// thread writes (goto waypoint, sampling and log intervals) are held once.

#include <array>
#include <mutex>
#include <string>
#include <string_view>

namespace z5 {

class GpsTextSet {
 public:
  enum Text : int {
    kUtcTime, kFixDate, kLatitude, kLongitude, kSmg, kCmg,
    // The waypoint navigation texts.
    kRlBearing, kGcBearing, kRlXte, kGcXte, kRlDistance, kGcDistance,
    kRlVtwp, kGcVtwp, kRlTtg, kGcTtg, kRlEta, kGcEta,
    kTextCount
  };
  static constexpr int kFirstNavigationText = kRlBearing;

  // Written and read by the main thread only.
  struct MainTexts {
    std::string gotoNumber, gotoName, gotoLatitude, gotoLongitude;
    std::string samples, sampleInterval, logInterval;
  };

  explicit GpsTextSet(std::recursive_mutex& lock) : lock_(lock) {}

  // Reader thread.
  void set(Text text, std::string_view value);
  void setReceived(bool received);
  // The twelve waypoint navigation texts at once, from kRlBearing on.
  void setNavigation(const std::array<std::string, 12>& navigation);
  // Empties the waypoint navigation texts and their snapshot copies.
  void clearNavigation();
  void takeSnapshot();

  // Main thread.
  void refreshDialog();
  void clearAll();
  const std::string& dialog(Text text) const { return dialog_.texts[text]; }
  bool dialogReceived() const { return dialog_.received; }
  MainTexts& main() { return main_; }
  const MainTexts& main() const { return main_; }

  // A copy of a fix text or of the received flag as the reader left it.
  std::string fix(Text text) const;
  std::string snapshot(Text text) const;
  bool received() const;

 private:
  struct Copy {
    std::array<std::string, kTextCount> texts;
    bool received = false;
  };

  std::recursive_mutex& lock_;
  Copy fix_, snapshot_, dialog_;
  MainTexts main_;
};

}  // namespace z5
