// The desktop program's start-up: the whole process, from its start to the
// main window's first painting with the sample route extracted and its
// waypoints listed, and the memory the process held (its peak resident
// size). It needs a display: `make bench` runs it under a private Xvfb.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr double kKilobytesPerMegabyte = 1024.0;

// One run of `z5` on the built home directory and a profile of its own;
// false when it did not end well.
bool runUntilFirstPaint(const std::string& profile, long& peakKilobytes) {
  const pid_t child = fork();
  if (child == 0) {
    setenv("Z5_QUIT_AFTER_FIRST_PAINT", "1", 1);
    execl(Z5_PROGRAM, "z5", "--home", Z5_BINARY_DIR, "--settings", profile.c_str(), "README.TXT",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return false;
  peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void StartUpToFirstPaint(benchmark::State& state) {
  if (std::getenv("DISPLAY") == nullptr) {
    state.SkipWithError("no display: run it under tests/support/with_xvfb.sh (make bench does)");
    return;
  }
  const std::string profile = (std::filesystem::temp_directory_path() / "z5-bench-startup.ini").string();
  long peakKilobytes = 0;
  // The first start stores the home directory; the runs measured are later starts.
  if (!runUntilFirstPaint(profile, peakKilobytes)) {
    state.SkipWithError("z5 did not start");
    return;
  }
  for (auto _ : state) {
    const auto started = std::chrono::steady_clock::now();
    if (!runUntilFirstPaint(profile, peakKilobytes)) {
      state.SkipWithError("z5 did not start");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
  }
  state.counters["peak_MB"] = static_cast<double>(peakKilobytes) / kKilobytesPerMegabyte;
  std::filesystem::remove(profile);
}

BENCHMARK(StartUpToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
    ->ReportAggregatesOnly(true);

}  // namespace
