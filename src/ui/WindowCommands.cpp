// The main window's own commands, File, Edit, View, Window and Help, as the
// command table hands them over, and the dialogs the commands ask for.

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "app/AppCommands.h"
#include "app/Z5App.h"
#include "ui/AboutBox.h"
#include "ui/DocumentArea.h"
#include "ui/EditorFonts.h"
#include "ui/MapFontCommands.h"
#include "ui/EditorView.h"
#include "ui/GpsDialogWindow.h"
#include "ui/MainWindow.h"
#include "ui/MapView.h"
#include "ui/MapColourDialog.h"
#include "ui/Printing.h"
#include "ui/QtText.h"
#include "ui/SettingsSheetDialog.h"
#include "ui/TabStopsDialog.h"
#include "ui/UserGuide.h"

namespace z5 {

void MainWindow::runFrameCommand(FrameCommand command, int index) {
  switch (command) {
    case FrameCommand::New:
    case FrameCommand::Open:
    case FrameCommand::Close:
    case FrameCommand::Save:
    case FrameCommand::SaveAs:
    case FrameCommand::PageSetup:
    case FrameCommand::Print:
    case FrameCommand::PrintPreview:
    case FrameCommand::RecentFile:
    case FrameCommand::Exit:
      runFileCommand(command, index);
      return;
    case FrameCommand::Undo:
    case FrameCommand::Redo:
    case FrameCommand::Cut:
    case FrameCommand::Copy:
    case FrameCommand::Paste:
    case FrameCommand::Find:
    case FrameCommand::FindNext:
    case FrameCommand::Replace:
    case FrameCommand::GotoLine:
    case FrameCommand::WordWrap:
    case FrameCommand::TabStops:
      runEditCommand(command);
      return;
    case FrameCommand::Font:
    case FrameCommand::PrinterFont:
    case FrameCommand::MirrorDisplayFont:
      runFontCommand(command);
      return;
    case FrameCommand::ToolBar:
      toolBar_->setVisible(toolBar_->isHidden());
      return;
    case FrameCommand::StatusBar:
      statusBar()->setVisible(statusBar()->isHidden());
      return;
    case FrameCommand::Cascade:
    case FrameCommand::Tile:
    case FrameCommand::NextWindow:
    case FrameCommand::Window:
      runWindowCommand(command, index);
      return;
    case FrameCommand::HelpTopics:
    case FrameCommand::ContextHelp:
    case FrameCommand::About:
      runHelpCommand(command);
      return;
  }
}

void MainWindow::openWithDialog() {
  const std::string& dataFile = app_->settings().DATA_FILE;
  const QString start = dataFile.empty() ? toQString(app_->settings().HOME_PATH)
                                         : QFileInfo(toQString(dataFile)).absolutePath();
  const QString path = QFileDialog::getOpenFileName(
      this, tr("Open"), start, tr("All Files (*);;Text Files (*.txt *.TXT);;Output Files (*.out *.OUT)"), nullptr,
      QFileDialog::DontUseNativeDialog);
  if (!path.isEmpty()) openFile(path);
}

void MainWindow::runFileCommand(FrameCommand command, int index) {
  Document* active = area_->activeDocument();
  auto* text = active != nullptr && active->kind() != DocumentKind::Map ? static_cast<RouteDocument*>(active) : nullptr;
  switch (command) {
    case FrameCommand::New:
      app_->documents().newText();
      break;
    case FrameCommand::Open:
      openWithDialog();
      break;
    case FrameCommand::Close:
      if (active != nullptr) area_->closeDocument(*active);
      break;
    case FrameCommand::Save:
    case FrameCommand::SaveAs:
      if (text != nullptr) area_->saveDocument(*text, command == FrameCommand::SaveAs);
      break;
    case FrameCommand::RecentFile:
      if (index < static_cast<int>(recent_.entries().size())) {
        openFile(toQString(recent_.entries()[static_cast<std::size_t>(index)]));
      }
      break;
    case FrameCommand::Exit:
      close();
      break;
    case FrameCommand::PageSetup:
      runPageSetupDialog(this, app_->pageSetup());
      break;
    case FrameCommand::Print:
      if (MapView* map = area_->activeMapView()) {
        printMap(this, *app_, map->document(), map->picture());
      } else if (text != nullptr) {
        printDocument(this, *app_, *text);
      }
      break;
    case FrameCommand::PrintPreview:
      if (MapView* map = area_->activeMapView()) {
        previewMap(this, *app_, map->document(), map->picture());
      } else if (EditorView* editor = activeEditor(); editor != nullptr && text != nullptr) {
        QTextCursor caret = editor->textCursor();
        caret.setPosition(previewDocument(this, *app_, *text, caret.position()));
        editor->setTextCursor(caret);
      }
      break;
    default:
      break;
  }
}

void MainWindow::runEditCommand(FrameCommand command) {
  EditorView* editor = activeEditor();
  if (editor == nullptr) return;
  switch (command) {
    case FrameCommand::Undo:
      editor->undo();
      break;
    case FrameCommand::Redo:
      editor->redo();
      break;
    case FrameCommand::Cut:
      editor->cut();
      break;
    case FrameCommand::Copy:
      editor->copy();
      break;
    case FrameCommand::Paste:
      editor->paste();
      break;
    case FrameCommand::Find:
      editor->find();
      break;
    case FrameCommand::FindNext:
      editor->findNext();
      break;
    case FrameCommand::Replace:
      editor->replace();
      break;
    case FrameCommand::GotoLine:
      editor->gotoLine();
      break;
    case FrameCommand::WordWrap: {
      EditorProfile& profile = app_->editorProfile();
      profile.wordWrap = !profile.wordWrap;
      for (EditorView* each : area_->editors()) each->setWordWrap(profile.wordWrap);
      break;
    }
    case FrameCommand::TabStops:
      if (runTabStopsDialog(this, app_->editorProfile())) {
        for (EditorView* each : area_->editors()) each->applyProfile(app_->editorProfile());
      }
      break;
    default:
      break;
  }
}

void MainWindow::runFontCommand(FrameCommand command) {
  // On a map window the commands choose the map's fonts.
  if (const Document* active = area_->activeDocument(); active != nullptr && active->kind() == DocumentKind::Map) {
    if (command == FrameCommand::Font) {
      chooseMapDisplayFont(this, *app_);
    } else if (command == FrameCommand::PrinterFont) {
      chooseMapPrinterFont(this, *app_);
    } else {
      mirrorMapDisplayFont(*app_);
    }
    return;
  }
  EditorProfile& profile = app_->editorProfile();
  bool changed = true;
  switch (command) {
    case FrameCommand::Font:
      changed = chooseDisplayFont(this, profile);
      break;
    case FrameCommand::PrinterFont:
      changed = choosePrinterFont(this, profile);
      break;
    default:
      mirrorDisplayFont(profile);
      break;
  }
  if (!changed) return;
  for (EditorView* editor : area_->editors()) editor->applyProfile(profile);
}

void MainWindow::runWindowCommand(FrameCommand command, int index) {
  switch (command) {
    case FrameCommand::Cascade:
      area_->cascadeSubWindows();
      break;
    case FrameCommand::Tile:
      area_->tileSubWindows();
      break;
    case FrameCommand::NextWindow:
      area_->activateNextSubWindow();
      break;
    default: {
      const QList<QMdiSubWindow*> windows = area_->windows();
      if (index < windows.size()) area_->setActiveSubWindow(windows[index]);
      break;
    }
  }
}

void MainWindow::runHelpCommand(FrameCommand command) {
  switch (command) {
    case FrameCommand::HelpTopics:
      showUserGuide(this, 0);
      break;
    case FrameCommand::ContextHelp:
      QWhatsThis::enterWhatsThisMode();
      break;
    default:
      showAbout(this);
      break;
  }
}

void MainWindow::runSettingsSheet(SettingsSheet& sheet) { runSettingsSheetDialog(this, sheet); }

bool MainWindow::runColourDialog(SettingsRecord& settings) {
  return z5::runColourDialog(this, settings, app_->strings());
}

// The GPS dialog is made the first time it is shown; its buttons run their
// commands as the menus do.
void MainWindow::gpsDialogChanged(const GpsDialog& dialog) {
  if (gpsWindow_ == nullptr) {
    if (!dialog.visible()) return;
    gpsWindow_ = new GpsDialogWindow(this);
    connect(gpsWindow_, &GpsDialogWindow::commandRequested, this, &MainWindow::runCommandId);
  }
  gpsWindow_->show(dialog);
}

}  // namespace z5
