#pragma once
// The user guide: the HTML guide shipped with the program, in a browser
// window of its own (one per main window), opened at the section of a
// command. Each command's section carries the anchor anchorOf(id); the
// directive templates share the section of their menu.

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace z5 {

class UserGuide final : public QWidget {
  Q_OBJECT
 public:
  explicit UserGuide(QWidget* owner);

  // Shows the guide at the section of command `commandId`; 0, or a command
  // without a section of its own, shows the contents.
  void showCommand(int commandId);
  bool hasSection(int commandId) const;

  static QString anchorOf(int commandId);
  QTextBrowser* browser() const { return browser_; }

  static constexpr const char* kTitle = "Z5 User Guide";
  static constexpr const char* kSource = "qrc:/z5guide.html";

 private:
  QTextBrowser* browser_;
};

// The guide window of `parent`'s top-level window (made on first use),
// shown at the section of `commandId` (0: the contents).
UserGuide* showUserGuide(QWidget* parent, int commandId);

}  // namespace z5
