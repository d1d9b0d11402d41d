#pragma once
// "Z5 Bitmap Position": the dialog of a left click on the map. It shows the
// fields of its model, hands the user's edits of the block and the span
// back to it, and after each button closes, stays open or shows the new
// fields as the model answers.

#include <QDialog>

#include "app/PositionDialog.h"

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;

namespace z5 {

class PositionDialogWindow : public QDialog {
  Q_OBJECT

 public:
  PositionDialogWindow(PositionDialog& model, QWidget* parent = nullptr);

  // "&Help" was pressed: the window that owns help shows the map's page.
  Q_SIGNAL void helpRequested();

 protected:
  void done(int result) override;

 private:
  QWidget* makeReferenceGroup();
  QWidget* makeButtons();
  void showFields();
  // The user's block and span into the model, then `button` of the model.
  template <class Button>
  void press(Button button);

  PositionDialog& model_;
  QLineEdit* caption_ = nullptr;
  QPlainTextEdit* block_ = nullptr;
  QLineEdit* span_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QLineEdit* bearingTo_ = nullptr;
  QLineEdit* bearingFrom_ = nullptr;
  QLineEdit* range_ = nullptr;
  QLineEdit* waypoint_ = nullptr;
  QButtonGroup* modes_ = nullptr;
  bool closing_ = false;
};

}  // namespace z5
