#include "ui/NumberDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/NumberReading.h"
#include "base/TextUtil.h"

namespace z5 {

NumberDialog::NumberDialog(QWidget* parent, const QString& title, const QString& label, int value, int minimum,
                           int maximum)
    : QDialog(parent), minimum_(minimum), maximum_(maximum) {
  setWindowTitle(title);
  field_ = new QLineEdit(QString::number(value));
  field_->selectAll();
  problem_ = new QLabel;
  problem_->setStyleSheet(QStringLiteral("color: #b00000"));
  problem_->hide();
  auto* fields = new QFormLayout;
  fields->addRow(label, field_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &NumberDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
}

void NumberDialog::accept() {
  const std::optional<int> number = integerOnly<int>(trim(field_->text().toStdString()));
  if (!number || *number < minimum_ || *number > maximum_) {
    problem_->setText(tr("Give a whole number from %1 to %2.").arg(minimum_).arg(maximum_));
    problem_->show();
    field_->selectAll();
    field_->setFocus();
    return;
  }
  value_ = number;
  QDialog::accept();
}

std::optional<int> askNumber(QWidget* parent, const QString& title, const QString& label, int value, int minimum,
                             int maximum) {
  NumberDialog dialog(parent, title, label, value, minimum, maximum);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.value();
}

}  // namespace z5
