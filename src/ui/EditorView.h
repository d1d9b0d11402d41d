#pragma once
// The editor of one route or output document: a plain-text editor whose
// text is the document's. The user's edits mark the document changed at
// once and reach its text when the program next reads it; the program's
// changes reach the editor through showDocumentText() and selectLine().
// The editor holds at most RouteDocument::kTextLimit characters: a change
// that would pass it is refused with a message.

#include <QPlainTextEdit>
#include <QString>

#include "editor/RouteDocument.h"
#include "ui/TextSearch.h"

namespace z5 {

class EditorProfile;
class Z5App;

class EditorView : public QPlainTextEdit, private TextHolder {
  Q_OBJECT

 public:
  EditorView(Z5App& app, RouteDocument& document, QWidget* parent = nullptr);
  ~EditorView() override;

  // The document shown; nullptr once it has closed.
  RouteDocument* document() const { return document_; }
  // The editor's own text document (QPlainTextEdit::document()).
  QTextDocument* textDocument() const { return QPlainTextEdit::document(); }

  // The program changed the document's text: show it, caret at the end.
  void showDocumentText();
  // Caret at the start of `line` (from 1), scrolled into view, then `text`
  // selected searching forward from there, matching case. The line stays
  // marked as the place of the last error until the next edit.
  void selectLine(int line, const QString& text);
  // The line marked by selectLine (from 1), 0 when none.
  int markedLine() const { return markedLine_; }

  // Fonts, tab stops and word wrap as the profile holds them.
  void applyProfile(const EditorProfile& profile);

  // The caret's line and column, both from 1.
  int caretLine() const;
  int caretColumn() const;

  // The search the find and replace dialogs and Find Next share.
  TextSearch& search() { return search_; }
  // A short note in the timed pop-up ("Cannot find ...").
  void showNote(const QString& text);
  // False (and the user told) when replacing `removed` characters by
  // `added` ones would pass the editor's limit.
  bool fitsLimit(qsizetype removed, qsizetype added);

 public slots:
  void find();
  void findNext();
  void replace();
  void gotoLine();
  void setWordWrap(bool on);
  // Tab stops in dialog units: 4 units are one character.
  void setTabStops(int units);

 signals:
  void caretMoved(int line, int column);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  std::string currentText() const override;
  void documentGone() override;

  void textEdited(int position, int removed, int added);
  void clearMark();
  void applyTabStops();

  Z5App& app_;
  RouteDocument* document_;
  TextSearch search_;
  bool showing_ = false;    // the program is setting the text
  bool crlf_ = false;       // the document's lines end in "\r\n"
  int tabStopUnits_ = 32;
  int markedLine_ = 0;
};

}  // namespace z5
