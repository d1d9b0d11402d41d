// The heading line of a printed map.

#include "map/MapPrintHeader.h"

#include <gtest/gtest.h>

#include "FixedClock.h"

namespace z5 {
namespace {

TEST(MapPrintHeader, TitleVersionLineAndLocalTimeInOrder) {
  const test::FixedClock clock({2002, 3, 5, 9, 7, 4, 2}, {2002, 3, 5, 14, 7, 4, 2});
  EXPECT_EQ(mapPrintHeader("Map of: /routes/A.TXT", clock),
            "Map of: /routes/A.TXT -  Z5 - Brelland - KVB - Ver 1.400  JANUARY 2002   Tue Mar  5 09:07:04 2002");
}

}  // namespace
}  // namespace z5
