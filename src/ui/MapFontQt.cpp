#include "ui/MapFontQt.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

namespace z5 {
namespace {

struct FaceSubstitute {
  const char* face;
  const char* substitute;
};
// Faces of the other desktop and their metric-compatible stand-ins; the
// system font of the other desktop was a bold sans-serif.
constexpr std::array<FaceSubstitute, 6> kSubstitutes = {{
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"System", "Liberation Sans"},
}};

constexpr int kLightestWeight = 100;
constexpr double kPointsPerInch = 72;
constexpr int kHeaviestWeight = 900;

QFont::StyleHint styleHintOf(int pitchAndFamily) {
  switch (pitchAndFamily & kFamilyMask) {
    case kFamilyRoman: return QFont::Serif;
    case kFamilySwiss: return QFont::SansSerif;
    case kFamilyModern: return QFont::TypeWriter;
    case kFamilyScript: return QFont::Cursive;
    case kFamilyDecorative: return QFont::Decorative;
    default: return QFont::AnyStyle;
  }
}

// The pixel size whose character cell is `cellHeight` pixels high.
int pixelSizeForCell(QFont font, int cellHeight) {
  font.setPixelSize(cellHeight);
  const int measured = QFontMetrics(font).height();
  if (measured <= 0) return cellHeight;
  return std::max(1, static_cast<int>(std::lround(static_cast<double>(cellHeight) * cellHeight / measured)));
}

int familyOf(const QFont& font) {
  switch (font.styleHint()) {
    case QFont::Serif: return kFamilyRoman;
    case QFont::SansSerif: return kFamilySwiss;
    case QFont::TypeWriter: return kFamilyModern;
    case QFont::Cursive: return kFamilyScript;
    case QFont::Decorative: return kFamilyDecorative;
    default: return 0;
  }
}

}  // namespace

QString availableFace(const QString& face) {
  if (!face.isEmpty() && QFontDatabase::hasFamily(face)) return face;
  for (const FaceSubstitute& s : kSubstitutes) {
    if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0 &&
        QFontDatabase::hasFamily(QLatin1String(s.substitute))) {
      return QLatin1String(s.substitute);
    }
  }
  return {};
}

QFont toQFont(const MapFontDescription& d, double scale) {
  QFont font;
  const QString family = availableFace(QString::fromStdString(d.faceName));
  if (!family.isEmpty()) {
    font.setFamily(family);
  } else {
    font.setStyleHint(styleHintOf(d.pitchAndFamily));
    font.setFixedPitch((d.pitchAndFamily & kPitchMask) == kFixedPitch);
    if (font.styleHint() == QFont::Serif) font.setFamily(QStringLiteral("serif"));
    if (font.styleHint() == QFont::SansSerif) font.setFamily(QStringLiteral("sans-serif"));
    if (font.styleHint() == QFont::TypeWriter) font.setFamily(QStringLiteral("monospace"));
  }
  font.setWeight(d.weight == 0 ? QFont::Normal
                               : static_cast<QFont::Weight>(std::clamp(d.weight, kLightestWeight, kHeaviestWeight)));
  font.setItalic(d.italic != 0);
  font.setUnderline(d.underline != 0);
  const int height = static_cast<int>(std::lround(std::abs(d.height) * scale));
  if (d.height < 0 && height > 0) font.setPixelSize(height);
  if (d.height > 0 && height > 0) font.setPixelSize(pixelSizeForCell(font, height));
  if (d.width != 0) {
    // A width asks for characters narrower or wider than the face's own.
    const int natural = QFontMetrics(font).averageCharWidth();
    const int wanted = static_cast<int>(std::lround(std::abs(d.width) * scale));
    if (natural > 0 && wanted > 0) font.setStretch(std::clamp(100 * wanted / natural, 1, 4000));
  }
  return font;
}

double deviceOverScreen(const QPaintDevice& device) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || screen->logicalDotsPerInchY() <= 0) return 1.0;
  return device.logicalDpiY() / screen->logicalDotsPerInchY();
}

MapFontDescription fromQFont(const QFont& font, double dotsPerInch, const MapFontDescription& previous) {
  MapFontDescription d;
  const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dotsPerInch / kPointsPerInch;
  d.height = -std::max(1, static_cast<int>(std::lround(pixels)));
  d.weight = std::clamp(static_cast<int>(font.weight()), kLightestWeight, kHeaviestWeight);
  d.italic = font.italic() ? 1 : 0;
  d.underline = font.underline() ? 1 : 0;
  d.pitchAndFamily = (QFontInfo(font).fixedPitch() ? kFixedPitch : kVariablePitch) | familyOf(font);
  d.charSet = previous.charSet;
  d.faceName = font.family().toStdString().substr(0, kMaxFaceNameLength);
  return d;
}

QFont toChooserFont(const MapFontDescription& description, double dotsPerInch) {
  QFont font = toQFont(description);
  const int pixels = font.pixelSize();
  if (pixels > 0 && dotsPerInch > 0) font.setPointSizeF(pixels * kPointsPerInch / dotsPerInch);
  return font;
}

}  // namespace z5
