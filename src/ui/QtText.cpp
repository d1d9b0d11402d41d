#include "ui/QtText.h"

#include "base/Utf8Text.h"

namespace z5 {

QString toQString(std::string_view text) {
  const auto size = static_cast<qsizetype>(text.size());
  return isValidUtf8(text) ? QString::fromUtf8(text.data(), size) : QString::fromLatin1(text.data(), size);
}

std::string toStdString(const QString& text) { return text.toStdString(); }

QString toViewText(std::string_view text) {
  QString shown = toQString(text);
  shown.remove(QLatin1Char('\r'));
  return shown;
}

}  // namespace z5
