// The GPS monitor's commands on the main thread: port and baud, the
// sampling and logging settings, and the goto-waypoint choice.

#include <fmt/printf.h>

#include "base/NumberReading.h"
#include "base/Settings.h"
#include "base/SettingsKeys.h"
#include "base/TextUtil.h"
#include "gps/GpsGeometry.h"
#include "gps/GpsMonitor.h"

namespace z5 {
namespace {

// Prompt strings: labels of the status lines and toggles, and the questions.
constexpr int kPortLabel = 267;
constexpr int kBaudLabel = 268;
constexpr int kPortQuestion = 269;
constexpr int kBaudQuestion = 270;
constexpr int kUnitLabel = 271;
constexpr int kLogLabel = 274;
constexpr int kDisplayTrackLabel = 275;
constexpr int kLabelTrackLabel = 276;
constexpr int kLogIntervalLabel = 278;
constexpr int kSampleIntervalLabel = 279;
constexpr int kSamplesLabel = 280;
constexpr int kSamplesQuestion = 281;
constexpr int kSampleIntervalQuestion = 282;
constexpr int kLogIntervalQuestion = 283;
constexpr int kGotoSetQuestion = 288;
constexpr int kWaypointRangeQuestion = 18;
constexpr int kWaypointChoiceQuestion = 19;

// The ranges of the settings the prompts change; an answer "n" resets one
// to its default.
constexpr IntKey kBaud = *findIntegerKey(&SettingsRecord::GPS_BAUD);
constexpr IntKey kSamples = *findIntegerKey(&SettingsRecord::GPS_MAX_SAMPLES);
constexpr IntKey kSampleInterval = *findIntegerKey(&SettingsRecord::GPS_SAMPLE_INTERVAL);
constexpr IntKey kLogInterval = *findIntegerKey(&SettingsRecord::GPS_LOGGING_INTERVAL);
constexpr int kBaudStep = 1200;
constexpr int kLogFailureMilliseconds = 4000;

int defaultValue(const IntKey& key) { return SettingsRecord{}.*key.field; }

// Asks for an integer setting that the reader thread reads under `lock`;
// true when an answer was stored.
bool promptLockedSetting(Messages& messages, std::recursive_mutex& lock, int& setting, const IntKey& range,
                         PromptNumber<int, int, int> question, PromptNumber<> label) {
  int answer = 0;
  {
    Lock hold(lock);
    answer = setting;
  }
  if (!messages.integerPrompt(defaultValue(range), answer, range.minimum, range.maximum, question, label)) return false;
  Lock hold(lock);
  setting = answer;
  return true;
}

// An answer that only adds to a name closed by its colon ("COM1:x" to
// "COM1:") names the same port; a longer device path ("/dev/ttyUSB10" to
// "/dev/ttyUSB1") is another device.
bool samePortName(const std::string& current, const std::string& answer) {
  if (answer == current) return true;
  return !current.empty() && current.back() == ':' && answer.starts_with(current);
}

}  // namespace

int nearestBaud(int answer) {
  const int remainder = answer % kBaudStep;
  return answer - remainder + (remainder >= kBaudStep / 2 ? kBaudStep : 0);
}

void GpsMonitor::restartIfRunning() {
  if (!running()) return;
  toggle();
  toggle();
}

void GpsMonitor::setPortPrompt() {
  const StringTable& strings = messages_.strings();
  std::string answer = settings_.GPS_PORT;
  if (!messages_.prompt(strings.prompt(kPortQuestion, settings_.GPS_PORT, kDefaultPortName), answer, true)) return;
  if (answer.empty() || samePortName(settings_.GPS_PORT, answer)) return;
  // A name the profile would not load back would be lost at the next start.
  const std::string port = answer.substr(0, kPortNameLength);
  if (const auto takes = settingsValueRefusal("GPS_PORT", port)) {
    messages_.showMessage(fmt::sprintf("The GPS port name takes %s; the port stays %s.", *takes, settings_.GPS_PORT),
                          kAlertMilliseconds);
    return;
  }
  if (const SourceAddressReading reading = readSourceAddress(port); !reading.address) {
    messages_.showMessage(fmt::sprintf("%s is not a GPS source: %s.", port, reading.problem), kAlertMilliseconds);
    return;
  }
  settings_.GPS_PORT = port;
  messages_.appendLine(messages_.statusLine(strings.prompt(kPortLabel), settings_.GPS_PORT));
  restartIfRunning();
}

void GpsMonitor::setBaudPrompt() {
  int answer = settings_.GPS_BAUD;
  if (!messages_.integerPrompt(defaultValue(kBaud), answer, kBaud.minimum, kBaud.maximum, kBaudQuestion, kBaudLabel)) return;
  const int baud = nearestBaud(answer);
  if (baud == settings_.GPS_BAUD) return;
  settings_.GPS_BAUD = baud;
  baudText_ = std::to_string(baud);
  messages_.appendLine(messages_.statusLine(messages_.strings().prompt(kBaudLabel), baudText_));
  restartIfRunning();
}

void GpsMonitor::toggleUnitSmgCmg() {
  int fromUnit = 0;
  {
    Lock hold(locks_.unit);
    messages_.toggle(settings_.GPS_SMG_CMG, messages_.strings().prompt(kUnitLabel));
    fromUnit = settings_.GPS_SMG_CMG;
  }
  if (!fromUnit) {
    Lock hold(locks_.sample);
    samples_.empty();
  }
  setSamplingTexts();
}

void GpsMonitor::setNumberOfSamples() {
  if (promptLockedSetting(messages_, locks_.sampleCount, settings_.GPS_MAX_SAMPLES, kSamples, kSamplesQuestion,
                          kSamplesLabel))
    restartSampling();
}

void GpsMonitor::setSampleInterval() {
  if (promptLockedSetting(messages_, locks_.sampleInterval, settings_.GPS_SAMPLE_INTERVAL, kSampleInterval,
                          kSampleIntervalQuestion, kSampleIntervalLabel))
    restartSampling();
}

void GpsMonitor::setLogInterval() {
  if (!promptLockedSetting(messages_, locks_.logInterval, settings_.GPS_LOGGING_INTERVAL, kLogInterval,
                           kLogIntervalQuestion, kLogIntervalLabel))
    return;
  Lock hold(locks_.logInterval);
  texts_.main().logInterval = std::to_string(settings_.GPS_LOGGING_INTERVAL);
}

// A new sample count or interval switches speed and course made good to
// samples, taken afresh.
void GpsMonitor::restartSampling() {
  bool fromUnit = false;
  {
    Lock hold(locks_.unit);
    fromUnit = settings_.GPS_SMG_CMG != 0;
  }
  if (fromUnit) toggleUnitSmgCmg();
  {
    Lock hold(locks_.sample);
    samples_.empty();
  }
  setSamplingTexts();
  texts_.takeSnapshot();
}

// Logging and displaying the track are coupled: a displayed track is a
// logged one. Each toggle may call the other while holding the log-switch
// lock, which is re-entrant.
void GpsMonitor::toggleLog() {
  Lock hold(locks_.logSwitch);
  messages_.toggle(settings_.GPS_LOG, messages_.strings().prompt(kLogLabel));
  if (settings_.GPS_DISPLAY_TRACK == 1 && settings_.GPS_LOG == 0) toggleDisplayTrack();
}

void GpsMonitor::toggleDisplayTrack() {
  Lock hold(locks_.logSwitch);
  messages_.toggle(settings_.GPS_DISPLAY_TRACK, messages_.strings().prompt(kDisplayTrackLabel));
  if (settings_.GPS_DISPLAY_TRACK == 1 && settings_.GPS_LOG == 0) toggleLog();
}

void GpsMonitor::displayTrackCommand() {
  toggleDisplayTrack();
  int displayed = 0;
  {
    Lock hold(locks_.logSwitch);
    displayed = settings_.GPS_DISPLAY_TRACK;
  }
  Lock hold(locks_.map);
  if (!displayed) mapView_.viewPointMode = false;
  mapView_.redrawPending = true;
}

void GpsMonitor::labelTrackCommand() {
  messages_.toggle(settings_.GPS_LABEL_TRACK, messages_.strings().prompt(kLabelTrackLabel));
  Lock hold(locks_.map);
  mapView_.redrawPending = true;
}

void GpsMonitor::resetLog() {
  const std::string log = trackLog_.path();
  if (const FileWriteResult reset = trackLog_.reset(); !reset.written) {
    messages_.showMessage(reset.message(log), kLogFailureMilliseconds);
  }
}

void GpsMonitor::viewLog(const std::function<bool(const std::string& path)>& openInEditor,
                         const std::function<bool(const std::string& path)>& openOnDesktop) {
  trackLog_.read([&](const std::string& path) { openInEditor(path) || openOnDesktop(path); });
}

int GpsMonitor::gotoIndex() {
  Lock hold(locks_.gotoWaypoint);
  return gotoLeg_.index;
}

void GpsMonitor::selectGotoWaypoint() {
  const int current = gotoIndex();
  if (current == kNoIndex) {
    setGoto(askGotoIndex(current));
    return;
  }
  switch (messages_.confirm(messages_.strings().prompt(kGotoSetQuestion))) {
    case Host::Confirmation::Abort:
      return;
    case Host::Confirmation::Disable:
      setGoto(kNoIndex);
      return;
    case Host::Confirmation::Change:
      setGoto(askGotoIndex(current));
      return;
  }
}

// The waypoint prompt: a number from the next waypoint (the first without a
// present position) to the last, as numbered in the reports.
int GpsMonitor::askGotoIndex(int current) {
  if (voyage_.empty()) return kNoIndex;
  const int labelStart = settings_.firstRowNumber;
  const int first = (voyage_.toWaypoint.active() ? voyage_.toWaypoint.index : 0) + labelStart;
  const int last = voyage_.count() - 1 + labelStart;
  const bool haveCurrent = current != kNoIndex;
  const std::string question = haveCurrent ? messages_.strings().prompt(kWaypointChoiceQuestion, first, last,
                                                                         current + labelStart)
                                           : messages_.strings().prompt(kWaypointRangeQuestion, first, last);
  while (true) {
    std::string answer = haveCurrent ? std::to_string(current + labelStart) : std::string();
    if (!messages_.prompt(question, answer, true)) return kNoIndex;
    if (answer.empty()) return current;
    // The number the answer starts with; text after it is ignored.
    const auto number = leadingInteger<int>(answer, Sign::Either);
    if (number && number->value >= first && number->value <= last) return number->value - labelStart;
  }
}

bool GpsMonitor::chooseGotoNumber(int number) {
  setGoto(number - settings_.firstRowNumber);
  return gotoIndex() != kNoIndex;
}

void GpsMonitor::clearGotoWaypoint() { setGoto(kNoIndex); }

void GpsMonitor::setGoto(int index) {
  const GotoLeg leg = gotoLegFor(voyage_, index);
  {
    Lock hold(locks_.gotoWaypoint);
    gotoLeg_ = leg;
  }
  auto& main = texts_.main();
  if (!leg.chosen()) {
    main.gotoNumber.clear();
    main.gotoName.clear();
    main.gotoLatitude.clear();
    main.gotoLongitude.clear();
    texts_.clearNavigation();
    return;
  }
  main.gotoNumber = std::to_string(index + settings_.firstRowNumber);
  main.gotoName = voyage_.waypoints[index].name;
  main.gotoLatitude = latitudeText(leg.latitude);
  main.gotoLongitude = longitudeText(leg.longitude);
}

}  // namespace z5
