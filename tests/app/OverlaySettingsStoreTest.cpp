// Values given for one run lie over the profile and never reach it.

#include "app/OverlaySettingsStore.h"

#include <gtest/gtest.h>

namespace z5 {
namespace {

TEST(OverlaySettingsStore, OverriddenValuesAreReadAndValidatedLikeStoredOnes) {
  MemorySettingsStore base;
  base.writeInt("S", "ROUNDING", 5);
  OverlaySettingsStore overlay(base, true);
  overlay.set("S", "ROUNDING", "15");
  overlay.set("S", "SEPARATOR_CHAR", "semicolon");
  EXPECT_EQ(overlay.readInt("S", "ROUNDING"), 15);
  EXPECT_FALSE(overlay.readInt("S", "SEPARATOR_CHAR").has_value());  // not a number: ignored as stored junk is
}

TEST(OverlaySettingsStore, OverriddenValuesAreNeverWrittenThrough) {
  MemorySettingsStore base;
  OverlaySettingsStore overlay(base, true);
  overlay.set("S", "ROUNDING", "15");
  EXPECT_TRUE(overlay.writeInt("S", "ROUNDING", 15));
  EXPECT_TRUE(overlay.writeInt("S", "GRID", 0));
  EXPECT_FALSE(base.contains("S", "ROUNDING"));
  EXPECT_EQ(base.readInt("S", "GRID"), 0);
}

TEST(OverlaySettingsStore, WithWritesDisabledWhatIsWrittenLastsForTheRunOnly) {
  MemorySettingsStore base;
  OverlaySettingsStore overlay(base, false);
  EXPECT_TRUE(overlay.writeText("S", "HOME_PATH", "/opt/z5/"));
  EXPECT_EQ(overlay.readText("S", "HOME_PATH"), "/opt/z5/");
  EXPECT_EQ(base.writeCount(), 0);
}

}  // namespace
}  // namespace z5
