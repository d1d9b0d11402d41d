#include "ui/SettingsSheetDialog.h"

#include <algorithm>
#include <vector>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "commands/CommandIds.h"
#include "ui/QtText.h"
#include "ui/UserGuide.h"

namespace z5 {
namespace {

using Page = SettingsSheet::Page;

constexpr const char* kOutputFormatGroup = "Default Output Format";

// Texts the page shows under a caption of their own rather than beside
// their button.
struct TextCaption {
  Page page;
  int control;
  const char* caption;
};
constexpr std::array<TextCaption, 2> kTextCaptions = {{
    {SettingsSheet::kSuppress, 1066, "Largest Scale"},
    {SettingsSheet::kSuppress, 1010, "Smallest Scale"},
}};

// Check boxes stand in one column up to this many, else in two.
constexpr int kChecksInOneColumn = 6;
constexpr int kRadiosPerColumn = 3;
// Room for a result text, and lines shown of a multi-line one.
constexpr int kTextColumns = 36;
constexpr int kMultiLineLines = 4;

// Grid columns of a page: the unlabelled command box (on pages that have
// one), the button or caption, the text.
constexpr int kBoxColumn = 0;
constexpr int kColumnCount = 3;

const SheetPage& pageOf(Page page) { return settingsSheetPages()[page]; }

const char* captionOf(Page page, int control) {
  for (const TextCaption& c : kTextCaptions) {
    if (c.page == page && c.control == control) return c.caption;
  }
  return nullptr;
}

const SheetText* findText(Page page, int control) {
  for (const SheetText& text : pageOf(page).texts) {
    if (text.control == control) return &text;
  }
  return nullptr;
}

// A result is shown on the window's own colour, so it does not look typeable.
void showAsResult(QWidget* text) {
  QPalette shown = text->palette();
  shown.setColor(QPalette::Base, shown.color(QPalette::Window));
  text->setPalette(shown);
}

QString pageObjectName(Page page) { return QStringLiteral("SheetPage%1").arg(static_cast<int>(page)); }
QString controlObjectName(int control) { return QStringLiteral("c%1").arg(control); }

}  // namespace

SettingsSheetDialog::SettingsSheetDialog(QWidget* parent, SettingsSheet& sheet)
    : QDialog(parent), sheet_(sheet), tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("SettingsSheet"));
  setWindowTitle(QString::fromLatin1(kTitle));
  // Every page's tab in sight: the sheet is as wide as its six tabs.
  tabs_->setUsesScrollButtons(false);
  for (int p = 0; p < SettingsSheet::kPageCount; ++p) {
    const Page page = static_cast<Page>(p);
    tabs_->addTab(makePage(page), toQString(pageOf(page).title));
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply |
                                           QDialogButtonBox::Help,
                                       this);
  apply_ = buttons->button(QDialogButtonBox::Apply);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    apply();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(apply_, &QPushButton::clicked, this, &SettingsSheetDialog::apply);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { showUserGuide(this, cmd::kSettingsSheet); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
  showModel();
}

QWidget* SettingsSheetDialog::makePage(Page page) {
  auto* widget = new QWidget(tabs_);
  widget->setObjectName(pageObjectName(page));
  auto* grid = new QGridLayout(widget);
  int row = 0;
  addRadios(page, grid, row);
  addChecks(page, grid, row);
  addButtons(page, grid, row);
  grid->setRowStretch(row, 1);
  return widget;
}

void SettingsSheetDialog::addRadios(Page page, QGridLayout* grid, int& row) {
  const auto radios = pageOf(page).radios;
  if (radios.empty()) return;
  auto* group = new QGroupBox(QString::fromLatin1(kOutputFormatGroup), grid->parentWidget());
  auto* inGroup = new QGridLayout(group);
  auto* exclusive = new QButtonGroup(group);
  for (std::size_t i = 0; i < radios.size(); ++i) {
    const SheetRadio& radio = radios[i];
    auto* button = new QRadioButton(toQString(radio.text), group);
    button->setObjectName(controlObjectName(radio.control));
    exclusive->addButton(button);
    const int index = static_cast<int>(i);
    inGroup->addWidget(button, index % kRadiosPerColumn, index / kRadiosPerColumn);
    connect(button, &QRadioButton::toggled, this, [this, page, control = radio.control](bool on) {
      if (!on) return;
      sheet_.setChecked(page, control, true);
      showModel();
    });
    pages_[page].boxes.insert(radio.control, button);
  }
  grid->addWidget(group, row++, kBoxColumn, 1, kColumnCount);
}

void SettingsSheetDialog::addChecks(Page page, QGridLayout* grid, int& row) {
  const auto checks = pageOf(page).checks;
  if (checks.empty()) return;
  auto* inColumns = new QGridLayout;
  const int perColumn = checks.size() > kChecksInOneColumn ? (static_cast<int>(checks.size()) + 1) / 2
                                                           : static_cast<int>(checks.size());
  for (std::size_t i = 0; i < checks.size(); ++i) {
    const SheetCheck& check = checks[i];
    auto* box = new QCheckBox(toQString(check.text), grid->parentWidget());
    box->setObjectName(controlObjectName(check.control));
    const int index = static_cast<int>(i);
    inColumns->addWidget(box, index % perColumn, index / perColumn);
    connect(box, &QCheckBox::clicked, this, [this, page, control = check.control](bool on) {
      sheet_.setChecked(page, control, on);
      showModel();
    });
    pages_[page].boxes.insert(check.control, box);
  }
  grid->addLayout(inColumns, row++, kBoxColumn, 1, kColumnCount);
}

