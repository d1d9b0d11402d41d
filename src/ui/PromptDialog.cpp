#include "ui/PromptDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Messages.h"
#include "ui/QuestionText.h"

namespace z5 {

PromptDialog::PromptDialog(QWidget* parent, const QString& prompt, const QString& value) : QDialog(parent) {
  setObjectName(QStringLiteral("PromptDialog"));
  setWindowTitle(QString::fromLatin1(Messages::kTitle));
  auto* question = new QuestionText(prompt, this);
  edit_ = new QLineEdit(value, this);
  edit_->setObjectName(QStringLiteral("PromptValue"));
  edit_->selectAll();

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
  buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole)->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &PromptDialog::helpRequested);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question, 1);
  layout->addWidget(edit_);
  layout->addWidget(buttons);
  edit_->setFocus();
}

QString PromptDialog::value() const { return edit_->text(); }

}  // namespace z5
