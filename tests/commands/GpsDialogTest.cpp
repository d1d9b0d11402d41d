// The GPS dialog model: what the reader left in the snapshot reaches the
// controls, and what it writes after the snapshot does not.

#include "commands/GpsDialog.h"

#include <gtest/gtest.h>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "base/Messages.h"
#include "base/StringTable.h"

namespace z5 {
namespace {

struct GpsDialogModel : ::testing::Test {
  test::ScriptedHost host;
  StringTable strings;
  Messages messages{host, strings};
  SettingsRecord settings;
  Voyage voyage;
  MapViewState mapView;
  test::FixedClock clock;
  GpsMonitor gps{settings, messages, voyage, mapView, clock};
  GpsDialog dialog;
};

TEST_F(GpsDialogModel, ControlsShowTheSnapshotNotWhatTheReaderWroteSince) {
  GpsTextSet& texts = gps.texts();
  for (int t = 0; t < GpsTextSet::kTextCount; ++t) texts.set(static_cast<GpsTextSet::Text>(t), "snap" + std::to_string(t));
  texts.setReceived(true);
  texts.takeSnapshot();
  texts.set(GpsTextSet::kLatitude, "newer");
  texts.setReceived(false);
  dialog.refresh(gps, settings);
  for (const GpsDialog::FixControl& c : GpsDialog::kFixControls)
    EXPECT_EQ(dialog.text(c.control), "snap" + std::to_string(c.text)) << c.control;
  EXPECT_TRUE(dialog.receivedChecked());
}

}  // namespace
}  // namespace z5
