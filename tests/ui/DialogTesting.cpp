#include "DialogTesting.h"

#include <QDir>
#include <QPixmap>

namespace z5::test {

bool saveScreenshot(QWidget& window, const QString& name) {
  const QPixmap picture = window.grab();
  if (picture.isNull()) return false;
  const QByteArray directory = qgetenv("Z5_SCREENSHOTS_DIR");
  if (directory.isEmpty()) return true;
  return picture.save(QDir(QString::fromLocal8Bit(directory)).filePath(name + QStringLiteral(".png")));
}

}  // namespace z5::test
