#pragma once
// Support of the editor tests: the one QApplication of the test program
// (until the main window's fixture provides it), a program over an
// in-memory profile, editors on documents of their own, and the answering
// of modal dialogs as a user would.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "FixedClock.h"
#include "ScriptedHost.h"
#include "WidgetApplication.h"
#include "app/Z5App.h"
#include "editor/RouteDocument.h"
#include "ui/EditorView.h"

namespace z5::test {

// Runs `answer` on the next modal dialog once it is up.
inline void whenModal(std::function<void(QWidget*)> answer) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    poll->stop();
    poll->deleteLater();
    answer(dialog);
  });
  poll->start();
}

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : app(host, store, clock) { widgetApplication(); }

  // An editor of a new document holding `text`.
  EditorView& edit(std::string text, std::string path = "/tmp/route.txt") {
    documents.push_back(std::make_unique<RouteDocument>(std::move(path), std::move(text)));
    views.push_back(std::make_unique<EditorView>(app, *documents.back()));
    views.back()->resize(640, 400);
    views.back()->show();
    return *views.back();
  }
  RouteDocument& document() { return *documents.back(); }

  ScriptedHost host;
  MemorySettingsStore store;
  FixedClock clock;
  Z5App app;
  std::vector<std::unique_ptr<RouteDocument>> documents;
  std::vector<std::unique_ptr<EditorView>> views;  // go before their documents
};

}  // namespace z5::test
