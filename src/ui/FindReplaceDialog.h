#pragma once
// The modeless "Find" and "Replace" dialogs of an editor. Each editor has
// at most one open; it searches with the editor's TextSearch, which Find
// Next repeats after the dialog has closed.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace z5 {

class EditorView;

class FindReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Find, Replace };

  // Shows the editor's dialog in `mode`, preset with the selected text (or
  // the last pattern), and brings it forward.
  static FindReplaceDialog* open(EditorView& editor, Mode mode);

  Mode mode() const { return mode_; }

 public slots:
  void findNext();
  void replaceOne();
  void replaceAll();

 private:
  FindReplaceDialog(EditorView& editor, Mode mode);
  // The fields into the editor's search.
  void takeFields();
  void updateButtons();

  EditorView& editor_;
  Mode mode_;
  QLineEdit* pattern_;
  QLineEdit* replacement_ = nullptr;
  QCheckBox* wholeWord_;
  QCheckBox* matchCase_;
  QRadioButton* up_ = nullptr;
  QPushButton* findButton_;
  QPushButton* replaceButton_ = nullptr;
  QPushButton* replaceAllButton_ = nullptr;
};

// Find Next: the editor's last search again, from the caret; a message
// when nothing matches. True when a match was selected.
bool findAgain(EditorView& editor);

}  // namespace z5
