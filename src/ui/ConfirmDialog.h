#pragma once
// The question asked before a value that is already set is edited:
// "&Change" goes on to the prompt, "&Disable" clears the value, "&Abort"
// (or Escape, or closing the window) leaves everything as it is.

#include <QDialog>

#include "base/Host.h"

namespace z5 {

class ConfirmDialog final : public QDialog {
  Q_OBJECT
 public:
  ConfirmDialog(QWidget* parent, const QString& text);

  Host::Confirmation answer() const { return answer_; }
  static constexpr const char* kTitle = "Z5 ";

 private:
  Host::Confirmation answer_ = Host::Confirmation::Abort;
};

}  // namespace z5
