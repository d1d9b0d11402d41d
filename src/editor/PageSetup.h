#pragma once
// The header and footer lines of printed texts: their templates and which
// time each shows, kept in the profile section "PageSetup", loaded once at
// start and written back at exit only where changed.

#include <string>

#include "base/SettingsStore.h"

namespace z5 {

// Which time a header or footer shows.
inline constexpr int kFileTime = 0;    // the file's last modification
inline constexpr int kSystemTime = 1;  // the time printing began

struct PageSetup {
  static constexpr const char* kSection = "PageSetup";
  static constexpr const char* kDefaultHeader = "File: &f";
  static constexpr const char* kDefaultFooter = "Page: &p";

  std::string Header = kDefaultHeader;
  std::string Footer = kDefaultFooter;
  int HeaderTime = kFileTime;
  int FooterTime = kFileTime;

  bool operator==(const PageSetup&) const = default;
};

// The page setup of the profile, remembered as loaded.
class PageSetupProfile {
 public:
  // Reads the four values; missing ones keep their defaults, and a time
  // that is neither 0 nor 1 is file time.
  void load(const SettingsStore& store);
  // Writes each value that differs from what was loaded. False when the
  // store refused a write.
  bool save(SettingsStore& store);

  PageSetup& values() { return values_; }
  const PageSetup& values() const { return values_; }

 private:
  PageSetup values_;
  PageSetup loaded_;
};

}  // namespace z5
