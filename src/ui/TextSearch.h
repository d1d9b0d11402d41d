#pragma once
// What the find and replace dialogs look for, and the search itself: the
// next match after the caret (or before it, searching up), going round the
// end of the text once.

#include <QString>
#include <QTextCursor>
#include <QTextDocument>

class QPlainTextEdit;

namespace z5 {

struct TextSearch {
  QString pattern;
  QString replacement;
  bool matchCase = false;
  bool wholeWord = false;
  bool up = false;

  bool empty() const { return pattern.isEmpty(); }
  QTextDocument::FindFlags flags() const;
  // The next match from `from` in the search's direction, round the end
  // of the text; a null cursor when there is none.
  QTextCursor next(const QTextDocument& text, const QTextCursor& from) const;
  // Whether `selection` is exactly a match.
  bool matches(const QTextCursor& selection) const;
  // Every match from the start, in order.
  QList<QTextCursor> all(const QTextDocument& text) const;
};

}  // namespace z5
