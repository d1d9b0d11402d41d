#pragma once
// The splash window shown over the main window at start-up. It closes at
// the first tick of its timer, or at once when a key or a mouse button is
// pressed anywhere in the program, and the main window is then repainted.

#include <QTimer>
#include <QWidget>

namespace z5 {

class SplashWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(QWidget* mainWindow);
  // Centred over the main window; its timer starts.
  void showOverMainWindow();

  // The first tick comes this long after the splash appears.
  static constexpr int kTimerMs = 500;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void dismiss();

  QWidget* mainWindow_;
  QTimer timer_;
};

}  // namespace z5
