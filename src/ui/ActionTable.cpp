#include "ui/ActionTable.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "commands/CommandIds.h"

namespace z5 {
namespace {

struct ButtonIcon {
  int id;
  const char* file;  // in the icons resource
};

constexpr ButtonIcon kButtonIcons[] = {
    {cmd::kFileNew, "new"},
    {cmd::kFileOpen, "open"},
    {cmd::kFileSave, "save"},
    {cmd::kCut, "cut"},
    {cmd::kCopy, "copy"},
    {cmd::kPaste, "paste"},
    {cmd::kPrint, "print"},
    {cmd::kMapDisplayButton, "map"},
    {cmd::kDefaultOutputButton, "output"},
    {cmd::kSourceFileButton, "source"},
    {cmd::kZoomInButton, "zoom-in"},
    {cmd::kZoomOutButton, "zoom-out"},
    {cmd::kSpanHundredthButton, "span-hundredth"},
    {cmd::kSpanTenthButton, "span-tenth"},
    {cmd::kSpanOneButton, "span-one"},
    {cmd::kSpanTenButton, "span-ten"},
    {cmd::kSpanHundredButton, "span-hundred"},
    {cmd::kHelpTopics, "help"},
    {cmd::kContextHelp, "context-help"},
};

QIcon buttonIcon(int id) {
  for (const ButtonIcon& icon : kButtonIcons) {
    if (icon.id == id) return QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(icon.file)));
  }
  return {};
}

// The keys written after a tab in a menu text ("&New\tCtrl+N").
QKeySequence shortcutOf(std::string_view text) {
  const auto tab = text.find('\t');
  if (tab == std::string_view::npos) return {};
  const std::string_view keys = text.substr(tab + 1);
  return QKeySequence::fromString(QString::fromLatin1(keys.data(), static_cast<qsizetype>(keys.size())),
                                  QKeySequence::PortableText);
}

QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ActionTable::ActionTable(QWidget* window) : QObject(window), window_(window) {}

QAction* ActionTable::makeAction(const MenuItem& item, bool button) {
  auto* action = new QAction(qtText(item.text), window_);
  action->setData(item.id);
  if (button) {
    action->setIcon(buttonIcon(item.id));
    action->setToolTip(qtText(item.text));
    buttons_.append(action);
  } else {
    action->setShortcut(shortcutOf(item.text));
    tableTexts_.insert(item.id, action->text());
  }
  const int id = item.id;
  connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
  byId_.insert(id, action);
  return action;
}

void ActionTable::buildMenus(QMenuBar* bar) {
  for (const Menu& menu : z5::menus()) {
    QMenu* qmenu = bar->addMenu(qtText(menu.title));
    for (const MenuItem& item : menu.items) {
      if (item.id == kSeparator) {
        qmenu->addSeparator();
      } else {
        qmenu->addAction(makeAction(item, false));
      }
    }
    connect(qmenu, &QMenu::aboutToShow, this, [this, qmenu] { emit menuAboutToShow(qmenu); });
    menus_.append(qmenu);
  }
}

void ActionTable::buildToolBar(QToolBar* bar) {
  for (const MenuItem& item : mainToolBar()) {
    if (item.id == kSeparator) {
      bar->addSeparator();
    } else {
      bar->addAction(makeAction(item, true));
    }
  }
}

QAction* ActionTable::action(int id) const {
  const QList<QAction*> all = actions(id);
  for (QAction* action : all) {
    if (!buttons_.contains(action)) return action;
  }
  return all.isEmpty() ? nullptr : all.first();
}

void ActionTable::setEntryTexts(int firstId, int entries, const QStringList& texts) {
  for (int i = 0; i < entries; ++i) {
    QAction* entry = action(firstId + i);
    if (entry == nullptr) continue;
    const QString text = i < texts.size() ? texts[i] : tableTexts_.value(firstId + i);
    if (entry->text() != text) entry->setText(text);
  }
}

void ActionTable::applyStates(const CommandStates& states) {
  for (auto it = byId_.cbegin(); it != byId_.cend(); ++it) {
    const CommandState state = states[it.key()];
    QAction* action = it.value();
    const bool button = buttons_.contains(action);
    action->setEnabled(state.enabled);
    if (state.checked && !action->isCheckable()) action->setCheckable(true);
    action->setChecked(state.checked);
    const bool editingHidden = button && states.editingButtonsHidden() && isEditingButton(it.key());
    action->setVisible(!((state.hidden && (button || isNumberedEntry(it.key()))) || editingHidden));
  }
}

}  // namespace z5
