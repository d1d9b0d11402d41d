#pragma once
// The "Page Setup" dialog: the header and footer templates of printed
// texts, each with the time it shows (file time or system time).

#include <QDialog>

#include "editor/PageSetup.h"

class QButtonGroup;
class QGridLayout;
class QLineEdit;

namespace z5 {

class PageSetupDialog : public QDialog {
  Q_OBJECT

 public:
  PageSetupDialog(const PageSetup& values, QWidget* parent);

  // The values as the dialog shows them.
  PageSetup values() const;

 private:
  QLineEdit* addTemplate(QGridLayout* grid, int row, const QString& label, const std::string& text,
                         QButtonGroup*& times, int time);

  QLineEdit* header_ = nullptr;
  QLineEdit* footer_ = nullptr;
  QButtonGroup* headerTime_ = nullptr;
  QButtonGroup* footerTime_ = nullptr;
};

}  // namespace z5
