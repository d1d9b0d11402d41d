#include "ui/DocumentArea.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMessageBox>

#include "app/Z5App.h"
#include "base/Messages.h"
#include "editor/MapDocument.h"
#include "editor/WindowPlacement.h"
#include "ui/EditorView.h"
#include "ui/MapView.h"

namespace z5 {
namespace {

// A restored document window opens at this share of the area: room for a
// report's lines, with the windows behind it still in reach.
constexpr double kRestoredWidthShare = 0.6;
constexpr double kRestoredHeightShare = 0.85;

QString qtText(const std::string& text) { return QString::fromStdString(text); }

// The file dialog's filter for a pattern of the core ("*.*": every file).
QString fileFilter(const std::string& pattern) {
  return pattern == "*.*" || pattern.empty() ? QStringLiteral("All Files (*)")
                                             : QStringLiteral("Files (%1);;All Files (*)").arg(qtText(pattern));
}

}  // namespace

DocumentArea::DocumentArea(QWidget* parent) : QMdiArea(parent), showState_(kShowMaximised) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Tiled and stepped through in the order they were opened: the route
  // before its report.
  setActivationOrder(QMdiArea::CreationOrder);
  connect(this, &QMdiArea::subWindowActivated, this, &DocumentArea::windowActivated);
}

void DocumentArea::attach(Z5App& app) {
  app_ = &app;
  app.documents().attachWindows(*this);
}

Document* DocumentArea::documentOf(QMdiSubWindow* window) const {
  for (auto it = windows_.cbegin(); it != windows_.cend(); ++it) {
    if (it.value() == window) return const_cast<Document*>(it.key());
  }
  return nullptr;
}

QMdiSubWindow* DocumentArea::windowOf(const Document& document) const { return windows_.value(&document); }

Document* DocumentArea::activeDocument() const { return documentOf(currentSubWindow()); }

EditorView* DocumentArea::activeEditor() const {
  QMdiSubWindow* window = currentSubWindow();
  return window == nullptr ? nullptr : qobject_cast<EditorView*>(window->widget());
}

MapView* DocumentArea::activeMapView() const {
  QMdiSubWindow* window = currentSubWindow();
  return window == nullptr ? nullptr : qobject_cast<MapView*>(window->widget());
}

QList<EditorView*> DocumentArea::editors() const {
  QList<EditorView*> all;
  for (QMdiSubWindow* window : windows()) {
    if (auto* editor = qobject_cast<EditorView*>(window->widget())) all.append(editor);
  }
  return all;
}

// Texts open in an editor, maps in a map view.
QWidget* DocumentArea::makeView(Document& document) {
  if (document.kind() == DocumentKind::Map) return new MapView(*app_, static_cast<MapDocument&>(document));
  auto* editor = new EditorView(*app_, static_cast<RouteDocument&>(document));
  connect(editor, &EditorView::caretMoved, this, [this, editor] {
    if (activeEditor() == editor) reportCaret();
  });
  return editor;
}

void DocumentArea::opened(Document& document) {
  QWidget* view = makeView(document);
  if (view == nullptr) {
    // Without a window of its own the document does not become the active one.
    if (Document* shown = activeDocument()) app_->documents().activate(*shown);
    return;
  }
  const bool maximised = showState() == kShowMaximised;
  QMdiSubWindow* window = addSubWindow(view);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(qtText(document.title()));
  window->installEventFilter(this);
  windows_.insert(&document, window);
  if (maximised) {
    window->showMaximized();
  } else {
    window->resize(viewport()->width() * kRestoredWidthShare, viewport()->height() * kRestoredHeightShare);
    window->show();
  }
  setActiveSubWindow(window);
  app_->documents().activate(document);
  if (document.hasPath()) emit fileUsed(qtText(document.path()));
  emit activeDocumentChanged();
}

void DocumentArea::closing(Document& document) {
  QMdiSubWindow* window = windows_.take(&document);
  if (window == nullptr) return;
  programClosing_ = true;
  window->close();
  programClosing_ = false;
  if (windows_.isEmpty()) emit caretMoved(0, 0, 0);
  emit activeDocumentChanged();
}

void DocumentArea::bringForward(Document& document) {
  if (QMdiSubWindow* window = windowOf(document)) setActiveSubWindow(window);
}

