// The output sink: the heading before the first text of a file or of the
// message window, the line count, the continuation of a line, and a failed
// write.

#include "report/OutputSink.h"

#include <gtest/gtest.h>

#include <sstream>

#include "ScriptedHost.h"
#include "report/ReportOutput.h"

namespace z5 {
namespace {

// A stream whose every write fails, as a full disk does.
class FailingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(OutputSink, FileReceivesTheHeadingOnceBeforeTheFirstText) {
  std::ostringstream file;
  OutputSink sink(file);
  const int first = sink.appendOutput("HEAD\n\n", "row 1\n", 0, 1, false);
  const int second = sink.appendOutput("HEAD\n\n", "row 2\n", first, 1, false);
  EXPECT_EQ(file.str(), "HEAD\n\nrow 1\nrow 2\n");
  EXPECT_EQ(first, 3) << "the heading's two lines and the text's one";
  EXPECT_EQ(second, 4);
}

TEST(OutputSink, FirstAppendWithoutHeadingLeavesTheHeadingOut) {
  std::ostringstream file;
  OutputSink sink(file);
  EXPECT_EQ(sink.appendOutput("HEAD\n", "\n", 0, 1, true), 1);
  EXPECT_EQ(file.str(), "\n");
}

TEST(OutputSink, AnEmptyFirstTextStillCountsSoTheHeadingIsNotWrittenTwice) {
  std::ostringstream file;
  OutputSink sink(file);
  const int count = sink.appendOutput("", "", 0, 0, true);
  EXPECT_GE(count, 1);
  EXPECT_EQ(sink.appendOutput("HEAD\n", "text\n", count, 1, false), count + 1);
  EXPECT_EQ(file.str(), "text\n");
}

TEST(OutputSink, MessageWindowShowsTheHeadingOrALeadingLineEndAndComesUp) {
  test::ScriptedHost host;
  StringTable strings;
  Messages window(host, strings);
  OutputSink sink(window);
  int count = sink.appendOutput("HEAD\n", "row\n", 0, 1, false);
  count = sink.appendOutput("HEAD\n", "next\n", count, 1, false);
  EXPECT_EQ(window.text(), "HEAD\r\nrow\r\nnext\r\n");
  EXPECT_GT(host.windowShown, 0);

  Messages other(host, strings);
  OutputSink plain(other);
  plain.appendOutput("HEAD\n", "text", 0, 0, true);
  EXPECT_EQ(other.text(), "\r\ntext");
}

TEST(OutputSink, MinimisedMainWindowKeepsTheMessageWindowDown) {
  test::ScriptedHost host;
  host.minimised = true;
  StringTable strings;
  Messages window(host, strings);
  OutputSink(window).appendOutput("HEAD\n", "row\n", 0, 1, false);
  EXPECT_EQ(host.windowShown, 0);
  EXPECT_EQ(window.text(), "HEAD\r\nrow\r\n");
}

TEST(OutputSink, ContinuationJoinsTheCurrentLine) {
  std::ostringstream file;
  OutputSink sink(file);
  ReportOutput report(sink, "H\n");
  report.write("\n 2045");
  report.continueLine(", 2675");
  report.write("\n");
  EXPECT_EQ(file.str(), "H\n\n 2045, 2675\n");
  EXPECT_EQ(report.lineCount(), 3) << "the continuation adds no line";
}

TEST(OutputSink, FailedWriteReturnsZeroAndTheReportWritesNothingMore) {
  FailingBuffer buffer;
  std::ostream broken(&buffer);
  OutputSink sink(broken);
  EXPECT_EQ(sink.appendOutput("HEAD\n", "row\n", 0, 1, false), 0);
  EXPECT_FALSE(sink.appendToLine(",1"));

  ReportOutput report(sink, "HEAD\n");
  EXPECT_FALSE(report.write("row\n"));
  EXPECT_TRUE(report.failed());
  EXPECT_FALSE(report.write("more\n"));
}

}  // namespace
}  // namespace z5
