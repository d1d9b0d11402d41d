#pragma once
// The prompt dialog: the question read-only above, the value in an edit
// below (offered selected, so typing replaces it), "&OK", "&Cancel" and
// "&Help".

#include <QDialog>

class QLineEdit;

namespace z5 {

class PromptDialog final : public QDialog {
  Q_OBJECT
 public:
  PromptDialog(QWidget* parent, const QString& prompt, const QString& value);

  QString value() const;
  QLineEdit* edit() const { return edit_; }

 signals:
  void helpRequested();

 private:
  QLineEdit* edit_;
};

}  // namespace z5
