#include "ui/GpsDialogWindow.h"

#include <array>

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace z5 {
namespace {

// A labelled text of the window: its static label, its control and the
// characters it is wide enough for.
struct Field {
  const char* label;
  int control;
  int columns;
};

constexpr Field kTimeField{"UTC", 1100, 11};
constexpr Field kDateField{"", 1173, 10};
constexpr Field kLatitudeField{"Latitude", 1101, 12};
constexpr Field kLongitudeField{"Longitude", 1104, 12};
constexpr Field kSmgField{"SMG", 1111, 10};
constexpr Field kCmgField{"CMG", 1113, 10};
constexpr Field kGotoNumberField{"", 1115, 4};
constexpr Field kGotoNameField{"", 1128, 18};
constexpr Field kGotoLatitudeField{"WP Lat", 1103, 12};
constexpr Field kGotoLongitudeField{"WP Lon", 1102, 12};

// The navigation grid: a column per quantity, a row per sailing.
struct NavigationColumn {
  const char* label;
  int columns;
};
constexpr std::array<NavigationColumn, 6> kNavigationColumns = {{
    {"BRG", 8}, {"XTE", 11}, {"Distance", 10}, {"VTWP", 10}, {"TTG", 20}, {"ETA", 16},
}};
struct NavigationRow {
  const char* label;
  std::array<int, kNavigationColumns.size()> controls;
};
constexpr std::array<NavigationRow, 2> kNavigationRows = {{
    {"RL", {1142, 1118, 1120, 1176, 1131, 1135}},
    {"GC", {1122, 1123, 1126, 1177, 1132, 1136}},
}};

// The interval buttons with the text each shows beside it.
struct IntervalButton {
  int command;
  int control;
};
constexpr std::array<IntervalButton, 3> kIntervalButtons = {{
    {cmd::kLogInterval, 1107},
    {cmd::kSampleInterval, 1106},
    {cmd::kNumberSamples, 1105},
}};
constexpr int kIntervalColumns = 6;

constexpr const char* kReceivedLabel = "Rx?";

// Room a value field keeps for its text, beyond the characters themselves.
constexpr int kFieldPadding = 10;

QLabel* staticLabel(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QGridLayout* gridOf(QWidget* panel) {
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  return grid;
}

QFrame* separator(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

GpsDialogWindow::GpsDialogWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("GpsDialog"));
  setWindowTitle(QString::fromLatin1(kTitle));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(makeFixPanel());
  layout->addWidget(separator(this));
  layout->addWidget(makeGotoPanel());
  layout->addWidget(makeNavigationPanel());
  layout->addWidget(separator(this));
  layout->addWidget(makeButtonRow());
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

// A sunken, selectable field in a fixed-pitch font, so figures line up
// from one fix to the next.
QLabel* GpsDialogWindow::addField(QGridLayout* grid, int row, int column, int control, int columns, int span) {
  auto* field = new QLabel(grid->parentWidget());
  field->setObjectName(QStringLiteral("GpsText%1").arg(control));
  field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse);
  field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  const QFontMetrics metrics(field->font());
  field->setMinimumWidth(metrics.horizontalAdvance(QString(columns, QLatin1Char('0'))) + kFieldPadding);
  grid->addWidget(field, row, column, 1, span);
  fields_.insert(control, field);
  return field;
}

QWidget* GpsDialogWindow::makeFixPanel() {
  auto* panel = new QWidget(this);
  QGridLayout* grid = gridOf(panel);
  grid->addWidget(staticLabel(kTimeField.label, panel), 0, 0);
  addField(grid, 0, 1, kTimeField.control, kTimeField.columns);
  addField(grid, 0, 3, kDateField.control, kDateField.columns);
  received_ = new QCheckBox(QString::fromLatin1(kReceivedLabel), panel);
  received_->setObjectName(QStringLiteral("GpsCheck%1").arg(GpsDialog::kReceivedCheck));
  // It shows whether the receiver is heard; clicking it does nothing.
  received_->setAttribute(Qt::WA_TransparentForMouseEvents);
  received_->setFocusPolicy(Qt::NoFocus);
  grid->addWidget(received_, 0, 4);

  grid->addWidget(staticLabel(kLatitudeField.label, panel), 1, 0);
  addField(grid, 1, 1, kLatitudeField.control, kLatitudeField.columns);
  grid->addWidget(staticLabel(kLongitudeField.label, panel), 1, 2);
  addField(grid, 1, 3, kLongitudeField.control, kLongitudeField.columns);

  grid->addWidget(staticLabel(kSmgField.label, panel), 2, 0);
  addField(grid, 2, 1, kSmgField.control, kSmgField.columns);
  grid->addWidget(staticLabel(kCmgField.label, panel), 2, 2);
  addField(grid, 2, 3, kCmgField.control, kCmgField.columns);
  unit_ = new QCheckBox(panel);
  unit_->setObjectName(QStringLiteral("GpsCheck%1").arg(GpsDialog::kUnitCheck));
  for (const GpsDialog::Button& button : GpsDialog::kButtons) {
    if (button.command == cmd::kUnitSmgCmg) unit_->setText(toQString(button.text));
  }
  connect(unit_, &QCheckBox::clicked, this, [this] { emit commandRequested(cmd::kUnitSmgCmg); });
  grid->addWidget(unit_, 2, 4);
  grid->setColumnStretch(5, 1);
  return panel;
}

QWidget* GpsDialogWindow::makeGotoPanel() {
  auto* panel = new QWidget(this);
  QGridLayout* grid = gridOf(panel);
  grid->addWidget(commandButton(cmd::kGotoWaypoint), 0, 0, 1, 2);
  addField(grid, 0, 2, kGotoNumberField.control, kGotoNumberField.columns);
  addField(grid, 0, 3, kGotoNameField.control, kGotoNameField.columns, 2);
  grid->addWidget(staticLabel(kGotoLatitudeField.label, panel), 1, 0);
  addField(grid, 1, 1, kGotoLatitudeField.control, kGotoLatitudeField.columns, 2);
  grid->addWidget(staticLabel(kGotoLongitudeField.label, panel), 1, 3);
  addField(grid, 1, 4, kGotoLongitudeField.control, kGotoLongitudeField.columns);
  grid->setColumnStretch(5, 1);
  return panel;
}

QWidget* GpsDialogWindow::makeNavigationPanel() {
  auto* panel = new QWidget(this);
  QGridLayout* grid = gridOf(panel);
  for (std::size_t c = 0; c < kNavigationColumns.size(); ++c) {
    auto* heading = new QLabel(QString::fromLatin1(kNavigationColumns[c].label), panel);
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, static_cast<int>(c) + 1);
  }
  for (std::size_t r = 0; r < kNavigationRows.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    grid->addWidget(staticLabel(kNavigationRows[r].label, panel), row, 0);
    for (std::size_t c = 0; c < kNavigationColumns.size(); ++c) {
      addField(grid, row, static_cast<int>(c) + 1, kNavigationRows[r].controls[c], kNavigationColumns[c].columns);
    }
  }
  return panel;
}

QWidget* GpsDialogWindow::makeButtonRow() {
  auto* panel = new QWidget(this);
  QGridLayout* grid = gridOf(panel);
  int column = 0;
  for (const IntervalButton& interval : kIntervalButtons) {
    grid->addWidget(commandButton(interval.command), 0, column++);
    addField(grid, 0, column++, interval.control, kIntervalColumns);
  }
  grid->setColumnStretch(column++, 1);
  grid->addWidget(commandButton(cmd::kHideGpsDialog), 0, column);
  return panel;
}

QPushButton* GpsDialogWindow::commandButton(int commandId) {
  auto* button = new QPushButton(this);
  button->setAutoDefault(false);
  for (const GpsDialog::Button& b : GpsDialog::kButtons) {
    if (b.command == commandId) button->setText(toQString(b.text));
  }
  connect(button, &QPushButton::clicked, this, [this, commandId] { emit commandRequested(commandId); });
  return button;
}

void GpsDialogWindow::show(const GpsDialog& dialog) {
  for (const GpsDialog::ControlText& text : dialog.texts()) {
    if (QLabel* field = fields_.value(text.control)) field->setText(toQString(text.text));
  }
  {
    const QSignalBlocker quiet(unit_);
    unit_->setChecked(dialog.unitChecked());
  }
  received_->setChecked(dialog.receivedChecked());
  if (dialog.visible() && !isVisible()) {
    QDialog::show();
  } else if (!dialog.visible() && isVisible()) {
    hide();
  }
  if (isVisible()) repaint();
}

QString GpsDialogWindow::shownText(int control) const {
  const QLabel* field = fields_.value(control);
  return field != nullptr ? field->text() : QString();
}

void GpsDialogWindow::closeEvent(QCloseEvent* event) {
  // The model decides: "&Hide" hides the window and keeps the menu right.
  event->ignore();
  emit commandRequested(cmd::kHideGpsDialog);
}

void GpsDialogWindow::reject() { emit commandRequested(cmd::kHideGpsDialog); }

}  // namespace z5
