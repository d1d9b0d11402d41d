#include "editor/PageSetup.h"

namespace z5 {
namespace {

int timeChoice(const std::optional<int>& stored) {
  return stored == kSystemTime ? kSystemTime : kFileTime;
}

}  // namespace

void PageSetupProfile::load(const SettingsStore& store) {
  values_ = PageSetup{};
  if (auto header = store.readText(PageSetup::kSection, "Header")) values_.Header = std::move(*header);
  if (auto footer = store.readText(PageSetup::kSection, "Footer")) values_.Footer = std::move(*footer);
  values_.HeaderTime = timeChoice(store.readInt(PageSetup::kSection, "HeaderTime"));
  values_.FooterTime = timeChoice(store.readInt(PageSetup::kSection, "FooterTime"));
  loaded_ = values_;
}

bool PageSetupProfile::save(SettingsStore& store) {
  bool written = true;
  if (values_.Header != loaded_.Header) written &= store.writeText(PageSetup::kSection, "Header", values_.Header);
  if (values_.Footer != loaded_.Footer) written &= store.writeText(PageSetup::kSection, "Footer", values_.Footer);
  if (values_.HeaderTime != loaded_.HeaderTime) {
    written &= store.writeInt(PageSetup::kSection, "HeaderTime", values_.HeaderTime);
  }
  if (values_.FooterTime != loaded_.FooterTime) {
    written &= store.writeInt(PageSetup::kSection, "FooterTime", values_.FooterTime);
  }
  if (written) loaded_ = values_;
  return written;
}

}  // namespace z5
