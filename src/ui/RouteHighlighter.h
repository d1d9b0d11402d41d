#pragma once
// Colours the route language in an editor, each line as the route reader
// takes it (comments, directives, waypoint names, positions, AMVER and
// $CCWPL lines, and lines the reader would refuse). The reading state is
// kept with each line, so an edit recolours only the lines it affects.

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include "route/RouteLineKind.h"

namespace z5 {

class RouteHighlighter : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  explicit RouteHighlighter(QTextDocument* document);

  // The format a role is shown in (the keyword of a directive and the name
  // of a waypoint; the rest of their lines in argumentFormat / ignoredFormat).
  static QTextCharFormat roleFormat(RouteLineRole role);
  static QTextCharFormat argumentFormat();

 protected:
  void highlightBlock(const QString& text) override;
};

}  // namespace z5
