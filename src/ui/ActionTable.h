#pragma once
// The window's actions: one QAction per item of every menu and per button
// of the tool bar, made in a loop from the menu and tool-bar lists of the
// command table, never by hand. Every action says its command id when
// triggered; the states of the command table are applied to all of them.

#include <QHash>
#include <QList>
#include <QStringList>
#include <QObject>

#include "commands/CommandTable.h"
#include "commands/Menus.h"

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace z5 {

class ActionTable final : public QObject {
  Q_OBJECT
 public:
  explicit ActionTable(QWidget* window);

  // The menu bar's menus from the menu lists; `aboutToShow` of each is
  // connected to menuAboutToShow.
  void buildMenus(QMenuBar* bar);
  // The tool bar's buttons, with their icons.
  void buildToolBar(QToolBar* bar);

  // Every action of command `id` (a command may stand in two menus and on
  // the tool bar).
  QList<QAction*> actions(int id) const { return byId_.values(id); }
  // The menu action of `id`, else its button; null for no such command.
  QAction* action(int id) const;
  QList<QMenu*> menus() const { return menus_; }

  // Enabled, checked and shown as the table says. A hidden command is
  // taken off the tool bar; in a menu it is only greyed, but for the
  // numbered entries of the recent-file and window lists.
  void applyStates(const CommandStates& states);
  // The numbered entries from `firstId` on take `texts`; the entries past
  // them go back to their table texts.
  void setEntryTexts(int firstId, int entries, const QStringList& texts);

 signals:
  void triggered(int id);
  void menuAboutToShow(QMenu* menu);

 private:
  QAction* makeAction(const MenuItem& item, bool button);

  QWidget* window_;
  QMultiHash<int, QAction*> byId_;
  QList<QAction*> buttons_;
  QList<QMenu*> menus_;
  QHash<int, QString> tableTexts_;
};

}  // namespace z5
