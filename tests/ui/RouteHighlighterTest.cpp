// The route language coloured in the editor as the reader takes each line,
// and the line of an extraction error marked.

#include <fstream>
#include <sstream>

#include <QDir>
#include <QTextBlock>
#include <QTextLayout>

#include "EditorTesting.h"
#include "app/VoyageEngine.h"
#include "ui/RouteHighlighter.h"

namespace z5 {
namespace {

using test::EditorTest;

// The format the highlighter gave the character at `column` of `line`.
QTextCharFormat formatAt(EditorView& view, int line, int column) {
  const QTextBlock block = view.textDocument()->findBlockByNumber(line - 1);
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    if (column >= range.start && column < range.start + range.length) return range.format;
  }
  return {};
}

TEST_F(EditorTest, HighlighterShowsEachPartOfALineInItsRolesFormat) {
  EditorView& view = edit(
      "// comment\n"             // 1
      "!SPEED 12\n"              // 2
      "SOUTH BISHOP ROCK LIGHT\n"  // 3: the name keeps 18 characters
      "49-50.00N\n"              // 4
      "006-35.00Q\n"             // 5: no longitude
      "!FAST\n"                  // 6
      "$CCWPL,4030.00,N,07400.00,W,SANDY HOOK\n"  // 7
      "!OFF\n"                   // 8
      "NOT READ\n");             // 9
  struct Row {
    const char* legend;
    int line;
    int column;
    QTextCharFormat expected;
  };
  const Row rows[] = {
      {"a comment", 1, 3, RouteHighlighter::roleFormat(RouteLineRole::Comment)},
      {"a directive's keyword", 2, 2, RouteHighlighter::roleFormat(RouteLineRole::Directive)},
      {"a directive's argument", 2, 7, RouteHighlighter::argumentFormat()},
      {"the name's 18th character", 3, 17, RouteHighlighter::roleFormat(RouteLineRole::WaypointName)},
      {"past the name: not read", 3, 19, RouteHighlighter::roleFormat(RouteLineRole::Ignored)},
      {"a latitude", 4, 0, RouteHighlighter::roleFormat(RouteLineRole::Latitude)},
      {"an unreadable longitude", 5, 0, RouteHighlighter::roleFormat(RouteLineRole::BadLongitude)},
      {"no such directive", 6, 1, RouteHighlighter::roleFormat(RouteLineRole::UnknownDirective)},
      {"a $CCWPL sentence", 7, 10, RouteHighlighter::roleFormat(RouteLineRole::WaypointSentence)},
      {"scanning off: a would-be name is not read", 9, 0, RouteHighlighter::roleFormat(RouteLineRole::Ignored)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.legend);
    const QTextCharFormat shown = formatAt(view, row.line, row.column);
    EXPECT_EQ(shown.foreground(), row.expected.foreground());
    EXPECT_EQ(shown.fontWeight(), row.expected.fontWeight());
    EXPECT_EQ(shown.underlineStyle(), row.expected.underlineStyle());
  }
}

TEST_F(EditorTest, AnEditRecoloursTheLinesAfterIt) {
  EditorView& view = edit("!OFF\nSOLENT\n50 45N\n");
  EXPECT_EQ(formatAt(view, 3, 0).foreground(), RouteHighlighter::roleFormat(RouteLineRole::Ignored).foreground());
  QTextCursor mark(view.textDocument());
  mark.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  mark.insertText(QStringLiteral("//"));  // "//OFF" is a comment: scanning stays on
  EXPECT_EQ(formatAt(view, 3, 0).foreground(), RouteHighlighter::roleFormat(RouteLineRole::Latitude).foreground());
}

std::string sampleRoute() {
  std::ifstream in(std::string(Z5_DATA_DIR) + "/README.TXT", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Screenshots, RouteEditor) {
  test::widgetApplication();
  test::ScriptedHost host;
  MemorySettingsStore store;
  test::FixedClock clock;
  Z5App app(host, store, clock);
  ASSERT_TRUE(app.startUp(Z5_DATA_DIR));

  std::string text = sampleRoute();
  const std::size_t bishop = text.find("006-35.00W");
  ASSERT_NE(bishop, std::string::npos);
  text.replace(bishop, 10, "006-35.00Q");
  text += "$CCWPL,4030.00,N,07400.00,W,SANDY HOOK\n";
  RouteDocument document("/tmp/README.TXT", text);
  EditorView view(app, document);
  view.resize(900, 620);
  view.show();

  VoyageEngine(app).extractRoute(document.text(), document.path());
  ASSERT_FALSE(app.voyage().errors.empty());
  const ErrorLocation& error = app.voyage().errors.front();
  view.selectLine(error.line, QString::fromStdString(error.lineText));
  EXPECT_EQ(view.markedLine(), 43);
  QApplication::processEvents();

  const QPixmap shot = view.grab();
  ASSERT_FALSE(shot.isNull());
  if (const QByteArray dir = qgetenv("Z5_SCREENSHOTS_DIR"); !dir.isEmpty()) {
    QDir().mkpath(QString::fromLocal8Bit(dir));
    ASSERT_TRUE(shot.save(QString::fromLocal8Bit(dir) + QStringLiteral("/RouteEditor.png")));
  }
}

}  // namespace
}  // namespace z5
