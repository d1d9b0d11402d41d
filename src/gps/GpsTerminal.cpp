#include "gps/GpsTerminal.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include <fmt/format.h>

namespace z5 {

std::string gpsDisplayText(const GpsTextSet& texts, const std::string& receivedLabel) {
  using T = GpsTextSet;
  auto d = [&](T::Text t) -> const std::string& { return texts.dialog(t); };
  const auto& main = texts.main();
  std::string out = fmt::format("UTC {}  {}  {} {}\n", d(T::kUtcTime), d(T::kFixDate), receivedLabel,
                                texts.dialogReceived() ? "yes" : "no");
  out += fmt::format("Latitude {}  Longitude {}  SMG {}  CMG {}\n", d(T::kLatitude), d(T::kLongitude), d(T::kSmg),
                     d(T::kCmg));
  if (main.gotoNumber.empty()) return out;
  out += fmt::format("Goto {} {}  WP Lat {}  WP Lon {}\n", main.gotoNumber, main.gotoName, main.gotoLatitude,
                     main.gotoLongitude);
  auto row = [&](const char* name, T::Text brg, T::Text xte, T::Text dist, T::Text vtwp, T::Text ttg, T::Text eta) {
    return fmt::format("{}  BRG {}  XTE {}  Distance {}  VTWP {}  TTG {}  ETA {}\n", name, d(brg), d(xte), d(dist),
                       d(vtwp), d(ttg), d(eta));
  };
  out += row("RL", T::kRlBearing, T::kRlXte, T::kRlDistance, T::kRlVtwp, T::kRlTtg, T::kRlEta);
  out += row("GC", T::kGcBearing, T::kGcXte, T::kGcDistance, T::kGcVtwp, T::kGcTtg, T::kGcEta);
  return out;
}

void runGpsTerminal(GpsMonitor& monitor, std::FILE* out, const std::atomic<bool>& stop) {
  std::mutex mutex;
  std::condition_variable woken;
  bool pending = false;
  monitor.setWakeUp([&] {
    std::lock_guard<std::mutex> hold(mutex);
    pending = true;
    woken.notify_one();
  });
  while (!stop) {
    {
      std::unique_lock<std::mutex> hold(mutex);
      woken.wait_for(hold, std::chrono::milliseconds(kStopPollMilliseconds), [&] { return pending; });
      pending = false;
    }
    if (!monitor.takeUpdate()) continue;
    monitor.refreshDialog();
    std::fputs(gpsDisplayText(monitor.texts(), "Rx?").c_str(), out);
    std::fputc('\n', out);
    std::fflush(out);
  }
  monitor.stop();
  monitor.setWakeUp(nullptr);
}

}  // namespace z5