void DocumentArea::textChanged(RouteDocument& document) {
  if (QMdiSubWindow* window = windowOf(document)) {
    if (auto* editor = qobject_cast<EditorView*>(window->widget())) editor->showDocumentText();
  }
}

void DocumentArea::selectLine(RouteDocument& document, int line, const std::string& lineText) {
  QMdiSubWindow* window = windowOf(document);
  if (window == nullptr) return;
  setActiveSubWindow(window);
  if (auto* editor = qobject_cast<EditorView*>(window->widget())) {
    editor->selectLine(line, qtText(lineText));
    editor->setFocus();
  }
}

std::optional<std::string> DocumentArea::askSaveAsName(const RouteDocument& document, const std::string& directory,
                                                       const std::string& pattern) {
  QString start = qtText(directory);
  if (document.hasPath()) start = QFileInfo(QString::fromStdString(document.path())).absoluteFilePath();
  const QString chosen = QFileDialog::getSaveFileName(window(), tr("Save As"), start, fileFilter(pattern), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::optional<std::string> DocumentArea::askOpenName(const std::string& directory, std::string_view pattern) {
  const QString chosen = QFileDialog::getOpenFileName(window(), tr("Open"), qtText(directory),
                                                      fileFilter(std::string(pattern)), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

void DocumentArea::renderMap(MapDocument& map) {
  if (QMdiSubWindow* window = windowOf(map)) {
    if (auto* view = qobject_cast<MapView*>(window->widget())) view->render();
  }
}

void DocumentArea::showStatus(const std::string& text) { emit statusText(qtText(text)); }

int DocumentArea::showState() const {
  const QMdiSubWindow* current = currentSubWindow();
  if (current == nullptr) return showState_;
  return current->isMaximized() ? kShowMaximised : kShowNormal;
}

bool DocumentArea::saveDocument(RouteDocument& document, bool askName) {
  std::string path = document.path();
  if (askName || path.empty()) {
    const std::string directory = document.hasPath() ? QFileInfo(qtText(path)).absolutePath().toStdString()
                                                     : app_->settings().HOME_PATH;
    const auto chosen = askSaveAsName(document, directory, "*.*");
    if (!chosen) return false;
    path = *chosen;
  }
  if (!app_->documents().save(document, path)) return false;
  if (QMdiSubWindow* window = windowOf(document)) window->setWindowTitle(qtText(document.title()));
  emit fileUsed(qtText(document.path()));
  return true;
}

bool DocumentArea::settleUnsavedChanges(RouteDocument& document) {
  if (!document.modified()) return true;
  bringForward(document);
  const auto answer = QMessageBox::question(
      window(), QString::fromUtf8(Messages::kTitle), tr("Save changes to %1?").arg(qtText(document.displayName())),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Cancel) return false;
  return answer == QMessageBox::Discard || saveDocument(document, false);
}

bool DocumentArea::closeDocument(Document& document) {
  if (document.kind() != DocumentKind::Map && !settleUnsavedChanges(static_cast<RouteDocument&>(document))) {
    return false;
  }
  app_->documents().close(document);
  return true;
}

bool DocumentArea::saveAllModified() {
  if (app_ == nullptr) return true;
  for (const auto& document : app_->documents().documents()) {
    if (document->kind() != DocumentKind::Map && !settleUnsavedChanges(static_cast<RouteDocument&>(*document))) {
      return false;
    }
  }
  return true;
}

// The user closes a document's window: the document is closed after the
// question about unsaved changes (which may keep it open).
bool DocumentArea::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close && !programClosing_) {
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    if (Document* document = documentOf(window)) {
      event->ignore();
      closeDocument(*document);
      return true;
    }
  }
  return QMdiArea::eventFilter(watched, event);
}

// The window under the user's hand is the active document. A null window
// comes also when the program loses the focus: the current one stays.
void DocumentArea::windowActivated(QMdiSubWindow*) {
  if (app_ == nullptr) return;
  if (Document* document = activeDocument()) app_->documents().activate(*document);
  reportCaret();
  emit activeDocumentChanged();
}

void DocumentArea::reportCaret() {
  EditorView* editor = activeEditor();
  if (editor == nullptr) {
    emit caretMoved(0, 0, 0);
    return;
  }
  emit caretMoved(editor->caretLine(), editor->caretColumn(), editor->blockCount());
}

}  // namespace z5
