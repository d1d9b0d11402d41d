#include "ui/MainWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/AppCommands.h"
#include "app/Z5App.h"
#include "commands/CommandIds.h"
#include "commands/IdleWork.h"
#include "editor/CaretPanes.h"
#include "editor/WindowPlacement.h"
#include "ui/ActionTable.h"
#include "ui/DocumentArea.h"
#include "ui/EditorView.h"
#include "ui/MessageDock.h"
#include "ui/QtHost.h"
#include "ui/QtText.h"

namespace z5 {
namespace {

// Without a stored placement the window takes this share of the screen.
constexpr double kDefaultScreenShare = 0.8;
// The message window's share of the main window's height: room for a
// waypoint list under the document windows, at the report's full width.
constexpr double kMessageWindowShare = 0.25;

QRect placementRectangle(const WindowPlacement& p) { return QRect(QPoint(p.left, p.top), QPoint(p.right - 1, p.bottom - 1)); }

// A stored rectangle is used only where a screen shows it now.
bool onSomeScreen(const QRect& rectangle) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersects(rectangle)) return true;
  }
  return false;
}

QLabel* makePane(const char* widest) {
  auto* pane = new QLabel;
  pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)));
  pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return pane;
}

}  // namespace

MainWindow::MainWindow() : host_(std::make_unique<QtHost>(*this)) {
  setWindowTitle(QString::fromUtf8(Messages::kTitle));
  setWindowIcon(QIcon(QStringLiteral(":/icons/z5.png")));
  createDocumentArea();
  createActions();
  createToolBar();
  createStatusBar();
  createMessageWindow();
  setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::createDocumentArea() {
  area_ = new DocumentArea(this);
  setCentralWidget(area_);
  connect(area_, &DocumentArea::caretMoved, this, &MainWindow::showCaret);
  connect(area_, &DocumentArea::statusText, this, [this](const QString& text) { statusBar()->showMessage(text); });
  connect(area_, &DocumentArea::fileUsed, this, [this](const QString& path) { recent_.add(toStdString(path)); });
  connect(area_, &DocumentArea::activeDocumentChanged, this, &MainWindow::refreshStates);
}

void MainWindow::createActions() {
  actions_ = new ActionTable(this);
  actions_->buildMenus(menuBar());
  connect(actions_, &ActionTable::triggered, this, &MainWindow::runCommandId);
  connect(actions_, &ActionTable::menuAboutToShow, this, &MainWindow::menuAboutToShow);
}

void MainWindow::createToolBar() {
  toolBar_ = addToolBar(tr("Toolbar"));
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setMovable(false);
  actions_->buildToolBar(toolBar_);
  toolBarTimer_.setInterval(kToolBarRefreshMs);
  connect(&toolBarTimer_, &QTimer::timeout, this, &MainWindow::refreshStates);
  toolBarTimer_.start();
}

void MainWindow::createStatusBar() {
  linePane_ = makePane(kEmptyLinePane);
  columnPane_ = makePane(kEmptyColumnPane);
  statusBar()->addPermanentWidget(linePane_);
  statusBar()->addPermanentWidget(columnPane_);
}

void MainWindow::createMessageWindow() {
  addDockWidget(Qt::BottomDockWidgetArea, host_->messageDock());
  connect(host_.get(), &QtHost::messageWindowVisibilityChanged, this, &MainWindow::refreshStates);
}

void MainWindow::attach(Z5App& app) {
  app_ = &app;
  commands_ = std::make_unique<AppCommands>(app, *this);
  area_->attach(app);
  app.attachClipboard(clipboard_);
  const auto clipboardChanged = [this] { clipboardHasText_ = QGuiApplication::clipboard()->mimeData()->hasText(); };
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, clipboardChanged);
  clipboardChanged();
  app.gps().setWakeUp([this] { scheduleIdleWork(); });
  idleTimer_.setSingleShot(true);
  idleTimer_.setInterval(0);
  connect(&idleTimer_, &QTimer::timeout, this, &MainWindow::runIdleWork);
  refreshStates();
}

void MainWindow::readProfile(const SettingsStore& store) {
  loadedPlacement_ = store.readText(kWindowSettingsSection, kWindowPosKey).value_or("");
  const auto placement = parseWindowPlacement(loadedPlacement_);
  if (placement && onSomeScreen(placementRectangle(*placement))) {
    setGeometry(placementRectangle(*placement));
    placedMaximised_ = placement->showCommand == kShowMaximised ||
                       (placement->showCommand == kShowMinimised && (placement->flags & kRestoreToMaximised) != 0);
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    const QSize size = available.size() * kDefaultScreenShare;
    setGeometry(QRect(available.center() - QPoint(size.width() / 2, size.height() / 2), size));
  }
  loadedShowState_ = documentShowState(store.readInt(kWindowSettingsSection, kShowCmdKey));
  area_->setShowState(loadedShowState_);
  recent_.load(store);
}

