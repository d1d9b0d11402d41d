#include "ui/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace z5 {

void QtClipboard::setText(const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }

}  // namespace z5
