// Builds and reads the chart catalogue "chart.dat".
//
//   chart_catalogue build CHARTS.csv chart.dat    text -> catalogue
//   chart_catalogue dump chart.dat [CHARTS.csv]   catalogue -> text (standard output without a name)
//   chart_catalogue demo CHARTS.csv               the demonstration catalogue's text
//   chart_catalogue synthetic COUNT chart.dat [SEED]
//                                                 COUNT random charts, for measuring the search
//
// The text has one chart per line: number,carried,title,scale,south,north,
// longitude1,longitude2 with positions as in a route file (see
// charts/ChartCatalogueCsv.h). A text with any bad line builds nothing; every
// problem is listed with its line number. Every file is written to a
// temporary file first and renamed, so an existing one is never left half written.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <fmt/printf.h>

#include "base/AtomicFile.h"
#include "base/NumberReading.h"
#include "charts/ChartCatalogueCsv.h"
#include "charts/ChartCatalogueFile.h"
#include "geo/ArcUnits.h"

namespace {

using z5::ChartRecord;

using z5::kSecondsPerDegree;

// The demonstration catalogue: invented charts, numbered in the block 90000..90999.
constexpr int kGeneralFirstNumber = 90001;   // 1:10,000,000, 40 x 60 degrees, 80S..80N
constexpr int kOceanFirstNumber = 90101;     // 1:3,500,000, 15 x 20 degrees, 75S..75N
constexpr int kGeneralScale = 10000000;
constexpr int kOceanScale = 3500000;
constexpr char kDemoMark = 'D';

int usage() {
  std::cerr << "usage: chart_catalogue build CHARTS.csv chart.dat\n"
               "       chart_catalogue dump chart.dat [CHARTS.csv]\n"
               "       chart_catalogue demo CHARTS.csv\n"
               "       chart_catalogue synthetic COUNT chart.dat [SEED]\n";
  return 2;
}

bool readWhole(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return true;
}

// Writes the whole text through a temporary file renamed over `path`; says
// why when it cannot.
template <class Write>
bool writeReplacing(const std::string& path, Write write) {
  std::ostringstream text;
  if (!write(text)) {
    std::cerr << path << ": cannot be encoded\n";
    return false;
  }
  const z5::FileWriteResult written = z5::writeFileAtomically(path, text.str());
  if (!written) std::cerr << written.message(path) << '\n';
  return written.written;
}

int build(const std::string& csvPath, const std::string& datPath) {
  std::string text;
  if (!readWhole(csvPath, text)) {
    std::cerr << csvPath << ": cannot be read\n";
    return 1;
  }
  const z5::ChartCsv csv = z5::readChartCsv(text);
  for (const z5::ChartCsvProblem& p : csv.problems) std::cerr << csvPath << ':' << p.line << ": " << p.message << '\n';
  if (!csv.problems.empty()) {
    std::cerr << datPath << ": not written\n";
    return 1;
  }
  if (!writeReplacing(datPath, [&](std::ostream& out) { return z5::writeChartCatalogue(out, csv.records); })) return 1;
  std::cerr << datPath << ": " << csv.records.size() << " charts\n";
  return 0;
}

int dump(const std::string& datPath, const std::string& csvPath) {
  std::ifstream in(datPath, std::ios::binary);
  if (!in) {
    std::cerr << datPath << ": cannot be read\n";
    return 1;
  }
  z5::ChartCatalogueReader reader(in);
  std::int32_t magic = 0;
  if (!reader.readHeader(magic)) {
    if (reader.cutShort()) {
      std::cerr << reader.cutShortMessage(datPath) << "\n";
    } else {
      std::cerr << fmt::sprintf("%s: not a chart catalogue (magic number %d, expected %d)\n", datPath, magic,
                                z5::kChartCatalogueMagic);
    }
    return 1;
  }
  std::vector<ChartRecord> records;
  for (auto* block = &reader.nextBlock(); !block->empty(); block = &reader.nextBlock()) {
    records.insert(records.end(), block->begin(), block->end());
  }
  if (reader.cutShort()) {
    std::cerr << reader.cutShortMessage(datPath) << "\n";
    return 1;
  }
  const std::string text = z5::writeChartCsv(records);
  if (csvPath.empty()) {
    std::cout << text;
    return std::cout ? 0 : 1;
  }
  if (!writeReplacing(csvPath, [&](std::ostream& out) { return static_cast<bool>(out << text); })) return 1;
  return 0;
}

std::string latitudeText(int degrees) { return fmt::sprintf("%02d%c", std::abs(degrees), degrees < 0 ? 'S' : 'N'); }
std::string longitudeText(int degrees) {
  return fmt::sprintf("%03d%c", std::abs(degrees), degrees < 0 ? 'W' : 'E');
}

// Tiles of `height` x `width` degrees from `south` to `north` around the world.
void addTiles(std::vector<ChartRecord>& records, int firstNumber, int scale, const char* scaleText, int south,
              int north, int height, int width) {
  int number = firstNumber;
  for (int s = south; s < north; s += height) {
    for (int w = -180; w < 180; w += width) {
      ChartRecord r;
      r.number = number++;
      r.carried = kDemoMark;
      r.setTitle(fmt::sprintf("DEMO %s %s-%s %s-%s", scaleText, latitudeText(s), latitudeText(s + height),
                              longitudeText(w), longitudeText(w + width)));
      r.scale = scale;
      r.south = s * kSecondsPerDegree;
      r.north = (s + height) * kSecondsPerDegree;
      r.longitude1 = w * kSecondsPerDegree;
      r.longitude2 = (w + width) * kSecondsPerDegree;
      records.push_back(r);
    }
  }
}

int demo(const std::string& csvPath) {
  std::vector<ChartRecord> records;
  addTiles(records, kGeneralFirstNumber, kGeneralScale, "1:10M", -80, 80, 40, 60);
  addTiles(records, kOceanFirstNumber, kOceanScale, "1:3.5M", -75, 75, 15, 20);
  const std::string heading =
      "# DEMONSTRATION CHART CATALOGUE - NOT FOR NAVIGATION.\n"
      "# Invented charts that tile the world, numbered 90001-90999:\n"
      "#   90001-90024  1:10,000,000, 40 x 60 degrees from 80S to 80N\n"
      "#   90101-90280  1:3,500,000, 15 x 20 degrees from 75S to 75N\n"
      "# Written by: chart_catalogue demo; build chart.dat with: chart_catalogue build\n";
  const std::string text = heading + z5::writeChartCsv(records);
  if (!writeReplacing(csvPath, [&](std::ostream& out) { return static_cast<bool>(out << text); })) return 1;
  return 0;
}

// Random charts of every scale from harbour plans to ocean charts: their size
// grows with the scale, as real charts' do.
int synthetic(const std::string& countText, const std::string& datPath, const std::string& seedText) {
  const auto count = z5::integerOnly<long>(countText, z5::Sign::None);
  const auto seed = seedText.empty() ? 1u : z5::integerOnly<unsigned>(seedText, z5::Sign::None);
  if (!count || !seed) return usage();
  std::mt19937 random(*seed);
  const int scales[] = {12500, 25000, 50000, 80000, 150000, 300000, 600000, 1000000, 3500000, 10000000};
  std::uniform_int_distribution<int> pickScale(0, 9);
  std::uniform_int_distribution<int> latitude(-80 * kSecondsPerDegree, 80 * kSecondsPerDegree);
  std::uniform_int_distribution<int> longitude(-180 * kSecondsPerDegree, 180 * kSecondsPerDegree - 1);
  std::vector<ChartRecord> records;
  records.reserve(static_cast<std::size_t>(*count));
  for (long i = 0; i < *count; ++i) {
    ChartRecord r;
    r.number = static_cast<int>(i + 1);
    r.scale = scales[pickScale(random)];
    // About 1 degree of latitude at 1:1,000,000.
    const int height = std::max(60, static_cast<int>(static_cast<long long>(r.scale) * 36 / 10000));
    r.south = std::min(latitude(random), 80 * kSecondsPerDegree - height);
    r.north = r.south + height;
    r.longitude1 = longitude(random);
    r.longitude2 = r.longitude1 + height * 3 / 2;
    if (r.longitude2 > 180 * kSecondsPerDegree) r.longitude2 -= 360 * kSecondsPerDegree;
    r.setTitle(fmt::sprintf("SYNTHETIC %d 1:%d", r.number, r.scale));
    records.push_back(r);
  }
  if (!writeReplacing(datPath, [&](std::ostream& out) { return z5::writeChartCatalogue(out, records); })) return 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "build") return build(args[1], args[2]);
  if ((args.size() == 2 || args.size() == 3) && args[0] == "dump") return dump(args[1], args.size() == 3 ? args[2] : "");
  if (args.size() == 2 && args[0] == "demo") return demo(args[1]);
  if ((args.size() == 3 || args.size() == 4) && args[0] == "synthetic") {
    return synthetic(args[1], args[2], args.size() == 4 ? args[3] : "");
  }
  return usage();
}
