#pragma once
// The document windows: an MDI area holding one sub-window per open route,
// output and map document. It carries out what the core asks of the
// documents' windows (DocumentWindows), tells the documents which window
// the user made active, and asks about unsaved changes before a text's
// window closes.

#include <optional>
#include <string>
#include <string_view>

#include <QHash>
#include <QList>
#include <QMdiArea>
#include <QPointer>

#include "editor/DocumentWindows.h"

class QMdiSubWindow;

namespace z5 {

class Document;
class EditorView;
class MapView;
class RouteDocument;
class Z5App;

class DocumentArea final : public QMdiArea, public DocumentWindows {
  Q_OBJECT
 public:
  explicit DocumentArea(QWidget* parent);

  // The documents of `app` are shown here from now on.
  void attach(Z5App& app);

  // How document windows open: maximised or restored (kShowMaximised,
  // kShowNormal) as the current one is, else as the profile says.
  void setShowState(int showState) { showState_ = showState; }
  int showState() const;

  Document* activeDocument() const;
  EditorView* activeEditor() const;
  // The map window in front; null when it is not a map.
  MapView* activeMapView() const;
  QList<EditorView*> editors() const;
  // The document windows in the order they were opened.
  QList<QMdiSubWindow*> windows() const { return subWindowList(QMdiArea::CreationOrder); }
  Document* documentOf(QMdiSubWindow* window) const;

  // Closes the document's window after asking about unsaved changes;
  // false when the user kept it.
  bool closeDocument(Document& document);
  // Before exit: each text with unsaved changes saved or let go as the
  // user says; false when he cancelled (nothing is closed).
  bool saveAllModified();
  // Saves the text under its name, or the name the user gives when it has
  // none or `askName`; false when not saved.
  bool saveDocument(RouteDocument& document, bool askName);

  // DocumentWindows.
  void opened(Document& document) override;
  void closing(Document& document) override;
  void bringForward(Document& document) override;
  void textChanged(RouteDocument& document) override;
  void selectLine(RouteDocument& document, int line, const std::string& lineText) override;
  // The open-file dialog in `directory` offering the files of `pattern`.
  std::optional<std::string> askOpenName(const std::string& directory, std::string_view pattern);
  std::optional<std::string> askSaveAsName(const RouteDocument& document, const std::string& directory,
                                           const std::string& pattern) override;
  void renderMap(MapDocument& map) override;
  void showStatus(const std::string& text) override;

 signals:
  // A file was opened or saved under a name: it goes to the recent files.
  void fileUsed(const QString& path);
  // The active editor's caret, both from 1, and its count of lines; all 0
  // when no editor is active.
  void caretMoved(int line, int column, int lineCount);
  void statusText(const QString& text);
  // The active document changed (the command states follow it).
  void activeDocumentChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMdiSubWindow* windowOf(const Document& document) const;
  // Save / Discard / Cancel for a text with unsaved changes: false on Cancel
  // or when saving failed.
  bool settleUnsavedChanges(RouteDocument& document);
  QWidget* makeView(Document& document);
  void windowActivated(QMdiSubWindow* window);
  void reportCaret();

  Z5App* app_ = nullptr;
  QHash<const Document*, QMdiSubWindow*> windows_;
  int showState_;
  bool programClosing_ = false;  // the core closes a window: no question
};

}  // namespace z5
