#include "ui/MapFontCommands.h"

#include <optional>

#include <QFontDialog>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>

#include "app/MapWindow.h"
#include "app/Z5App.h"
#include "ui/MapFontQt.h"

namespace z5 {
namespace {

// The screen's logical resolution, which map pictures are drawn at.
double screenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

// The resolution of the default printer (the PDF printer when the system
// has none), which printed maps are drawn at.
double printerDotsPerInch() { return QPrinter(QPrinter::HighResolution).resolution(); }

std::optional<QFont> askFont(QWidget* parent, const QFont& preset, const QString& title) {
  QFontDialog dialog(preset, parent);
  dialog.setWindowTitle(title);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedFont();
}

}  // namespace

bool chooseMapDisplayFont(QWidget* parent, Z5App& app) {
  MapFonts& fonts = app.mapFonts();
  const double dpi = screenDotsPerInch();
  const std::optional<QFont> chosen = askFont(parent, toChooserFont(fonts.display, dpi), QStringLiteral("Map Font"));
  if (!chosen) return false;
  fonts.display = fromQFont(*chosen, dpi, fonts.display);
  MapWindow(app).redraw();
  return true;
}

bool chooseMapPrinterFont(QWidget* parent, Z5App& app) {
  MapFonts& fonts = app.mapFonts();
  const QFont preset = fonts.printerFollowsDisplay() ? toChooserFont(fonts.display, screenDotsPerInch())
                                                     : toChooserFont(fonts.printer, printerDotsPerInch());
  const std::optional<QFont> chosen = askFont(parent, preset, QStringLiteral("Map Printer Font"));
  if (!chosen) return false;
  fonts.printer = fromQFont(*chosen, printerDotsPerInch(), fonts.printer);
  return true;
}

void mirrorMapDisplayFont(Z5App& app) { app.mapFonts().mirrorDisplayFont(); }

}  // namespace z5
