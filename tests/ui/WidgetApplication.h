#pragma once
// The QApplication of the widget tests, made on first use and kept for the
// whole test program (dialogs need one; a QGuiApplication will not do).

#include <QApplication>

namespace z5::test {

inline QApplication& widgetApplication() {
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return existing;
    return new QApplication(argc, argv);
  }();
  return *application;
}

}  // namespace z5::test