// A button's own text is the first text it shows that no earlier button
// owns; captioned texts go on rows of their own under it.
void SettingsSheetDialog::addButtons(Page page, QGridLayout* grid, int& row) {
  QWidget* parent = grid->parentWidget();
  const int buttonColumn = pageOf(page).commandChecks.empty() ? kBoxColumn : kBoxColumn + 1;
  const int textColumn = buttonColumn + 1;
  grid->setColumnStretch(textColumn, 1);
  std::vector<int> placed;
  for (const SheetButton& sheetButton : pageOf(page).buttons) {
    for (const SheetCommandCheck& check : pageOf(page).commandChecks) {
      if (check.command != sheetButton.command) continue;
      auto* box = new QCheckBox(parent);
      box->setObjectName(controlObjectName(check.control));
      box->setToolTip(toQString(sheetButton.text).remove(QLatin1Char('&')));
      connect(box, &QCheckBox::clicked, this, [this, page, control = check.control](bool on) {
        sheet_.setChecked(page, control, on);
        showModel();
      });
      pages_[page].boxes.insert(check.control, box);
      grid->addWidget(box, row, kBoxColumn);
    }
    auto* button = new QPushButton(toQString(sheetButton.text), parent);
    button->setObjectName(controlObjectName(sheetButton.control));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, page, control = sheetButton.control] {
      sheet_.press(page, control);
      showModel();
    });
    pages_[page].buttons.insert(sheetButton.control, button);
    grid->addWidget(button, row, buttonColumn);

    const SheetText* own = nullptr;
    std::vector<const SheetText*> captioned;
    for (int shown : sheetButton.shows) {
      const SheetText* text = shown != 0 ? findText(page, shown) : nullptr;
      if (text == nullptr || std::find(placed.begin(), placed.end(), shown) != placed.end()) continue;
      if (captionOf(page, shown) != nullptr) {
        captioned.push_back(text);
      } else if (own == nullptr) {
        own = text;
      } else {
        continue;
      }
      placed.push_back(shown);
    }
    if (own != nullptr && own->multiLine) {
      grid->addWidget(makeText(page, *own, parent), ++row, buttonColumn, 1, 2);
    } else if (own != nullptr) {
      grid->addWidget(makeText(page, *own, parent), row, textColumn);
    }
    ++row;
    for (const SheetText* text : captioned) {
      auto* caption = new QLabel(QString::fromLatin1(captionOf(page, text->control)), parent);
      caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->addWidget(caption, row, buttonColumn);
      grid->addWidget(makeText(page, *text, parent), row++, textColumn);
    }
  }
}

QWidget* SettingsSheetDialog::makeText(Page page, const SheetText& text, QWidget* parent) {
  QWidget* widget = nullptr;
  if (text.multiLine) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(edit->font());
    edit->setFixedHeight(metrics.lineSpacing() * kMultiLineLines + static_cast<int>(edit->document()->documentMargin()) * 2 +
                         edit->frameWidth() * 2);
    showAsResult(edit);
    widget = edit;
  } else {
    auto* edit = new QLineEdit(parent);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * kTextColumns);
    if (text.field != nullptr) {
      edit->setMaxLength(static_cast<int>(text.typingLimit));
      connect(edit, &QLineEdit::textEdited, this, [this, page, control = text.control](const QString& typed) {
        sheet_.setText(page, control, toStdString(typed));
        apply_->setEnabled(true);
      });
    } else {
      edit->setReadOnly(true);
      edit->setFocusPolicy(Qt::ClickFocus);
      showAsResult(edit);
    }
    widget = edit;
  }
  widget->setObjectName(controlObjectName(text.control));
  pages_[page].texts.insert(text.control, widget);
  return widget;
}

void SettingsSheetDialog::showModel() {
  bool modified = false;
  for (int p = 0; p < SettingsSheet::kPageCount; ++p) {
    const Page page = static_cast<Page>(p);
    for (auto it = pages_[p].boxes.cbegin(); it != pages_[p].boxes.cend(); ++it) {
      const QSignalBlocker quiet(it.value());
      it.value()->setChecked(sheet_.checked(page, it.key()));
    }
    for (auto it = pages_[p].texts.cbegin(); it != pages_[p].texts.cend(); ++it) {
      const QString shown = toViewText(sheet_.text(page, it.key()));
      if (auto* line = qobject_cast<QLineEdit*>(it.value())) {
        if (line->text() != shown) line->setText(shown);
      } else if (auto* lines = qobject_cast<QPlainTextEdit*>(it.value())) {
        if (lines->toPlainText() != shown) lines->setPlainText(shown);
      }
    }
    modified = modified || sheet_.modified(page);
  }
  apply_->setEnabled(modified);
}

void SettingsSheetDialog::apply() {
  sheet_.apply();
  showModel();
}

QAbstractButton* SettingsSheetDialog::button(Page page, int control) const {
  if (QAbstractButton* box = pages_[page].boxes.value(control)) return box;
  return pages_[page].buttons.value(control);
}

QWidget* SettingsSheetDialog::text(Page page, int control) const { return pages_[page].texts.value(control); }

void runSettingsSheetDialog(QWidget* parent, SettingsSheet& sheet) {
  SettingsSheetDialog dialog(parent, sheet);
  dialog.exec();
}

}  // namespace z5
