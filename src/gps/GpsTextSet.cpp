#include "gps/GpsTextSet.h"

namespace z5 {

using TextLock = std::lock_guard<std::recursive_mutex>;

void GpsTextSet::set(Text text, std::string_view value) {
  TextLock hold(lock_);
  fix_.texts[text].assign(value);
}

void GpsTextSet::setReceived(bool received) {
  TextLock hold(lock_);
  fix_.received = received;
}

void GpsTextSet::setNavigation(const std::array<std::string, 12>& navigation) {
  TextLock hold(lock_);
  for (std::size_t i = 0; i < navigation.size(); ++i) fix_.texts[kFirstNavigationText + i] = navigation[i];
}

void GpsTextSet::clearNavigation() {
  TextLock hold(lock_);
  for (int i = kFirstNavigationText; i < kTextCount; ++i) {
    fix_.texts[i].clear();
    snapshot_.texts[i].clear();
  }
}

void GpsTextSet::takeSnapshot() {
  TextLock hold(lock_);
  snapshot_ = fix_;
}

void GpsTextSet::refreshDialog() {
  TextLock hold(lock_);
  dialog_ = snapshot_;
}

void GpsTextSet::clearAll() {
  TextLock hold(lock_);
  fix_ = snapshot_ = dialog_ = Copy{};
  main_ = MainTexts{};
}

std::string GpsTextSet::fix(Text text) const {
  TextLock hold(lock_);
  return fix_.texts[text];
}

std::string GpsTextSet::snapshot(Text text) const {
  TextLock hold(lock_);
  return snapshot_.texts[text];
}

bool GpsTextSet::received() const {
  TextLock hold(lock_);
  return fix_.received;
}

}  // namespace z5
