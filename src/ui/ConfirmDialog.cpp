#include "ui/ConfirmDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/QuestionText.h"

namespace z5 {

ConfirmDialog::ConfirmDialog(QWidget* parent, const QString& text) : QDialog(parent) {
  setObjectName(QStringLiteral("ConfirmDialog"));
  setWindowTitle(QString::fromLatin1(kTitle));

  auto* icon = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(side, side));
  icon->setAlignment(Qt::AlignTop);
  auto* question = new QuestionText(text, this);

  // In this order whatever the desktop's habit: the answers read left to right.
  auto* change = new QPushButton(tr("&Change"), this);
  auto* disable = new QPushButton(tr("&Disable"), this);
  auto* abort = new QPushButton(tr("&Abort"), this);
  change->setDefault(true);
  connect(change, &QPushButton::clicked, this, [this] {
    answer_ = Host::Confirmation::Change;
    accept();
  });
  connect(disable, &QPushButton::clicked, this, [this] {
    answer_ = Host::Confirmation::Disable;
    accept();
  });
  connect(abort, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(question, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(change);
  buttons->addWidget(disable);
  buttons->addWidget(abort);
  layout->addLayout(buttons);
}

}  // namespace z5
