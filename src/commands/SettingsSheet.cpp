#include "commands/SettingsSheet.h"

#include <algorithm>

#include "base/SettingsKeys.h"
#include "base/TextUtil.h"
#include "commands/CommandHelpers.h"
#include "commands/CommandTable.h"

namespace z5 {
namespace {

const SheetPage& pageOf(SettingsSheet::Page page) { return settingsSheetPages()[page]; }

template <class Row>
const Row* findControl(std::span<const Row> rows, int control) {
  const auto found = std::find_if(rows.begin(), rows.end(), [control](const Row& r) { return r.control == control; });
  return found == rows.end() ? nullptr : &*found;
}

// The lengths the settings key of a label text takes.
const TextKey& textKeyOf(std::string SettingsRecord::*field) {
  for (const SettingsKey& key : kSettingsKeys) {
    const TextKey* text = std::get_if<TextKey>(&key.kind);
    if (text && text->field == field) return *text;
  }
  static const TextKey none{field, 1, 0, false};  // takes nothing
  return none;
}

}  // namespace

SettingsSheet::SettingsSheet(CommandContext& ctx) : ctx_(ctx), boxes_(optionValues()) {
  outputFormat_ = ctx_.settings().OUTPUT_FORMAT;
  for (int p = 0; p < kPageCount; ++p) {
    const SheetPage& page = pageOf(static_cast<Page>(p));
    for (const SheetText& text : page.texts) texts_[p].push_back(text.source(ctx_));
    for (const SheetCommandCheck& box : page.commandChecks) commandBoxes_[p].push_back(box.source(ctx_) ? 1 : 0);
  }
}

int SettingsSheet::optionValue(int option) const {
  const SheetOption& o = settingsSheetOptions()[option];
  const bool on = ctx_.settings().*o.field == 1;
  return (o.inverted ? !on : on) ? 1 : 0;
}

std::vector<int> SettingsSheet::optionValues() const {
  std::vector<int> values;
  for (std::size_t i = 0; i < settingsSheetOptions().size(); ++i) values.push_back(optionValue(static_cast<int>(i)));
  return values;
}

void SettingsSheet::followChanges(const std::vector<int>& before) {
  const std::vector<int> now = optionValues();
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (now[i] != before[i]) boxes_[i] = now[i];
  }
}

bool SettingsSheet::checked(Page page, int control) const {
  const SheetPage& p = pageOf(page);
  if (const SheetCheck* check = findControl(p.checks, control)) return boxes_[check->option] != 0;
  if (const SheetRadio* radio = findControl(p.radios, control)) return radio->format == outputFormat_;
  if (const SheetCommandCheck* box = findControl(p.commandChecks, control))
    return commandBoxes_[page][box - p.commandChecks.data()] != 0;
  return false;
}

void SettingsSheet::setChecked(Page page, int control, bool checked) {
  const SheetPage& p = pageOf(page);
  if (const SheetCheck* check = findControl(p.checks, control)) {
    const int value = checked ? 1 : 0;
    if (boxes_[check->option] == value) return;
    boxes_[check->option] = value;
    modified_[page] = true;
  } else if (const SheetRadio* radio = findControl(p.radios, control)) {
    if (!checked || radio->format == outputFormat_) return;
    outputFormat_ = radio->format;
    modified_[page] = true;
  } else if (const SheetCommandCheck* box = findControl(p.commandChecks, control)) {
    runAndShow(page, box->command);
  }
}

const SheetText* SettingsSheet::findText(Page page, int control) const {
  return findControl(pageOf(page).texts, control);
}

std::string SettingsSheet::text(Page page, int control) const {
  const SheetText* t = findText(page, control);
  if (t == nullptr) return {};
  return texts_[page][t - pageOf(page).texts.data()];
}

void SettingsSheet::setText(Page page, int control, std::string_view text) {
  const SheetText* t = findText(page, control);
  if (t == nullptr || t->field == nullptr) return;
  std::string& member = texts_[page][t - pageOf(page).texts.data()];
  const std::string typed(text.substr(0, t->typingLimit));
  if (typed == member) return;
  member = typed;
  modified_[page] = true;
}

void SettingsSheet::refreshText(Page page, int control) {
  const SheetPage& p = pageOf(page);
  if (const SheetText* t = findText(page, control)) {
    texts_[page][t - p.texts.data()] = t->source(ctx_);
  } else if (const SheetCommandCheck* box = findControl(p.commandChecks, control)) {
    commandBoxes_[page][box - p.commandChecks.data()] = box->source(ctx_) ? 1 : 0;
  }
}

// The texts that only show results follow the state; the label texts the
// user types are left alone.
void SettingsSheet::refreshResultTexts() {
  for (int p = 0; p < kPageCount; ++p) {
    const SheetPage& page = pageOf(static_cast<Page>(p));
    for (const SheetText& t : page.texts) {
      if (t.field == nullptr) refreshText(static_cast<Page>(p), t.control);
    }
  }
}

void SettingsSheet::press(Page page, int control) {
  if (const SheetButton* button = findControl(pageOf(page).buttons, control)) runAndShow(page, button->command);
}

// A command run from the page: boxes of options it switched follow the
// settings, and the texts and boxes its buttons name show the results.
void SettingsSheet::runAndShow(Page page, int command) {
  const std::vector<int> before = optionValues();
  runCommand(ctx_, command);
  followChanges(before);
  for (const SheetButton& button : pageOf(page).buttons) {
    if (button.command != command) continue;
    for (int shown : button.shows) {
      if (shown != 0) refreshText(page, shown);
    }
  }
}

void SettingsSheet::toggle(int option) {
  const SheetOption& o = settingsSheetOptions()[option];
  const std::vector<int> before = optionValues();
  if (o.toggle != nullptr) {
    o.toggle(ctx_);
  } else {
    cmd::toggleWithMessage(ctx_, ctx_.settings().*o.field, o.label);
  }
  followChanges(before);
}

void SettingsSheet::applyPage(Page page) {
  const SheetPage& p = pageOf(page);
  if (!p.radios.empty()) ctx_.settings().OUTPUT_FORMAT = outputFormat_;
  for (const SheetCheck& check : p.checks) {
    if (boxes_[check.option] != optionValue(check.option)) toggle(check.option);
  }
  for (std::size_t i = 0; i < p.texts.size(); ++i) {
    const SheetText& t = p.texts[i];
    if (t.field == nullptr) continue;
    const TextKey& key = textKeyOf(t.field);
    const std::string value = key.trimmed ? trim(texts_[page][i]) : texts_[page][i];
    if (value.size() >= key.minimum && value.size() <= key.maximum) ctx_.settings().*t.field = value;
  }
  modified_[page] = false;
}

void SettingsSheet::apply() {
  for (int p = 0; p < kPageCount; ++p) applyPage(static_cast<Page>(p));
  refreshResultTexts();
}

}  // namespace z5
