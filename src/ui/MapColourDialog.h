#pragma once
// "Z5 Map Color Selection": the screen and the printer palettes side by
// side, each slot a square of its colour and its name. Double-clicking a
// slot (or Enter, or "&Change...") opens the standard colour dialog preset
// to that colour and the user's custom colours; the chosen colour replaces
// the slot. OK hands both palettes back; the custom colours are kept
// however the dialog ends.

#include <QDialog>

#include "base/SettingsRecord.h"

class QListWidget;
class QListWidgetItem;

namespace z5 {

class StringTable;

class MapColourDialog final : public QDialog {
  Q_OBJECT
 public:
  MapColourDialog(QWidget* parent, const SettingsRecord& settings, const StringTable& strings);

  const Palette& screenPalette() const { return screen_; }
  const Palette& printerPalette() const { return printer_; }
  const std::array<Rgb, kCustomColourCount>& customColours() const { return custom_; }
  QListWidget* screenList() const { return screenList_; }
  QListWidget* printerList() const { return printerList_; }

  // Gives slot `row` of `list` the colour `colour` (what choosing it in the
  // colour dialog does).
  void setSlot(QListWidget* list, int row, Rgb colour);

  static constexpr const char* kTitle = "Z5 Map Color Selection";

 private:
  QWidget* makeColumn(const char* heading, Palette& palette, QListWidget*& list, const StringTable& strings);
  void chooseColour(QListWidget* list, QListWidgetItem* item);
  Palette& paletteOf(const QListWidget* list);

  Palette screen_;
  Palette printer_;
  std::array<Rgb, kCustomColourCount> custom_;
  QListWidget* screenList_ = nullptr;
  QListWidget* printerList_ = nullptr;
};

// Runs the dialog on the settings' palettes; true on OK (the palettes are
// then the settings'). The names of the slots come from `strings`, or
// their built-in texts.
bool runColourDialog(QWidget* parent, SettingsRecord& settings, const StringTable& strings);
bool runColourDialog(QWidget* parent, SettingsRecord& settings);

}  // namespace z5
