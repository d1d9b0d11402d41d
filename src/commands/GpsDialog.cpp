#include "commands/GpsDialog.h"

namespace z5 {

void GpsDialog::refresh(GpsMonitor& gps, const SettingsRecord& settings) {
  GpsTextSet& set = gps.texts();
  texts_.clear();
  {
    Lock hold(gps.locks().text);
    set.refreshDialog();
    for (const FixControl& c : kFixControls) texts_.push_back({c.control, set.dialog(c.text)});
    receivedChecked_ = set.dialogReceived();
  }
  for (const MainControl& c : kMainControls) texts_.push_back({c.control, set.main().*c.text});
  Lock hold(gps.locks().unit);
  unitChecked_ = settings.GPS_SMG_CMG != 0;
}

std::string GpsDialog::text(int control) const {
  for (const ControlText& t : texts_) {
    if (t.control == control) return t.text;
  }
  return {};
}

}  // namespace z5
