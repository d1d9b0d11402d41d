#pragma once
// Support for the dialog tests until the shared window fixture exists: one
// QApplication for the whole test program, answering the next modal dialog
// as a user would, and saving screenshots.

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "WidgetApplication.h"

namespace z5::test {

// The button of `window` whose text is `text` (mnemonic included), or null.
inline QPushButton* findButton(const QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

// Calls `answer` with the modal dialog once it is open; the call that opens
// it follows this one. Gives up after a few seconds, so that a dialog that
// never opens fails the test instead of hanging it.
inline void answerNextModal(std::function<void(QWidget&)> answer, int triesLeft = 500) {
  QTimer::singleShot(triesLeft == 500 ? 0 : 10, [answer = std::move(answer), triesLeft]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr) {
      answer(*modal);
    } else if (triesLeft > 0) {
      answerNextModal(std::move(answer), triesLeft - 1);
    }
  });
}

// Calls `answer` with the next modal dialog of type T once it is the one on
// top (a dialog opened from another modal one).
template <class T>
void answerNextModalOf(std::function<void(T&)> answer, int triesLeft = 500) {
  QTimer::singleShot(triesLeft == 500 ? 0 : 10, [answer = std::move(answer), triesLeft]() mutable {
    if (T* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
      answer(*modal);
    } else if (triesLeft > 0) {
      answerNextModalOf<T>(std::move(answer), triesLeft - 1);
    }
  });
}

// Clicks the button `text` of the next modal dialog.
inline void clickInNextModal(const QString& text) {
  answerNextModal([text](QWidget& dialog) {
    if (QPushButton* button = findButton(dialog, text)) button->click();
  });
}

// Saves `window`'s picture as <name>.png into $Z5_SCREENSHOTS_DIR when it is
// set; true when the picture is not empty.
bool saveScreenshot(QWidget& window, const QString& name);

}  // namespace z5::test