void MainWindow::writeProfile(SettingsStore& store) const {
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  const std::string placement = formatWindowPlacement(
      closingPlacement(normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1, isMaximized()));
  if (placement != loadedPlacement_) store.writeText(kWindowSettingsSection, kWindowPosKey, placement);
  if (area_->showState() != loadedShowState_) store.writeInt(kWindowSettingsSection, kShowCmdKey, area_->showState());
  recent_.save(store);
}

void MainWindow::showPlaced() {
  if (placedMaximised_) {
    showMaximized();
  } else {
    show();
  }
  resizeDocks({host_->messageDock()}, {static_cast<int>(height() * kMessageWindowShare)}, Qt::Vertical);
}

void MainWindow::runCommandId(int id) {
  if (!commands_) return;
  {
    HelpCommandScope help(*host_, id);
    runCommand(*commands_, id);
  }
  refreshStates();
  scheduleIdleWork();
}

void MainWindow::scheduleIdleWork() {
  QMetaObject::invokeMethod(this, [this] { idleTimer_.start(); }, Qt::QueuedConnection);
}

void MainWindow::runIdleWork() {
  if (commands_ && z5::runIdleWork(*commands_)) refreshStates();
}

void MainWindow::refreshStates() {
  if (!commands_) return;
  actions_->applyStates(commandStates(*commands_));
  QStringList recent;
  for (const std::string& path : recent_.entries()) {
    recent.append(toQString(numberedEntryText(static_cast<int>(recent.size()), path)));
  }
  actions_->setEntryTexts(cmd::kFirstRecentFile, cmd::kRecentFileCount, recent);
  QStringList windows;
  for (const QMdiSubWindow* window : area_->windows()) {
    windows.append(toQString(numberedEntryText(static_cast<int>(windows.size()), toStdString(window->windowTitle()))));
  }
  actions_->setEntryTexts(cmd::kFirstWindow, cmd::kWindowListSize, windows);
}

void MainWindow::menuAboutToShow(QMenu*) { refreshStates(); }

void MainWindow::showCaret(int line, int column, int lineCount) {
  if (line == 0 || app_ == nullptr) {
    linePane_->clear();
    columnPane_->clear();
    return;
  }
  linePane_->setText(toQString(linePaneText(app_->strings(), line, lineCount)));
  columnPane_->setText(toQString(columnPaneText(app_->strings(), column)));
}

bool MainWindow::openFile(const QString& path) {
  if (app_ == nullptr) return false;
  const std::string file = toStdString(path);
  if (app_->documents().openText(file) == nullptr) {
    recent_.remove(file);
    return false;
  }
  recent_.add(file);
  refreshStates();
  return true;
}

void MainWindow::discardDocuments() {
  if (app_ == nullptr) return;
  while (!app_->documents().empty()) app_->documents().close(*app_->documents().documents().back());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!area_->saveAllModified()) {
    event->ignore();
    return;
  }
  event->accept();
}

// Files dropped on the window open as the File menu's Open would.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) return;
  }
  event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) openFile(url.toLocalFile());
  event->acceptProposedAction();
}

EditorView* MainWindow::activeEditor() const { return area_->activeEditor(); }

void MainWindow::insertAtCaret(std::string_view text) {
  if (EditorView* editor = activeEditor()) editor->insertPlainText(toQString(text));
}

bool MainWindow::openOnDesktop(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

std::optional<std::string> MainWindow::askOpenName(const std::string& directory, std::string_view pattern) {
  return area_->askOpenName(directory, pattern);
}

FrameConditions MainWindow::frameConditions() const {
  FrameConditions c;
  if (const EditorView* editor = activeEditor()) {
    c.canUndo = editor->textDocument()->isUndoAvailable();
    c.canRedo = editor->textDocument()->isRedoAvailable();
    c.hasSelection = editor->textCursor().hasSelection();
    c.canPaste = clipboardHasText_ && !editor->isReadOnly();
  }
  if (app_ != nullptr) {
    c.wordWrap = app_->editorProfile().wordWrap;
    const Document* active = area_->activeDocument();
    const bool mapActive = active != nullptr && active->kind() == DocumentKind::Map;
    c.printerFontSet = mapActive ? !app_->mapFonts().printerFollowsDisplay()
                                 : !app_->editorProfile().printerFollowsDisplay();
  }
  c.toolBarShown = !toolBar_->isHidden();
  c.statusBarShown = !statusBar()->isHidden();
  c.recentFiles = static_cast<int>(recent_.entries().size());
  const QList<QMdiSubWindow*> windows = area_->windows();
  c.windows = static_cast<int>(windows.size());
  c.activeWindow = static_cast<int>(windows.indexOf(area_->currentSubWindow()));
  return c;
}

}  // namespace z5
