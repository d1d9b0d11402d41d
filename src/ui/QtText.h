#pragma once
// Text between the core and Qt. The core's texts are UTF-8; place-name files
// of older versions may hold Latin-1, which is read as such.

#include <string>
#include <string_view>

#include <QString>

namespace z5 {

QString toQString(std::string_view text);
std::string toStdString(const QString& text);

// The message window's text with its line ends as Qt's text views keep them:
// the carriage return before each line feed dropped.
QString toViewText(std::string_view text);

}  // namespace z5
