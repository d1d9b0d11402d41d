#include "ui/EditorView.h"

#include <algorithm>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

#include "app/Z5App.h"
#include "base/Utf8Text.h"
#include "editor/EditorProfile.h"
#include "ui/EditorFonts.h"
#include "ui/FindReplaceDialog.h"
#include "ui/NumberDialog.h"
#include "ui/RouteHighlighter.h"

namespace z5 {
namespace {

// How long the editor's refusals and notes stay on screen.
constexpr int kRefusalMs = 4000;
constexpr int kNoteMs = 2000;
// The marked line of the last error: a light red band.
const QColor kErrorLineColour(255, 214, 214);

bool usesCrLf(std::string_view text) {
  const std::size_t lineEnd = text.find('\n');
  return lineEnd != std::string_view::npos && lineEnd > 0 && text[lineEnd - 1] == '\r';
}

}  // namespace

EditorView::EditorView(Z5App& app, RouteDocument& document, QWidget* parent)
    : QPlainTextEdit(parent), app_(app), document_(&document) {
  // A report is not route text: only routes are coloured.
  if (document.kind() == DocumentKind::Route) new RouteHighlighter(textDocument());
  applyProfile(app.editorProfile());
  showDocumentText();
  moveCursor(QTextCursor::Start);
  document_->attachHolder(this);
  connect(textDocument(), &QTextDocument::contentsChange, this, &EditorView::textEdited);
  connect(this, &QPlainTextEdit::cursorPositionChanged, this,
          [this] { emit caretMoved(caretLine(), caretColumn()); });
}

EditorView::~EditorView() {
  if (document_) document_->attachHolder(nullptr);
}

std::string EditorView::currentText() const {
  QString text = toPlainText();
  if (crlf_) text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text.toStdString();
}

void EditorView::documentGone() { document_ = nullptr; }

void EditorView::showNote(const QString& text) { app_.host().showTimedPopup(text.toStdString(), kNoteMs); }

void EditorView::showDocumentText() {
  if (!document_) return;
  const std::string& text = document_->text();
  crlf_ = usesCrLf(text);
  showing_ = true;
  setPlainText(QString::fromStdString(linesAsUtf8(text)));
  showing_ = false;
  clearMark();
  moveCursor(QTextCursor::End);
}

void EditorView::textEdited(int /*position*/, int removed, int added) {
  if (showing_ || (removed == 0 && added == 0) || !document_) return;
  document_->editedIn(*this);
  clearMark();
}

void EditorView::selectLine(int line, const QString& text) {
  const QTextBlock block = textDocument()->findBlockByNumber(line - 1);
  if (!block.isValid()) return;
  QTextCursor caret(block);
  const QTextCursor found = textDocument()->find(text, caret, QTextDocument::FindCaseSensitively);
  setTextCursor(found.isNull() ? caret : found);
  centerCursor();

  markedLine_ = line;
  QTextEdit::ExtraSelection mark;
  mark.cursor = QTextCursor(block);
  mark.format.setBackground(kErrorLineColour);
  mark.format.setProperty(QTextFormat::FullWidthSelection, true);
  setExtraSelections({mark});
}

void EditorView::clearMark() {
  if (markedLine_ == 0) return;
  markedLine_ = 0;
  setExtraSelections({});
}

int EditorView::caretLine() const { return textCursor().blockNumber() + 1; }

int EditorView::caretColumn() const { return textCursor().positionInBlock() + 1; }

void EditorView::applyProfile(const EditorProfile& profile) {
  setFont(editorDisplayFont(profile));
  setWordWrap(profile.wordWrap);
  setTabStops(profile.tabStops);
}

void EditorView::setWordWrap(bool on) { setLineWrapMode(on ? WidgetWidth : NoWrap); }

void EditorView::setTabStops(int units) {
  tabStopUnits_ = units;
  applyTabStops();
}

void EditorView::applyTabStops() {
  const int characters = std::max(1, tabStopUnits_ / EditorProfile::kUnitsPerCharacter);
  setTabStopDistance(characters * fontMetrics().horizontalAdvance(QLatin1Char(' ')));
}

void EditorView::find() { FindReplaceDialog::open(*this, FindReplaceDialog::Mode::Find); }

void EditorView::replace() { FindReplaceDialog::open(*this, FindReplaceDialog::Mode::Replace); }

void EditorView::findNext() {
  if (search_.empty()) {
    find();
    return;
  }
  findAgain(*this);
}

void EditorView::gotoLine() {
  const auto line =
      askNumber(this, tr("Goto Line"), tr("&Line (1 to %1):").arg(blockCount()), caretLine(), 1, blockCount());
  if (!line) return;
  QTextCursor caret(textDocument()->findBlockByNumber(*line - 1));
  setTextCursor(caret);
  centerCursor();
}

bool EditorView::fitsLimit(qsizetype removed, qsizetype added) {
  // The text's characters: the document counts one more, its last paragraph end.
  const qsizetype length = textDocument()->characterCount() - 1;
  if (length - removed + added <= static_cast<qsizetype>(RouteDocument::kTextLimit)) return true;
  app_.messages().showMessage(tr("The text would grow past the %1 characters an editor holds; "
                                 "the change was not made.")
                                  .arg(RouteDocument::kTextLimit)
                                  .toStdString(),
                              kRefusalMs);
  return false;
}

void EditorView::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool inserts = !typed.isEmpty() && (typed.front().isPrint() || typed == QStringLiteral("\r") ||
                                            typed == QStringLiteral("\t"));
  if (inserts && !isReadOnly() && !fitsLimit(textCursor().selectedText().size(), typed.size())) return;
  QPlainTextEdit::keyPressEvent(event);
}

void EditorView::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = event->commitString();
  if (!committed.isEmpty() && !fitsLimit(textCursor().selectedText().size(), committed.size())) return;
  QPlainTextEdit::inputMethodEvent(event);
}

bool EditorView::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText() && QPlainTextEdit::canInsertFromMimeData(source);
}

void EditorView::insertFromMimeData(const QMimeData* source) {
  if (!fitsLimit(textCursor().selectedText().size(), source->text().size())) return;
  QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace z5
