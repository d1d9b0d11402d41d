#pragma once
// The about box: the program's title, version, maker and the sources of
// its world data.

#include <QString>

class QWidget;

namespace z5 {

// The text of the box (rich text).
QString aboutText();
// Shows the box modally over `parent`.
void showAbout(QWidget* parent);

}  // namespace z5
