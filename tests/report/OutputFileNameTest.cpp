// The output file of a route: its extension replaced by "out".

#include "report/OutputFileName.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

struct NameCase {
  const char* legend;  // the fault the row would catch
  const char* route;
  const char* output;
};

TEST(OutputFileName, ReplacesTheExtensionOfTheFileNameOnly) {
  const NameCase cases[] = {
      {"extension not replaced", "ATLANTIC.TXT", "ATLANTIC.out"},
      {"directory lost or extension kept", "/home/mate/routes/ATLANTIC.TXT", "/home/mate/routes/ATLANTIC.out"},
      {"Windows path: backslash not taken as a directory end", "C:\\ROUTES\\ATLANTIC.TXT", "C:\\ROUTES\\ATLANTIC.out"},
      {"name without extension not given .out", "passage", "passage.out"},
      {"leading dot taken for an extension", ".hidden", ".hidden.out"},
      {"leading dot after a directory taken for an extension", "/home/mate/.hidden", "/home/mate/.hidden.out"},
      {"dot in a directory name taken for the extension", "/home/mate/v1.2/passage", "/home/mate/v1.2/passage.out"},
      {"dot in a Windows directory name taken for the extension", "C:\\V1.2\\passage", "C:\\V1.2\\passage.out"},
      {"not the last dot replaced", "atlantic.2002.txt", "atlantic.2002.out"},
      {"trailing dot doubled", "passage.", "passage.out"},
  };
  for (const NameCase& c : cases) EXPECT_EQ(outputFileName(c.route), c.output) << c.legend;
}

TEST(OutputFileName, OutputDocumentsAreKnownByTheirEndingInAnyCase) {
  EXPECT_TRUE(isOutputFileName("ROUTE.OUT"));
  EXPECT_TRUE(isOutputFileName("/x/route.out"));
  EXPECT_TRUE(isOutputFileName("route.Out"));
  EXPECT_FALSE(isOutputFileName("route.outx"));
  EXPECT_FALSE(isOutputFileName("routeout"));
  EXPECT_FALSE(isOutputFileName("out"));
  EXPECT_TRUE(isOutputFileName("route.gpx")) << "a GPX output taken for a route";
  EXPECT_TRUE(isOutputFileName("ROUTE.GPX"));
  EXPECT_FALSE(isOutputFileName("route.gpxx"));
}

}  // namespace
}  // namespace z5
