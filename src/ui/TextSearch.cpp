#include "ui/TextSearch.h"

namespace z5 {

QTextDocument::FindFlags TextSearch::flags() const {
  QTextDocument::FindFlags flags;
  if (matchCase) flags |= QTextDocument::FindCaseSensitively;
  if (wholeWord) flags |= QTextDocument::FindWholeWords;
  if (up) flags |= QTextDocument::FindBackward;
  return flags;
}

QTextCursor TextSearch::next(const QTextDocument& text, const QTextCursor& from) const {
  if (empty()) return {};
  QTextCursor found = text.find(pattern, from, flags());
  if (!found.isNull()) return found;
  QTextCursor end(const_cast<QTextDocument*>(&text));
  end.movePosition(up ? QTextCursor::End : QTextCursor::Start);
  return text.find(pattern, end, flags());
}

bool TextSearch::matches(const QTextCursor& selection) const {
  if (!selection.hasSelection() || empty()) return false;
  QTextCursor start(selection);
  start.setPosition(selection.selectionStart());
  const QTextCursor found =
      selection.document()->find(pattern, start, flags() & ~QTextDocument::FindFlags(QTextDocument::FindBackward));
  return !found.isNull() && found.selectionStart() == selection.selectionStart() &&
         found.selectionEnd() == selection.selectionEnd();
}

QList<QTextCursor> TextSearch::all(const QTextDocument& text) const {
  QList<QTextCursor> found;
  if (empty()) return found;
  const auto forward = flags() & ~QTextDocument::FindFlags(QTextDocument::FindBackward);
  QTextCursor at(const_cast<QTextDocument*>(&text));
  while (!(at = text.find(pattern, at, forward)).isNull()) found.push_back(at);
  return found;
}

}  // namespace z5
