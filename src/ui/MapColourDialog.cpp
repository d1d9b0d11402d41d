#include "ui/MapColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "map/ColourNames.h"
#include "ui/QtText.h"

namespace z5 {
namespace {

constexpr const char* kScreenHeading = "Screen/Normal";
constexpr const char* kPrinterHeading = "Printer/Inverted";
constexpr int kSwatchSide = 16;
// Slots shown without scrolling, and room for the longest name.
constexpr int kShownSlots = 18;
constexpr int kNameColumns = 26;

QColor toQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }
Rgb toRgb(const QColor& c) { return Rgb{c.red(), c.green(), c.blue()}; }

// A square of the colour, outlined so that white and black show on any
// list background; the same when selected, so the colour is seen true.
QIcon swatch(Rgb colour) {
  QPixmap square(kSwatchSide, kSwatchSide);
  square.fill(toQColor(colour));
  QPainter outline(&square);
  outline.setPen(QColor(Qt::darkGray));
  outline.drawRect(0, 0, kSwatchSide - 1, kSwatchSide - 1);
  outline.end();
  QIcon icon(square);
  icon.addPixmap(square, QIcon::Selected);
  return icon;
}

}  // namespace

MapColourDialog::MapColourDialog(QWidget* parent, const SettingsRecord& settings, const StringTable& strings)
    : QDialog(parent),
      screen_(settings.RGB_COLOR_MAP),
      printer_(settings.RGB_PRINT_COLOR_MAP),
      custom_(settings.RGB_CUSTOM_COLORS) {
  setObjectName(QStringLiteral("MapColourDialog"));
  setWindowTitle(QString::fromLatin1(kTitle));
  auto* columns = new QHBoxLayout;
  columns->addWidget(makeColumn(kScreenHeading, screen_, screenList_, strings));
  columns->addWidget(makeColumn(kPrinterHeading, printer_, printerList_, strings));
  screenList_->setObjectName(QStringLiteral("ScreenColours"));
  printerList_->setObjectName(QStringLiteral("PrinterColours"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);
}

QWidget* MapColourDialog::makeColumn(const char* heading, Palette& palette, QListWidget*& list,
                                     const StringTable& strings) {
  auto* column = new QWidget(this);
  list = new QListWidget(column);
  list->setIconSize(QSize(kSwatchSide, kSwatchSide));
  for (int slot = 0; slot < kPaletteSize; ++slot) {
    new QListWidgetItem(swatch(palette[slot]), toQString(colourSlotName(strings, slot)), list);
  }
  list->setCurrentRow(0);
  const QFontMetrics metrics(list->font());
  const int rowHeight = std::max(list->sizeHintForRow(0), kSwatchSide);
  list->setMinimumSize(metrics.averageCharWidth() * kNameColumns + kSwatchSide * 2,
                       rowHeight * kShownSlots + list->frameWidth() * 2);

  auto* title = new QLabel(QString::fromLatin1(heading), column);
  title->setBuddy(list);
  auto* change = new QPushButton(tr("&Change..."), column);
  change->setAutoDefault(false);
  QListWidget* shown = list;
  connect(list, &QListWidget::itemActivated, this, [this, shown](QListWidgetItem* item) { chooseColour(shown, item); });
  connect(change, &QPushButton::clicked, this, [this, shown] { chooseColour(shown, shown->currentItem()); });

  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(title);
  layout->addWidget(list, 1);
  layout->addWidget(change, 0, Qt::AlignLeft);
  return column;
}

Palette& MapColourDialog::paletteOf(const QListWidget* list) { return list == screenList_ ? screen_ : printer_; }

void MapColourDialog::setSlot(QListWidget* list, int row, Rgb colour) {
  if (row < 0 || row >= kPaletteSize) return;
  paletteOf(list)[row] = colour;
  list->item(row)->setIcon(swatch(colour));
}

void MapColourDialog::chooseColour(QListWidget* list, QListWidgetItem* item) {
  if (item == nullptr) return;
  const int row = list->row(item);
  for (int i = 0; i < kCustomColourCount; ++i) QColorDialog::setCustomColor(i, toQColor(custom_[i]));
  const QColor chosen = QColorDialog::getColor(toQColor(paletteOf(list)[row]), this, item->text());
  for (int i = 0; i < kCustomColourCount; ++i) custom_[i] = toRgb(QColorDialog::customColor(i));
  if (chosen.isValid()) setSlot(list, row, toRgb(chosen));
}

bool runColourDialog(QWidget* parent, SettingsRecord& settings, const StringTable& strings) {
  MapColourDialog dialog(parent, settings, strings);
  const bool ok = dialog.exec() == QDialog::Accepted;
  settings.RGB_CUSTOM_COLORS = dialog.customColours();
  if (ok) {
    settings.RGB_COLOR_MAP = dialog.screenPalette();
    settings.RGB_PRINT_COLOR_MAP = dialog.printerPalette();
  }
  return ok;
}

bool runColourDialog(QWidget* parent, SettingsRecord& settings) {
  static const StringTable builtIn;
  return runColourDialog(parent, settings, builtIn);
}

}  // namespace z5
