#include "publish/output_style.h"

#include <gtest/gtest.h>

namespace {

struct RowCase {
  const char* name;
  const StyleRow& row;
  const char* plusMinus;
};

const RowCase kRows[] = {
    {"TreeHeader", TreeHeader, "\nClass Tree\n"},
    {"LineStart", LineStart, ""},
    {"FieldSeparator", FieldSeparator, ": "},
    {"LineEnd", LineEnd, "\n"},
    {"BranchTee", BranchTee, "   +"},
    {"BranchCorner", BranchCorner, "   -"},
    {"StemBar", StemBar, "   |"},
    {"StemBlank", StemBlank, "    "},
};

// -z sets the GraphViz style, which has no row; a tree drawn in it (by a
// text or HTML publisher still installed) once read past every row's end.
TEST(StyleRowTest, GraphVizStyleReadsNoRowPastItsEnd) {
  for (const RowCase& each : kRows) {
    EXPECT_EQ(each.row[GraphViz], "") << each.name;
    EXPECT_EQ(each.row[static_cast<OutputStyle>(-1)], "") << each.name;
    EXPECT_EQ(each.row[PlusMinus], each.plusMinus) << each.name;
  }
}

}  // namespace
