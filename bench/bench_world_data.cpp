// DrawLineFiles (land, rivers and boundaries) into a surface that only
// counts, for the whole world and for a 2-degree view in the English
// Channel: at the shipped resolution (data/) and at any other home folder
// named by Z5_WORLD_DATA (e.g. one built with `make worlddata RES=f
// WORLD_OUT=/tmp/world_f`).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "base/Host.h"
#include "base/Messages.h"
#include "base/StringTable.h"
#include "map/DrawLineFiles.h"
#include "nav/ComputeMapExtent.h"

namespace {

using namespace z5;

class QuietHost final : public Host {
 public:
  void messageTextChanged(const std::string&, std::string_view) override {}
  void showMessageWindow() override {}
  void hideMessageWindow() override {}
  bool mainWindowMinimised() const override { return false; }
  bool popupShowing() const override { return false; }
  void closePopups() override {}
  void showTimedPopup(const std::string&, int) override { ++messages; }
  void showNoticePopup(const std::string&, int) override {}
  PromptEnding runPrompt(const std::string&, std::string&) override { return PromptEnding::Cancel; }
  Confirmation confirm(const std::string&) override { return Confirmation::Abort; }
  void wait(int) override {}
  int messages = 0;
};

class CountingSurface final : public Surface {
 public:
  int width() const override { return 1024; }
  int height() const override { return 768; }
  bool printing() const override { return false; }
  void setColourTable(const Rgb*, int) override {}
  void selectPen(int) override {}
  void selectPenColour(Rgb) override {}
  void setTextColour(int) override {}
  void setTextColourRgb(Rgb) override {}
  void fillBackground(Rgb) override {}
  void setPixel(int, int) override { ++pixels; }
  void moveTo(int, int) override {}
  void lineTo(int, int) override { ++lines; }
  void textOut(int, int, std::string_view) override {}
  int textWidth(std::string_view) override { return 0; }
  int textHeight(std::string_view) override { return 0; }
  void circle(int, int, int) override {}
  long pixels = 0, lines = 0;
};

MapExtent view(double lat, double lon, double span) {
  MapExtentRequest r;
  r.viewPoint = true;
  r.viewLatitude = lat;
  r.viewLongitude = lon;
  r.degreeSpan = span;
  r.width = 1024;
  r.height = 768;
  return ComputeMapExtent(Voyage{}, r);
}

void drawLines(benchmark::State& state, const std::string& home, const MapExtent& extent) {
  StringTable strings;
  QuietHost host;
  Messages messages(host, strings);
  CountingSurface surface;
  for (auto _ : state) {
    const int result = DrawLineFiles(surface, messages, home, extent, {true, true, true});
    benchmark::DoNotOptimize(result);
  }
  if (host.messages > 0) state.SkipWithError(("no world data in " + home).c_str());
  state.counters["lines"] = benchmark::Counter(static_cast<double>(surface.lines) / state.iterations());
}

std::string otherHome() {
  const char* dir = std::getenv("Z5_WORLD_DATA");
  return dir ? std::string(dir) + "/" : std::string("/tmp/world_f/");
}

void ShippedWholeWorld(benchmark::State& s) { drawLines(s, std::string(Z5_DATA_DIR) + "/", view(0, 0, 150)); }
void ShippedTwoDegrees(benchmark::State& s) { drawLines(s, std::string(Z5_DATA_DIR) + "/", view(50, -1, 2)); }
void OtherWholeWorld(benchmark::State& s) { drawLines(s, otherHome(), view(0, 0, 150)); }
void OtherTwoDegrees(benchmark::State& s) { drawLines(s, otherHome(), view(50, -1, 2)); }

BENCHMARK(ShippedWholeWorld)->Unit(benchmark::kMillisecond);
BENCHMARK(ShippedTwoDegrees)->Unit(benchmark::kMillisecond);
BENCHMARK(OtherWholeWorld)->Unit(benchmark::kMillisecond);
BENCHMARK(OtherTwoDegrees)->Unit(benchmark::kMillisecond);

}  // namespace
