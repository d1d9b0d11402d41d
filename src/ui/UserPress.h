#pragma once
// A key or mouse press anywhere in the application: what closes the splash
// window and the pop-ups.

#include <QEvent>

namespace z5 {

inline bool isUserPress(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
      return true;
    default:
      return false;
  }
}

}  // namespace z5
