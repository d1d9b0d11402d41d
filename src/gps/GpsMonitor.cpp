#include "gps/GpsMonitor.h"

#include <algorithm>
#include <array>
#include <system_error>

#include <fmt/printf.h>

#include "gps/LineAssembler.h"
#include "gps/NmeaLine.h"
#include "gps/SourcePort.h"

namespace z5 {
namespace {

// Error strings of the port.
constexpr int kCannotOpenPort = 82;
constexpr int kCannotConfigurePort = 83;
// Prompt strings.
constexpr int kMonitorLabel = 266;
constexpr int kRefusedFixText = 272;
constexpr int kFromUnitText = 273;
constexpr int kOffLegText = 292;
constexpr int kTooFarText = 293;
constexpr int kLeftText = 294;
constexpr int kRightText = 295;
constexpr int kArrivedText = 296;

}  // namespace

GpsMonitor::GpsMonitor(SettingsRecord& settings, Messages& messages, Voyage& voyage, MapViewState& mapView,
                       const Clock& clock, std::unique_ptr<SerialPort> port, MonotonicNow monotonicNow)
    : settings_(settings),
      messages_(messages),
      voyage_(voyage),
      mapView_(mapView),
      port_(port ? std::move(port) : std::make_unique<SourcePort>()),
      now_(monotonicNow ? std::move(monotonicNow) : [] { return std::chrono::steady_clock::now(); }),
      fixes_(GpsShared{locks_, texts_, samples_, trackLog_, gotoLeg_, settings_, mapView_, clock, notices_}) {}

GpsMonitor::~GpsMonitor() { stop(); }

void GpsMonitor::setWakeUp(std::function<void()> wakeUp) {
  Lock hold(locks_.gps);
  wakeUp_ = std::move(wakeUp);
}

void GpsMonitor::loadNoticeTexts() {
  const StringTable& strings = messages_.strings();
  notices_.refused = strings.prompt(kRefusedFixText);
  notices_.fromUnit = strings.prompt(kFromUnitText);
  notices_.gotoTexts = {strings.prompt(kOffLegText), strings.prompt(kTooFarText), strings.prompt(kLeftText),
                        strings.prompt(kRightText), strings.prompt(kArrivedText)};
}

void GpsMonitor::resetState() {
  if (running()) return;
  loadNoticeTexts();
  texts_.clearAll();
  {
    Lock hold(locks_.gotoWaypoint);
    gotoLeg_ = GotoLeg{};
  }
  {
    Lock hold(locks_.logInterval);
    texts_.main().logInterval = std::to_string(settings_.GPS_LOGGING_INTERVAL);
  }
  baudText_ = std::to_string(settings_.GPS_BAUD);
  setSamplingTexts();
  {
    Lock hold(locks_.sample);
    samples_.empty();
  }
  fixes_.reset();
  Lock hold(locks_.gps);
  dataUpdated_ = false;
}

void GpsMonitor::setSamplingTexts() {
  int fromUnit = 0;
  {
    Lock hold(locks_.unit);
    fromUnit = settings_.GPS_SMG_CMG;
  }
  auto& main = texts_.main();
  if (fromUnit) {
    main.samples = main.sampleInterval = notices_.fromUnit;
    return;
  }
  {
    Lock hold(locks_.sampleCount);
    main.samples = std::to_string(settings_.GPS_MAX_SAMPLES);
  }
  Lock hold(locks_.sampleInterval);
  main.sampleInterval = std::to_string(settings_.GPS_SAMPLE_INTERVAL);
}

void GpsMonitor::toggle() {
  if (running()) {
    stop();
    messages_.toggle(running_, messages_.strings().prompt(kMonitorLabel));
    return;
  }
  start();
}

void GpsMonitor::start() {
  resetState();
  const std::string& port = settings_.GPS_PORT;
  const std::string device = isNetworkAddress(port) ? port : serialDevicePath(port);
  const int baud = settings_.GPS_BAUD;
  port_->clearCancel();
  switch (port_->open(device, baud)) {
    case SerialPort::OpenResult::CannotOpen:
      messages_.showError(kCannotOpenPort, kAlertMilliseconds, settings_.GPS_PORT);
      return;
    case SerialPort::OpenResult::IsDirectory:
      messages_.showMessage(fmt::sprintf("Cannot open the GPS port %s: %s is a directory, not a serial device.",
                                         settings_.GPS_PORT, device),
                            kAlertMilliseconds);
      return;
    case SerialPort::OpenResult::CannotConfigure:
      messages_.showError(kCannotConfigurePort, kAlertMilliseconds, settings_.GPS_PORT);
      return;
    case SerialPort::OpenResult::CannotConnect:
      messages_.showMessage(fmt::sprintf("Cannot read the GPS source %s: %s.", port, port_->openProblem()),
                            kAlertMilliseconds);
      return;
    case SerialPort::OpenResult::Opened:
      break;
  }
  stopRequested_ = false;
  {
    std::lock_guard<std::mutex> hold(stoppedMutex_);
    stopped_ = false;
  }
  try {
    reader_ = std::thread(&GpsMonitor::readerLoop, this, device, baud);
  } catch (const std::system_error&) {
    port_->close();
    return;
  }
  messages_.toggle(running_, messages_.strings().prompt(kMonitorLabel));
}

void GpsMonitor::stop() {
  if (!reader_.joinable()) return;
  stopRequested_ = true;
  port_->cancelRead();
  {
    std::unique_lock<std::mutex> hold(stoppedMutex_);
    stoppedSignal_.wait_for(hold, kStopWait, [this] { return stopped_; });
  }
  // The reader ends promptly once woken (its only other waits are short
  // lock and file operations); joining means no two readers ever share the
  // monitor's state.
  reader_.join();
}

bool GpsMonitor::takeUpdate() {
  Lock hold(locks_.gps);
  return std::exchange(dataUpdated_, false);
}

void GpsMonitor::announceUpdate() {
  texts_.takeSnapshot();
  Lock hold(locks_.gps);
  dataUpdated_ = true;
  if (wakeUp_) wakeUp_();
}

void GpsMonitor::readerLoop(std::string device, int baud) {
  LineAssembler lines;
  std::array<char, kReadSize> bytes{};
  lastHeard_ = now_();
  auto nextReopen = lastHeard_;
  while (!stopRequested_) {
    auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(lastHeard_ + kQuietPeriod - now_());
    wait = std::clamp(wait, std::chrono::milliseconds{1}, kReadWait);
    if (!port_->isOpen()) wait = std::min(wait, kReopenInterval);
    const SerialPort::ReadResult got = port_->read(bytes, wait);
    if (stopRequested_) break;
    if (got.status == SerialPort::ReadStatus::Failed) {
      // The device is gone (a receiver unplugged): keep trying it again.
      port_->close();
      lines.clear();
      nextReopen = now_() + kReopenInterval;
    }
    if (!port_->isOpen() && now_() >= nextReopen) {
      port_->open(device, baud);
      nextReopen = now_() + kReopenInterval;
    }
    quietCheck(now_());
    if (got.status != SerialPort::ReadStatus::Data || got.count == 0) continue;
    lines.append(std::string_view(bytes.data(), got.count));
    while (const auto line = lines.nextLine()) handleLine(*line);
  }
  port_->close();
  {
    std::lock_guard<std::mutex> hold(stoppedMutex_);
    stopped_ = true;
  }
  stoppedSignal_.notify_all();
}

void GpsMonitor::quietCheck(std::chrono::steady_clock::time_point now) {
  if (now - lastHeard_ <= kQuietPeriod) return;
  lastHeard_ = now;
  texts_.setReceived(false);
  announceUpdate();
}

void GpsMonitor::handleLine(std::string_view line) {
  // A sentence begins at its "$": one glued to the tail of noise is still read.
  if (const std::size_t dollar = line.rfind('$'); dollar != std::string_view::npos) line.remove_prefix(dollar);
  const NmeaLineKind kind = classifyNmeaLine(line);
  if (kind == NmeaLineKind::Other) return;
  texts_.setReceived(true);
  lastHeard_ = now_();
  if (kind != NmeaLineKind::Fix) return;
  if (!fixes_.process(line)) texts_.set(GpsTextSet::kFixDate, notices_.refused);
  announceUpdate();
}

}  // namespace z5
