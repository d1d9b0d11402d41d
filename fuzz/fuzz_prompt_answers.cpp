// Answers typed into the prompt dialog: each line of the input is one
// answer (a line "\x18" presses Cancel, and so does the end of the input).
// The first byte picks the command and how a "Change / Disable / Abort"
// question is answered. Whatever is typed, a command ends, and what it
// keeps is in the range it asks for.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "FuzzCheck.h"
#include "app/AppContexts.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/EpochClock.h"
#include "base/Settings.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "charts/SetChartScaleLimits.h"
#include "nav/DateTimePrompt.h"
#include "nav/GreatCircleSetup.h"
#include "nav/IntervalCalculator.h"
#include "nav/TimeCommands.h"
#include "route/PositionText.h"

using z5::fuzz::check;

namespace {

constexpr char kCancelLine[] = "\x18";
// Greatest step and limiting latitude of the great-circle set-up, degrees.
constexpr double kGreatestStep = 50;
constexpr double kGreatestLimit = 85;

class AnsweringHost final : public z5::Host {
 public:
  AnsweringHost(std::string_view answers, Confirmation confirmation)
      : answers_(answers), confirmation_(confirmation) {}
  void messageTextChanged(const std::string& text, std::string_view) override { checkText(text); }
  void showMessageWindow() override {}
  void hideMessageWindow() override {}
  bool mainWindowMinimised() const override { return false; }
  bool popupShowing() const override { return false; }
  void closePopups() override {}
  void showTimedPopup(const std::string& text, int) override { checkText(text); }
  void showNoticePopup(const std::string& text, int) override { checkText(text); }
  PromptEnding runPrompt(const std::string&, std::string& answer) override {
    if (answers_.empty()) return PromptEnding::Cancel;
    const std::string_view line = answers_.substr(0, answers_.find('\n'));
    answers_.remove_prefix(std::min(answers_.size(), line.size() + 1));
    if (line == kCancelLine) return PromptEnding::Cancel;
    answer = std::string(line);
    return PromptEnding::Ok;
  }
  Confirmation confirm(const std::string&) override { return confirmation_; }
  void wait(int) override {}

 private:
  // No text the navigator reads may show a number that is not one.
  static void checkText(const std::string& text) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::string_view word : {"nan", "inf"}) {
      for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool wordStart = at == 0 || !letter(text[at - 1]);
        const std::size_t after = at + word.size();
        const bool wordEnd = after == text.size() || !letter(text[after]);
        check(!(wordStart && wordEnd));
      }
    }
  }
  std::string_view answers_;
  Confirmation confirmation_;
};

bool validTime(const z5::DateTime& t) {
  return t.year >= 1990 && t.year <= 2090 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= z5::daysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59;
}

void askTime(z5::Messages& messages) {
  const z5::DateTime before{2002, 3, 15, 10, 30};
  z5::DateTime time = before;
  bool declined = false;
  if (z5::askDateTime(messages, "FM", time, &declined) == 1) {
    check(validTime(time));
  } else {
    check(time == before);
  }
}

void askPosition(z5::Messages& messages, z5::PositionKind kind) {
  std::string offered = "50-46.00N";
  const double degrees = z5::askPosition(messages, "WP", kind, offered);
  const double limit = kind == z5::PositionKind::Latitude ? 90 : 180;
  check(degrees == z5::kNoPosition || (std::isfinite(degrees) && std::fabs(degrees) <= limit));
}

void askScaleLimits(z5::Messages& messages) {
  z5::ChartScaleLimits limits;
  z5::SetChartScaleLimits(limits, messages, [] { return 0; });
  check(limits.lower >= z5::ChartScaleLimits::kSmallest && limits.lower < limits.upper &&
        limits.upper <= z5::ChartScaleLimits::kLargest);
}

// The GPS monitor's prompts; it is not running, so nothing is restarted.
void askGps(z5::GpsMonitor& gps, int command) {
  switch (command) {
    case 0: gps.setNumberOfSamples(); break;
    case 1: gps.setSampleInterval(); break;
    case 2: gps.setLogInterval(); break;
    case 3: gps.setBaudPrompt(); break;
    case 4: gps.setPortPrompt(); break;
    default: gps.selectGotoWaypoint(); break;
  }
  const int index = gps.gotoIndex();
  check(index == z5::kNoIndex || (index >= 0 && index < 2));
}

void askNavigation(z5::Z5App& app, int command) {
  z5::NavContext nav = z5::navContext(app);
  switch (command) {
    case 0: {
      z5::askFileSpeed(nav);
      const double speed = app.voyage().fileSpeed;
      check(speed == 0 || (speed >= 0.1 && speed <= 1000));
      break;
    }
    case 1:
      if (z5::askDepartureTime(nav) == 1) check(validTime(app.settings().departure));
      break;
    case 2: {
      z5::setUpGreatCircle(nav, false);
      const z5::GreatCircleSettings& gc = app.settings().greatCircle;
      check(gc.mode == 0 || (gc.step >= 1 && gc.step <= kGreatestStep));
      check(std::isfinite(gc.minimumSaving) && gc.minimumSaving >= 0);
      check(gc.limit >= 1 && gc.limit <= kGreatestLimit);
      break;
    }
    default:
      z5::intervalCalculator(nav);
      break;
  }
}

// Every setting a command leaves is one the next load takes back as it is.
void checkSettingsReload(const z5::SettingsRecord& settings) {
  z5::MemorySettingsStore saved;
  check(z5::saveSettings(settings, saved));
  for (const z5::SettingsKey& key : z5::kSettingsKeys) {
    const auto text = saved.readText(z5::kSettingsSection, key.name);
    if (!text || (std::holds_alternative<z5::DateKey>(key.kind) && !z5::decodeStoredDateTime(*text)->valid()))
      continue;
    check(!z5::settingsValueRefusal(key.name, *text));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  constexpr z5::Host::Confirmation kConfirmations[] = {
      z5::Host::Confirmation::Change, z5::Host::Confirmation::Disable, z5::Host::Confirmation::Abort};
  AnsweringHost host(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1),
                     kConfirmations[(data[0] >> 4) % 3]);
  z5::MemorySettingsStore store;
  const z5::EpochClock clock(z5::fuzz::kFixedMoment);
  z5::Z5App app(host, store, clock);
  z5::VoyageEngine(app).extractRoute("FASTNET\n51-23.3N\n009-36.1W\nBISHOP ROCK\n49-52.4N\n006-26.7W\n", "fuzz.txt");
  z5::Messages& messages = app.messages();
  // Commands by the low four bits: 0-3 the date-time, position and scale
  // prompts, 4-7 the navigation commands, 8-13 the GPS commands.
  const int command = (data[0] & 0x0F) % 14;
  switch (command) {
    case 0: askTime(messages); break;
    case 1: askPosition(messages, z5::PositionKind::Latitude); break;
    case 2: askPosition(messages, z5::PositionKind::Longitude); break;
    case 3: askScaleLimits(messages); break;
    default:
      if (command < 8) {
        askNavigation(app, command - 4);
      } else {
        askGps(app.gps(), command - 8);
      }
      break;
  }
  checkSettingsReload(app.settings());
  return 0;
}
