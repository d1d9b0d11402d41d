#include "ui/EditorFonts.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPrinter>
#include <QScreen>

#include "ui/MapFontQt.h"

namespace z5 {
namespace {

constexpr double kPointsPerInch = 72.0;

double screenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  constexpr double kFallbackDpi = 96.0;
  return screen ? screen->logicalDotsPerInchY() : kFallbackDpi;
}

// Pixel heights of a description at one resolution carried to another.
MapFontDescription rescaled(MapFontDescription font, double from, double to) {
  font.height = static_cast<int>(std::lround(font.height * to / from));
  return font;
}

}  // namespace

QFont editorDisplayFont(const EditorProfile& profile) {
  QFont font = toQFont(profile.display);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

int printerFontResolution() { return QPrinter(QPrinter::HighResolution).resolution(); }

QFont editorPrinterFont(const EditorProfile& profile, const QPaintDevice& device) {
  const double deviceDpi = device.logicalDpiY();
  if (profile.printerFollowsDisplay()) return toQFont(profile.display, deviceDpi / screenDpi());
  return toQFont(profile.printer, deviceDpi / printerFontResolution());
}

MapFontDescription describeFont(const QFont& font, double dpi) {
  const QFontInfo shown(font);
  MapFontDescription d;
  const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi / kPointsPerInch;
  d.height = -std::max(1, static_cast<int>(std::lround(pixels)));
  d.weight = font.weight();
  d.italic = font.italic() ? 1 : 0;
  d.underline = font.underline() ? 1 : 0;
  d.pitchAndFamily = shown.fixedPitch() ? (kFixedPitch | kFamilyModern) : (kVariablePitch | kFamilySwiss);
  d.faceName = shown.family().toStdString().substr(0, kMaxFaceNameLength);
  return d;
}

namespace {

// The font chooser; nullopt when cancelled.
std::optional<QFont> askFont(QWidget* parent, const QFont& initial, const QString& title) {
  QFontDialog dialog(initial, parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedFont();
}

}  // namespace

bool chooseDisplayFont(QWidget* parent, EditorProfile& profile) {
  const auto chosen = askFont(parent, editorDisplayFont(profile), QObject::tr("Set Font"));
  if (!chosen) return false;
  profile.display = describeFont(*chosen, screenDpi());
  return true;
}

bool choosePrinterFont(QWidget* parent, EditorProfile& profile) {
  const double printerDpi = printerFontResolution();
  const MapFontDescription onScreen = profile.printerFollowsDisplay()
                                          ? profile.display
                                          : rescaled(profile.printer, printerDpi, screenDpi());
  const auto chosen = askFont(parent, toQFont(onScreen), QObject::tr("Set Printer Font"));
  if (!chosen) return false;
  profile.printer = rescaled(describeFont(*chosen, screenDpi()), screenDpi(), printerDpi);
  return true;
}

void mirrorDisplayFont(EditorProfile& profile) { profile.mirrorDisplayFont(); }

bool mirrorDisplayFontChecked(const EditorProfile& profile) { return profile.printerFollowsDisplay(); }

bool mirrorDisplayFontEnabled(const EditorProfile& profile) { return !profile.printerFollowsDisplay(); }

}  // namespace z5
