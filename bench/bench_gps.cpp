// The GPS monitor on a pseudo-terminal: how long after the last byte of a
// fix sentence the main thread is woken (median and 99th percentile over a
// replayed receiver log), and how much processor time the monitor takes
// while the line is quiet.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include "PtyPair.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "base/SilentHost.h"
#include "base/StringTable.h"
#include "gps/GpsMonitor.h"

namespace {

using Steady = std::chrono::steady_clock;

// A running monitor on a fresh pseudo-terminal, counting its wake-ups.
struct Rig {
  Rig() {
    settings.HOME_PATH = "/tmp/";
    settings.GPS_PORT = pty.slaveName();
    monitor.setWakeUp([this] {
      std::lock_guard<std::mutex> hold(mutex);
      ++wakes;
      woken.notify_all();
    });
    monitor.resetState();
    monitor.toggle();
  }
  bool waitForWake(int n) {
    std::unique_lock<std::mutex> hold(mutex);
    return woken.wait_for(hold, std::chrono::seconds(5), [&] { return wakes >= n; });
  }

  z5::test::PtyPair pty;
  z5::SilentHost host;
  z5::StringTable strings;
  z5::Messages messages{host, strings};
  z5::SettingsRecord settings;
  z5::Voyage voyage;
  z5::MapViewState mapView;
  z5::SystemClock clock;
  z5::GpsMonitor monitor{settings, messages, voyage, mapView, clock};
  std::mutex mutex;
  std::condition_variable woken;
  int wakes = 0;
};

std::vector<std::string> receiverLines() {
  std::ifstream in(std::string(Z5_SOURCE_DIR) + "/tests/fixtures/nmea/bundg_zeus_9.log", std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line))
    if (!line.starts_with("#")) lines.push_back(line + "\n");
  return lines;
}

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// Each pass replays the plotter log (146 fixes among 5000 lines of other
// instruments); every fix's latency is the time from the write of its last
// byte to the wake-up call.
void FixLatency(benchmark::State& state) {
  const auto lines = receiverLines();
  Rig rig;
  if (!rig.monitor.running()) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  std::vector<double> micros;
  for (auto _ : state) {
    for (const auto& line : lines) {
      const bool fix = line.starts_with("$GPRMC");
      const int expected = rig.wakes + 1;
      rig.pty.write(line);
      if (!fix) continue;
      const auto written = Steady::now();
      if (!rig.waitForWake(expected)) {
        state.SkipWithError("a fix was not handed over");
        return;
      }
      micros.push_back(std::chrono::duration<double, std::micro>(Steady::now() - written).count());
    }
  }
  state.counters["fixes"] = static_cast<double>(micros.size());
  state.counters["median_us"] = percentile(micros, 0.5);
  state.counters["p99_us"] = percentile(micros, 0.99);
}
BENCHMARK(FixLatency)->Iterations(5)->Unit(benchmark::kMillisecond);

double processCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The monitor on a silent line for a minute of wall time (quiet checks
// every 8 s and the read waits between). The main thread only sleeps, so
// the process's processor time is the monitor's.
void QuietCpu(benchmark::State& state) {
  constexpr double kQuietSeconds = 60;
  Rig rig;
  double used = 0;
  for (auto _ : state) {
    const double before = processCpuSeconds();
    std::this_thread::sleep_for(std::chrono::duration<double>(kQuietSeconds));
    used = processCpuSeconds() - before;
  }
  state.counters["cpu_ms_per_quiet_minute"] = used * 1000;
  state.counters["quiet_wakeups"] = rig.wakes;
}
BENCHMARK(QuietCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
