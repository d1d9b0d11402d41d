#include "ui/PositionDialogWindow.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QRadioButton>
#include <QVBoxLayout>

#include "map/MapViewState.h"

namespace z5 {
namespace {

constexpr const char* kTitle = "Z5 Bitmap Position";
// The block holds four short lines; the reference fields a position text.
constexpr int kBlockLines = 5;
constexpr int kBlockCharacters = 28;
constexpr int kPositionFieldCharacters = 14;

struct ModeButton {
  ReferenceMode mode;
  const char* text;
};
constexpr ModeButton kModeButtons[] = {
    {ReferenceMode::LastCursor, "&Last Cursor Location"},
    {ReferenceMode::Terminal, "&Terminal Waypoint"},
    {ReferenceMode::WaypointNumber, "Waypoint &Number"},
};

QLineEdit* readOnlyField(int characters) {
  auto* field = new QLineEdit;
  field->setReadOnly(true);
  field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters);
  return field;
}

QString qText(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

PositionDialogWindow::PositionDialogWindow(PositionDialog& model, QWidget* parent) : QDialog(parent), model_(model) {
  setWindowTitle(QLatin1String(kTitle));
  caption_ = new QLineEdit;
  caption_->setReadOnly(true);
  block_ = new QPlainTextEdit;
  block_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  block_->setLineWrapMode(QPlainTextEdit::NoWrap);
  const int margins = 2 * (block_->frameWidth() + static_cast<int>(block_->document()->documentMargin()));
  block_->setMinimumHeight(block_->fontMetrics().lineSpacing() * kBlockLines + margins);
  block_->setMinimumWidth(block_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kBlockCharacters + margins);

  auto* middle = new QHBoxLayout;
  middle->addWidget(block_, 1);
  middle->addWidget(makeReferenceGroup());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addLayout(middle);
  layout->addWidget(makeButtons());
  showFields();
}

QWidget* PositionDialogWindow::makeReferenceGroup() {
  auto* column = new QWidget;
  auto* columnLayout = new QVBoxLayout(column);
  columnLayout->setContentsMargins(0, 0, 0, 0);

  span_ = new QLineEdit;
  span_->setMaxLength(static_cast<int>(PositionDialog::kSpanFieldLength));
  span_->setMaximumWidth(span_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
  auto* spanRow = new QFormLayout;
  spanRow->addRow(QStringLiteral("&Degree Span (%1 - %2)")
                      .arg(MapViewState::kSmallestSpan)
                      .arg(MapViewState::kLargestSpan),
                  span_);
  columnLayout->addLayout(spanRow);

  auto* group = new QGroupBox(QStringLiteral("Reference Position Range/Bearing"));
  auto* grid = new QGridLayout(group);
  latitude_ = readOnlyField(kPositionFieldCharacters);
  longitude_ = readOnlyField(kPositionFieldCharacters);
  bearingTo_ = readOnlyField(kPositionFieldCharacters / 2);
  bearingFrom_ = readOnlyField(kPositionFieldCharacters / 2);
  range_ = readOnlyField(kPositionFieldCharacters);
  grid->addWidget(new QLabel(QStringLiteral("Lat")), 0, 0);
  grid->addWidget(latitude_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Lon")), 0, 2);
  grid->addWidget(longitude_, 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("Bearing To")), 1, 0);
  grid->addWidget(bearingTo_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Bearing From")), 1, 2);
  grid->addWidget(bearingFrom_, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("Range")), 2, 0);
  grid->addWidget(range_, 2, 1);

  auto* waypointButton = new QPushButton(QStringLiteral("&Waypoint"));
  waypointButton->setAutoDefault(false);
  waypoint_ = new QLineEdit;
  waypoint_->setMaximumWidth(waypoint_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6);
  grid->addWidget(waypointButton, 3, 0);
  grid->addWidget(waypoint_, 3, 1, Qt::AlignLeft);
  connect(waypointButton, &QPushButton::clicked, this,
          [this] { press([this] { return model_.chooseWaypoint(waypoint_->text().toStdString()); }); });

  modes_ = new QButtonGroup(this);
  auto* radios = new QVBoxLayout;
  for (const ModeButton& button : kModeButtons) {
    auto* radio = new QRadioButton(QLatin1String(button.text));
    modes_->addButton(radio, static_cast<int>(button.mode));
    radios->addWidget(radio);
  }
  grid->addLayout(radios, 4, 0, 1, 4);
  connect(modes_, &QButtonGroup::idClicked, this,
          [this](int id) { press([this, id] { return model_.chooseMode(static_cast<ReferenceMode>(id)); }); });

  columnLayout->addWidget(group);
  return column;
}

QWidget* PositionDialogWindow::makeButtons() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto add = [&](const char* text, auto action) {
    auto* button = new QPushButton(QLatin1String(text));
    button->setAutoDefault(false);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, action);
    return button;
  };
  add("&Copy", [this] { press([this] { return model_.copy(); }); });
  add(" &Append", [this] { press([this] { return model_.append(); }); });
  add(" &View (= left mouse button)", [this] { press([this] { return model_.view(); }); });
  add("&Refresh", [this] { press([this] { return model_.refresh(); }); });
  add("&Help", [this] { emit helpRequested(); });
  layout->addStretch();
  QPushButton* ok = add("OK", [this] { accept(); });
  ok->setDefault(true);
  add("Cancel", [this] { reject(); });
  return row;
}

void PositionDialogWindow::showFields() {
  const PositionDialog::Fields& f = model_.fields();
  caption_->setText(qText(f.caption));
  block_->setPlainText(qText(f.block));
  span_->setText(qText(f.span));
  latitude_->setText(qText(f.referenceLatitude));
  longitude_->setText(qText(f.referenceLongitude));
  bearingTo_->setText(qText(f.bearingTo));
  bearingFrom_->setText(qText(f.bearingFrom));
  range_->setText(qText(f.range));
  waypoint_->setText(qText(f.waypointNumber));
  modes_->button(static_cast<int>(f.mode))->setChecked(true);
}

template <class Button>
void PositionDialogWindow::press(Button button) {
  PositionDialog::Fields& fields = model_.fields();
  fields.block = block_->toPlainText().toStdString();
  fields.span = span_->text().toStdString();
  if (button() == PositionDialog::Outcome::Close) {
    closing_ = true;
    accept();
    return;
  }
  showFields();
}

void PositionDialogWindow::done(int result) {
  // OK, Cancel, Escape and the window's close box close through the model,
  // which keeps the click as the next reference; the buttons that close
  // have done so already.
  if (!closing_) {
    closing_ = true;
    model_.close();
  }
  QDialog::done(result);
}

}  // namespace z5
