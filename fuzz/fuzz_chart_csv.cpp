// The chart catalogue text on arbitrary input: every record it accepts must
// write out and read back to the same record.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "charts/ChartCatalogueCsv.h"
#include "charts/ChartCatalogueFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const z5::ChartCsv csv = z5::readChartCsv(text);
  z5::parseChartPosition(text, true);
  const z5::ChartCsv again = z5::readChartCsv(z5::writeChartCsv(csv.records));
  if (!again.problems.empty() || again.records.size() != csv.records.size()) __builtin_trap();
  std::ostringstream first, second;
  z5::writeChartCatalogue(first, csv.records);
  z5::writeChartCatalogue(second, again.records);
  if (first.str() != second.str()) __builtin_trap();
  return 0;
}
