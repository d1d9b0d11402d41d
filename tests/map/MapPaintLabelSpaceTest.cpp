// Names that would be written over text already on the map are left out;
// their marks stay.

#include "map/LabelSpace.h"

#include <gtest/gtest.h>

#include "RecordingSurface.h"

namespace z5 {
namespace {

using test::RecordingSurface;
using test::SurfaceCall;

TEST(MapPaintLabelSpace, OptionalTextOverOtherTextIsLeftOutButItsMarkIsDrawn) {
  RecordingSurface inner(400, 300);
  LabelSpace space;
  UnclutteredSurface surface(inner, space);
  surface.textOut(10, 10, "Grid label");  // always written
  surface.setOptionalText(true);
  surface.textOut(20, 15, "Portsmouth");  // overlaps the grid label
  surface.circle(18, 15, 2);
  surface.textOut(20, 40, "Southampton");  // room here
  surface.textOut(30, 45, "Cowes");        // overlaps Southampton
  EXPECT_EQ(inner.count(SurfaceCall::Text), 2);
  EXPECT_EQ(inner.texts("Southampton").size(), 1u);
  EXPECT_EQ(inner.count(SurfaceCall::Circle), 1);
  EXPECT_EQ(surface.textsLeftOut(), 2);
}

TEST(MapPaintLabelSpace, TextsThatOnlyTouchDoNotMeet) {
  LabelSpace space;
  space.take({0, 0, 50, 14});
  EXPECT_TRUE(space.isFree({50, 0, 80, 14}));
  EXPECT_TRUE(space.isFree({0, 14, 50, 28}));
  EXPECT_FALSE(space.isFree({49, 13, 80, 28}));
}

TEST(MapPaintLabelSpace, RequiredTextIsWrittenEvenOverOtherText) {
  RecordingSurface inner(400, 300);
  LabelSpace space;
  UnclutteredSurface surface(inner, space);
  surface.textOut(10, 10, "90251");
  surface.textOut(12, 12, "30-00N");
  EXPECT_EQ(inner.count(SurfaceCall::Text), 2);
}

}  // namespace
}  // namespace z5
