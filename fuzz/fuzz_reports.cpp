// Any route text, extracted and written in all six output formats and as
// the waypoint listing: the report writer never crashes, whatever voyage
// the text gives, and writes UTF-8 (ASCII for the ship reports and the
// NMEA sentences). The first byte chooses the settings that change the
// reports, the second the to-waypoint target.

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "app/AppContexts.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/EpochClock.h"
#include "base/SettingsStore.h"
#include "base/SilentHost.h"
#include "base/Utf8Text.h"
#include "report/OutputSink.h"
#include "report/ReportContext.h"
#include "report/VoyageReport.h"
#include "report/WaypointList.h"

using z5::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  z5::SilentHost host;
  z5::MemorySettingsStore store;
  const z5::EpochClock clock(z5::fuzz::kFixedMoment);
  z5::Z5App app(host, store, clock);
  z5::SettingsRecord& s = app.settings();
  const uint8_t choice = data[0];
  s.NO_CALC_GC_OUT = choice & 1;
  s.NO_ETA_OUT = (choice >> 1) & 1;
  s.EXTRA_PRECISION = (choice >> 2) & 1;
  s.GC_PT_GCD = (choice >> 3) & 1;
  s.backwardsRouting = (choice >> 4) & 1;
  s.ROUNDING = (choice >> 5) & 1 ? 15 : 1;
  if ((choice >> 6) & 1) s.departure = {2002, 12, 31, 23, 30};
  s.NO_CALC_CHART_OUT = 0;
  s.SEPARATOR_CHAR = (choice >> 7) & 1 ? ';' : ',';
  if (data[1] < 20) {
    z5::ToWaypointState& tw = app.voyage().toWaypoint;
    tw.index = data[1];
    tw.start.name = z5::paddedWaypointName("POS");
    tw.start.latitude = 45.5;
    tw.start.longitude = -20.25;
  }

  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  z5::VoyageEngine(app).extractRoute(text, "fuzz.txt");
  for (int format = z5::kNormalOutput; format <= z5::kWaypointSentenceOutput; ++format) {
    std::ostringstream report;
    z5::OutputSink sink(report);
    const z5::ReportResult result = z5::writeVoyageReport(z5::reportContext(app), sink, format);
    check(result != z5::ReportResult::WriteFailed);
    check(result == z5::ReportResult::Written || report.str().empty());
    // Reports are UTF-8; those for peers taking ASCII are ASCII.
    const std::string text = report.str();
    check(z5::isValidUtf8(text));
    if (format == z5::kAmverOutput || format == z5::kMoverepOutput || format == z5::kWaypointSentenceOutput) {
      for (char c : text) check(static_cast<unsigned char>(c) < 0x80);
    }
  }
  std::ostringstream listing;
  z5::OutputSink sink(listing);
  check(z5::writeWaypointList(z5::reportContext(app), sink));
  return 0;
}
