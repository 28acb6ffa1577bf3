#include "publish/html_table_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/scan_context.h"
#include "class_list_builder.h"
#include "model/class_list.h"
#include "platform/output.h"
#include "test_support.h"

namespace {

class HtmlTableWriterTest : public testing::Test {
 protected:
  HtmlTableWriterTest() : context(out) {}
  void SetUp() override {
    if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  }

  std::string table() {
    out.clearCaptured();
    HtmlTableWriter(context.classes, context.options, out).writeTable();
    return out.captured();
  }
  /// The body rows of the table, one per line.
  std::vector<std::string> rows() {
    std::istringstream lines(table());
    std::vector<std::string> found;
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("<tr> <td>", 0) == 0) found.push_back(line);
    }
    return found;
  }

  Output out;
  ScanContext context;
  ClassListBuilder build{context.classes};
};

using Rows = std::vector<std::string>;

TEST_F(HtmlTableWriterTest, WorkedExampleWithoutAndWithTypeColumn) {
  build.declare("Animal", "public", "/src/app/Animal.java");
  ClassInfo* cat = build.declare("Cat", "public", "/src/app/Cat.java");
  context.classes.linkParent(cat, "Animal", cat->file, "app");
  ClassInfo* dog = build.declare("Dog", "public", "/src/app/Dog.java");
  context.classes.linkParent(dog, "Animal", dog->file, "app");
  dog->interfaces.insert(context.classes.addClass("interface", "Pet", "", dog->file, "app", false));

  EXPECT_EQ(rows(), (Rows{"<tr> <td>app <td>Animal <td>public <td>Animal.java",
                          "<tr> <td>app <td>Cat <td>public <td>Cat.java",
                          "<tr> <td>app <td>Dog <td>public <td>Dog.java"}));
  EXPECT_EQ(table().find("<th scope='col'>Type</th>"), std::string::npos);

  context.options.includeInterfaces = true;
  EXPECT_EQ(rows(), (Rows{"<tr> <td>app <td>class <td>Animal <td>public <td>Animal.java",
                          "<tr> <td>app <td>class <td>Cat <td>public <td>Cat.java",
                          "<tr> <td>app <td>class <td>Dog <td>public <td>Dog.java",
                          "<tr> <td>app <td>interface <td>Pet <td> <td>Dog.java"}));
  std::string withType = table();
  EXPECT_NE(withType.find("<th scope='col'>Package</th> \n<th scope='col'>Type</th> \n"
                          "<th scope='col'>Name</th> \n"),
            std::string::npos);
  EXPECT_EQ(withType.substr(withType.size() - 18), "</tbody>\n</table>\n");
}

// A footer wider than the header makes DataTables stop with a script error.
TEST_F(HtmlTableWriterTest, FooterSpansExactlyTheHeaderColumns) {
  build.declare("Animal", "public", "/src/app/Animal.java");
  struct Case {
    bool includeInterfaces;
    size_t headerColumns;
    const char* footerStart;
  };
  for (const Case& c : {Case{false, 4, "<tr>\n<td colspan='3'><a href="},
                        Case{true, 5, "<tr>\n<td colspan='4'><a href="}}) {
    SCOPED_TRACE(c.includeInterfaces ? "with -I" : "without -I");
    context.options.includeInterfaces = c.includeInterfaces;
    std::string html = table();
    size_t headerColumns = 0;
    for (size_t at = html.find("<th "); at != std::string::npos; at = html.find("<th ", at + 1)) {
      ++headerColumns;
    }
    EXPECT_EQ(headerColumns, c.headerColumns);
    size_t footer = html.find("<tfoot>\n");
    ASSERT_NE(footer, std::string::npos);
    EXPECT_EQ(html.compare(footer + 8, std::string(c.footerStart).size(), c.footerStart), 0)
        << html.substr(footer, 60);
    // The home link cell and the date cell: one row of header width.
    size_t footerEnd = html.find("</tfoot>", footer);
    std::string footerRow = html.substr(footer, footerEnd - footer);
    size_t cells = 0;
    for (size_t at = footerRow.find("<td"); at != std::string::npos;
         at = footerRow.find("<td", at + 1)) {
      ++cells;
    }
    EXPECT_EQ(cells, 2u);
  }
}

