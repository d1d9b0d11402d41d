#include "ui/AboutBox.h"

#include <QMessageBox>

#include "base/Messages.h"

namespace z5 {
namespace {

constexpr const char* kVersion = Z5_VERSION;
constexpr const char* kBoxTitle = "About Z5";
constexpr const char* kText =
    "<h3>%1</h3>"
    "<p>Version %2</p>"
    "<p>Voyage planning and navigation aid for ships' officers.</p>"
    "<p>Quenmar Software</p>"
    "<p><small>Coastlines, rivers and borders: GSHHG 2.3.7 by Paul Wessel and Walter H. F. Smith "
    "(GNU LGPL version 3 or later).<br>Ports and sea names: Natural Earth (public domain).</small></p>";

}  // namespace

QString aboutText() {
  return QString::fromLatin1(kText).arg(QString::fromLatin1(Messages::kTitle), QString::fromLatin1(kVersion));
}

void showAbout(QWidget* parent) { QMessageBox::about(parent, QString::fromLatin1(kBoxTitle), aboutText()); }

}  // namespace z5
