#include "ui/FindReplaceDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/EditorView.h"

namespace z5 {
namespace {

// The text fields are wide enough for a waypoint name and more.
constexpr int kFieldCharacters = 30;

QString notFound(const TextSearch& search) { return QObject::tr("Cannot find \"%1\".").arg(search.pattern); }

}  // namespace

bool findAgain(EditorView& editor) {
  const QTextCursor found = editor.search().next(*editor.textDocument(), editor.textCursor());
  if (found.isNull()) {
    editor.showNote(notFound(editor.search()));
    return false;
  }
  editor.setTextCursor(found);
  editor.ensureCursorVisible();
  return true;
}

FindReplaceDialog* FindReplaceDialog::open(EditorView& editor, Mode mode) {
  auto* dialog = editor.findChild<FindReplaceDialog*>(QString(), Qt::FindDirectChildrenOnly);
  if (dialog && dialog->mode() != mode) {
    dialog->close();
    dialog = nullptr;
  }
  if (!dialog) dialog = new FindReplaceDialog(editor, mode);
  const QString selected = editor.textCursor().selectedText();
  if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator)) dialog->pattern_->setText(selected);
  dialog->pattern_->selectAll();
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  dialog->pattern_->setFocus();
  return dialog;
}

FindReplaceDialog::FindReplaceDialog(EditorView& editor, Mode mode)
    : QDialog(&editor), editor_(editor), mode_(mode) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(mode == Mode::Find ? tr("Find") : tr("Replace"));
  const TextSearch& search = editor.search();

  auto* fields = new QFormLayout;
  const int fieldWidth = fontMetrics().averageCharWidth() * kFieldCharacters;
  pattern_ = new QLineEdit(search.pattern);
  pattern_->setMinimumWidth(fieldWidth);
  fields->addRow(tr("Fi&nd what:"), pattern_);
  if (mode == Mode::Replace) {
    replacement_ = new QLineEdit(search.replacement);
    replacement_->setMinimumWidth(fieldWidth);
    fields->addRow(tr("Re&place with:"), replacement_);
  }
  wholeWord_ = new QCheckBox(tr("Match &whole word only"));
  wholeWord_->setChecked(search.wholeWord);
  matchCase_ = new QCheckBox(tr("Match &case"));
  matchCase_->setChecked(search.matchCase);

  auto* options = new QHBoxLayout;
  auto* checks = new QVBoxLayout;
  checks->addWidget(wholeWord_);
  checks->addWidget(matchCase_);
  options->addLayout(checks);
  if (mode == Mode::Find) {
    auto* direction = new QGroupBox(tr("Direction"));
    auto* directions = new QHBoxLayout(direction);
    up_ = new QRadioButton(tr("&Up"));
    auto* down = new QRadioButton(tr("&Down"));
    (search.up ? up_ : down)->setChecked(true);
    directions->addWidget(up_);
    directions->addWidget(down);
    options->addWidget(direction);
  }

  auto* buttons = new QDialogButtonBox(Qt::Vertical);
  findButton_ = buttons->addButton(tr("&Find Next"), QDialogButtonBox::ActionRole);
  findButton_->setDefault(true);
  connect(findButton_, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
  if (mode == Mode::Replace) {
    replaceButton_ = buttons->addButton(tr("&Replace"), QDialogButtonBox::ActionRole);
    replaceAllButton_ = buttons->addButton(tr("Replace &All"), QDialogButtonBox::ActionRole);
    connect(replaceButton_, &QPushButton::clicked, this, &FindReplaceDialog::replaceOne);
    connect(replaceAllButton_, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
  }
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addLayout(options);
  left->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addWidget(buttons);

  connect(pattern_, &QLineEdit::textChanged, this, &FindReplaceDialog::updateButtons);
  updateButtons();
}

void FindReplaceDialog::updateButtons() {
  const bool any = !pattern_->text().isEmpty();
  findButton_->setEnabled(any);
  if (replaceButton_) replaceButton_->setEnabled(any);
  if (replaceAllButton_) replaceAllButton_->setEnabled(any);
}

void FindReplaceDialog::takeFields() {
  TextSearch& search = editor_.search();
  search.pattern = pattern_->text();
  if (replacement_) search.replacement = replacement_->text();
  search.wholeWord = wholeWord_->isChecked();
  search.matchCase = matchCase_->isChecked();
  search.up = up_ && up_->isChecked();
}

void FindReplaceDialog::findNext() {
  takeFields();
  findAgain(editor_);
}

void FindReplaceDialog::replaceOne() {
  takeFields();
  const TextSearch& search = editor_.search();
  QTextCursor selection = editor_.textCursor();
  if (search.matches(selection) && editor_.fitsLimit(selection.selectedText().size(), search.replacement.size())) {
    selection.insertText(search.replacement);
    editor_.setTextCursor(selection);
  }
  findAgain(editor_);
}

void FindReplaceDialog::replaceAll() {
  takeFields();
  const TextSearch& search = editor_.search();
  const QList<QTextCursor> matches = search.all(*editor_.textDocument());
  if (matches.isEmpty()) {
    editor_.showNote(notFound(search));
    return;
  }
  const qsizetype count = matches.size();
  if (!editor_.fitsLimit(count * search.pattern.size(), count * search.replacement.size())) return;
  QTextCursor edit(editor_.textDocument());
  edit.beginEditBlock();
  for (QTextCursor match : matches) match.insertText(search.replacement);
  edit.endEditBlock();
  editor_.showNote(count == 1 ? tr("Replaced 1 occurrence.") : tr("Replaced %1 occurrences.").arg(count));
}

}  // namespace z5