TEST_F(HtmlTableWriterTest, NamesOverTwentyBytesBreakAtDots) {
  build.declare("Outer.InnerClassName", "public", "/src/a/One.java");     // 20 bytes
  build.declare("Outer.InnerClassNames", "public", "/src/a/Two.java");    // 21 bytes
  build.declare("a.b.c.d.e.f.g.h.i.j.k", "public", "/src/a/Three.java");  // 21 bytes
  EXPECT_EQ(rows(),
            (Rows{"<tr> <td>app <td>Outer.InnerClassName <td>public <td>One.java",
                  "<tr> <td>app <td>Outer.<br>InnerClassNames <td>public <td>Two.java",
                  "<tr> <td>app <td>a.<br>b.<br>c.<br>d.<br>e.<br>f.<br>g.<br>h.<br>i.<br>j.<br>k "
                  "<td>public <td>Three.java"}));
}

TEST_F(HtmlTableWriterTest, FileCellsKeepSubdirectoriesBelowTheSharedDirectory) {
  build.declare("A", "public", "/src/app/model/A.java");
  build.declare("B", "public", "/src/app/view/B.java");
  build.declare("C", "public", "/src/apple/C.java");
  // The shared start "/src/app" ends inside a name: cut at its last separator.
  EXPECT_EQ(rows(), (Rows{"<tr> <td>app <td>A <td>public <td>app/model/A.java",
                          "<tr> <td>app <td>B <td>public <td>app/view/B.java",
                          "<tr> <td>app <td>C <td>public <td>apple/C.java"}));
}

TEST_F(HtmlTableWriterTest, SharedPathWithoutSeparatorKeepsWholePaths) {
  build.declare("A", "public", "A.java");
  build.declare("B", "public", "B.java");
  EXPECT_EQ(rows(), (Rows{"<tr> <td>app <td>A <td>public <td>A.java",
                          "<tr> <td>app <td>B <td>public <td>B.java"}));
}

TEST_F(HtmlTableWriterTest, HiddenRecordsShapeTheSharedPathButGetNoRow) {
  build.declare("A", "public", "/src/app/deep/A.java");
  build.declare("Secret", "", "/src/app/Secret.java");
  build.declare("Face", "public", "/src/app/deep/Face.java", "interface");
  EXPECT_EQ(rows(), (Rows{"<tr> <td>app <td>A <td>public <td>deep/A.java"}));

  context.options.includeNonPublic = true;
  EXPECT_EQ(rows(), (Rows{"<tr> <td>app <td>A <td>public <td>deep/A.java",
                          "<tr> <td>app <td>Secret <td> <td>Secret.java"}));
}

TEST_F(HtmlTableWriterTest, NonPublicParentGetsNoRowThoughItsChildIsPublic) {
  build.declare("Base", "abstract", "/src/app/Base.java");
  ClassInfo* child = build.declare("Child", "public", "/src/app/Child.java");
  context.classes.linkParent(child, "Base", child->file, "app");
  EXPECT_EQ(rows(), (Rows{"<tr> <td>app <td>Child <td>public <td>Child.java"}));
}

TEST_F(HtmlTableWriterTest, PrintedRecordsGetNoRow) {
  build.declare("A", "public", "/src/app/A.java")->flags = kPrinted;
  build.declare("B", "public", "/src/app/B.java");
  EXPECT_EQ(rows(), (Rows{"<tr> <td>app <td>B <td>public <td>B.java"}));
}

TEST_F(HtmlTableWriterTest, CellsFromSourcesAreEscaped) {
  build.declare("A", "public", "/src/<b>/x&y/A.java", "class", "p<q>&");
  build.declare("B", "public", "/src/<b>/B.java", "class", "p<q>&");
  EXPECT_EQ(rows(), (Rows{"<tr> <td>p&lt;q&gt;&amp; <td>A <td>public <td>x&amp;y/A.java",
                          "<tr> <td>p&lt;q&gt;&amp; <td>B <td>public <td>B.java"}));
}

TEST(ExtraHeadTabular, HasFiftyFourLinesWithTheThreeNetworkAddresses) {
  size_t lines = 0;
  for (char c : ExtraHeadTabular) lines += c == '\n';
  EXPECT_EQ(lines, 54u);
  EXPECT_EQ(ExtraHeadTabular.rfind("<style type = 'text/css'>\n#gradient-style\n{\n", 0), 0u);
  EXPECT_NE(ExtraHeadTabular.find("href='https://cdn.datatables.net/1.10.16/css/"
                                  "jquery.dataTables.min.css'> \n"),
            std::string::npos);
  EXPECT_NE(ExtraHeadTabular.find("/ajax/libs/jquery/3.2.1/jquery.min.js'></script> \n"),
            std::string::npos);
  EXPECT_NE(ExtraHeadTabular.find("src='https://cdn.datatables.net/1.10.16/js/"
                                  "jquery.dataTables.min.js'></script> \n\n"),
            std::string::npos);
  EXPECT_EQ(ExtraHeadTabular.substr(ExtraHeadTabular.size() - 16), "}); \n</script> \n");
}

}  // namespace
