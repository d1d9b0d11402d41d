#include "ui/UserGuide.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "commands/CommandIds.h"

namespace z5 {
namespace {

// Room for the guide's text at a comfortable reading width.
constexpr int kShownColumns = 90;
constexpr int kShownLines = 40;

// The directive templates of the "!Lines" menu share one section.
constexpr const char* kDirectiveTemplatesAnchor = "lines";

}  // namespace

UserGuide::UserGuide(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("UserGuide"));
  setWindowTitle(QString::fromLatin1(kTitle));
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl(QString::fromLatin1(kSource)));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  const QFontMetrics metrics(browser_->font());
  resize(metrics.averageCharWidth() * kShownColumns, metrics.lineSpacing() * kShownLines);
}

QString UserGuide::anchorOf(int commandId) {
  if (commandId >= cmd::kFirstDirectiveTemplate && commandId <= cmd::kLastDirectiveTemplate)
    return QString::fromLatin1(kDirectiveTemplatesAnchor);
  return QStringLiteral("c%1").arg(commandId);
}

bool UserGuide::hasSection(int commandId) const {
  // QTextDocument keeps the anchors of the loaded page as its named fragments.
  const QString anchor = anchorOf(commandId);
  for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().anchorNames().contains(anchor)) return true;
    }
  }
  return false;
}

void UserGuide::showCommand(int commandId) {
  show();
  raise();
  activateWindow();
  if (commandId != 0 && hasSection(commandId)) {
    browser_->scrollToAnchor(anchorOf(commandId));
  } else {
    browser_->verticalScrollBar()->setValue(0);
  }
}

UserGuide* showUserGuide(QWidget* parent, int commandId) {
  QWidget* owner = parent != nullptr ? parent->window() : nullptr;
  UserGuide* guide = owner != nullptr ? owner->findChild<UserGuide*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (guide == nullptr) guide = new UserGuide(owner);
  guide->showCommand(commandId);
  return guide;
}

}  // namespace z5
