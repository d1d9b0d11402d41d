#pragma once
// A small modal dialog that asks for one whole number within bounds: the
// "Goto Line" and "Set Tab Stops" dialogs. The answer is read locale-free;
// one out of bounds or not a number is refused in the dialog, which stays
// open.

#include <optional>

#include <QDialog>

class QLabel;
class QLineEdit;

namespace z5 {

class NumberDialog : public QDialog {
  Q_OBJECT

 public:
  NumberDialog(QWidget* parent, const QString& title, const QString& label, int value, int minimum, int maximum);

  // The number accepted, nullopt while none is.
  std::optional<int> value() const { return value_; }

  void accept() override;

 private:
  QLineEdit* field_;
  QLabel* problem_;
  int minimum_;
  int maximum_;
  std::optional<int> value_;
};

// Runs the dialog; the number, or nullopt when cancelled.
std::optional<int> askNumber(QWidget* parent, const QString& title, const QString& label, int value, int minimum,
                             int maximum);

}  // namespace z5
