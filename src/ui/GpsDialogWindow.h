#pragma once
// The modeless "Z5 GPS " window: the fix, the speed and course made good,
// the goto waypoint and the navigation to it in a labelled grid, the two
// check boxes and the buttons. It shows what the GpsDialog model holds and
// asks for commands; it computes nothing.

#include <QDialog>
#include <QHash>

#include "commands/GpsDialog.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace z5 {

class GpsDialogWindow final : public QDialog {
  Q_OBJECT
 public:
  explicit GpsDialogWindow(QWidget* parent);

  // The model's texts and boxes put into the controls; shown or hidden as
  // the model says.
  void show(const GpsDialog& dialog);
  using QDialog::show;

  // The text shown in control `control` (empty when there is none).
  QString shownText(int control) const;
  QCheckBox* unitBox() const { return unit_; }
  QCheckBox* receivedBox() const { return received_; }

  static constexpr const char* kTitle = "Z5 GPS ";

 signals:
  // A button (or the "&Unit smg/cmg" box) asks for its command; closing
  // the window asks for "&Hide".
  void commandRequested(int commandId);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QLabel* addField(QGridLayout* grid, int row, int column, int control, int columns, int span = 1);
  QWidget* makeFixPanel();
  QWidget* makeGotoPanel();
  QWidget* makeNavigationPanel();
  QWidget* makeButtonRow();
  QPushButton* commandButton(int commandId);

  QHash<int, QLabel*> fields_;
  QCheckBox* unit_ = nullptr;
  QCheckBox* received_ = nullptr;
};

}  // namespace z5
