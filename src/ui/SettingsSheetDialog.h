#pragma once
// The "Z5 Settings" property sheet: a tab per page of the SettingsSheet
// model, in its order, with every check box, radio button, button and text
// of the page; OK, Cancel and Apply. Every change goes to the model and
// the controls then show what the model holds.

#include <array>

#include <QDialog>
#include <QHash>

#include "commands/SettingsSheet.h"

class QAbstractButton;
class QGridLayout;
class QPushButton;
class QTabWidget;

namespace z5 {

class SettingsSheetDialog final : public QDialog {
  Q_OBJECT
 public:
  SettingsSheetDialog(QWidget* parent, SettingsSheet& sheet);

  QTabWidget* tabs() const { return tabs_; }
  // The check box, radio button or button `control` of a page, or null.
  QAbstractButton* button(SettingsSheet::Page page, int control) const;
  // The text `control` of a page (a QLineEdit or a QPlainTextEdit), or null.
  QWidget* text(SettingsSheet::Page page, int control) const;
  QPushButton* applyButton() const { return apply_; }

  static constexpr const char* kTitle = "Z5 Settings";

 private:
  struct PageControls {
    QHash<int, QAbstractButton*> boxes;    // check boxes, radios, command boxes
    QHash<int, QAbstractButton*> buttons;  // command buttons
    QHash<int, QWidget*> texts;
  };

  QWidget* makePage(SettingsSheet::Page page);
  void addRadios(SettingsSheet::Page page, QGridLayout* grid, int& row);
  void addChecks(SettingsSheet::Page page, QGridLayout* grid, int& row);
  void addButtons(SettingsSheet::Page page, QGridLayout* grid, int& row);
  QWidget* makeText(SettingsSheet::Page page, const SheetText& text, QWidget* parent);
  void showModel();
  void apply();

  SettingsSheet& sheet_;
  QTabWidget* tabs_;
  QPushButton* apply_ = nullptr;
  std::array<PageControls, SettingsSheet::kPageCount> pages_;
};

// Runs the sheet modally over `parent`.
void runSettingsSheetDialog(QWidget* parent, SettingsSheet& sheet);

}  // namespace z5
