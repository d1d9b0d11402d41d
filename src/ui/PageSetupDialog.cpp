#include "ui/PageSetupDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/Printing.h"

namespace z5 {
namespace {

// The template edits show this many characters without scrolling.
constexpr int kTemplateWidthCharacters = 48;

}  // namespace

PageSetupDialog::PageSetupDialog(const PageSetup& values, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Page Setup"));
  auto* grid = new QGridLayout;
  header_ = addTemplate(grid, 0, tr("&Header:"), values.Header, headerTime_, values.HeaderTime);
  footer_ = addTemplate(grid, 2, tr("&Footer:"), values.Footer, footerTime_, values.FooterTime);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  setSizeGripEnabled(false);
}

QLineEdit* PageSetupDialog::addTemplate(QGridLayout* grid, int row, const QString& label, const std::string& text,
                                        QButtonGroup*& times, int time) {
  auto* edit = new QLineEdit(QString::fromStdString(text));
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * kTemplateWidthCharacters);
  auto* caption = new QLabel(label);
  caption->setBuddy(edit);
  grid->addWidget(caption, row, 0);
  grid->addWidget(edit, row, 1);
  times = new QButtonGroup(this);
  auto* fileTime = new QRadioButton(tr("File Time"));
  auto* systemTime = new QRadioButton(tr("System Time"));
  times->addButton(fileTime, kFileTime);
  times->addButton(systemTime, kSystemTime);
  (time == kSystemTime ? systemTime : fileTime)->setChecked(true);
  auto* radios = new QHBoxLayout;
  radios->addWidget(fileTime);
  radios->addWidget(systemTime);
  radios->addStretch();
  grid->addLayout(radios, row + 1, 1);
  return edit;
}

PageSetup PageSetupDialog::values() const {
  PageSetup values;
  values.Header = header_->text().toStdString();
  values.Footer = footer_->text().toStdString();
  values.HeaderTime = headerTime_->checkedId() == kSystemTime ? kSystemTime : kFileTime;
  values.FooterTime = footerTime_->checkedId() == kSystemTime ? kSystemTime : kFileTime;
  return values;
}

bool runPageSetupDialog(QWidget* parent, PageSetupProfile& setup) {
  PageSetupDialog dialog(setup.values(), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  setup.values() = dialog.values();
  return true;
}

}  // namespace z5
