#include "publish/publish_html.h"

#include <gtest/gtest.h>

#include <ctime>
#include <iostream>
#include <sstream>
#include <string>

#include "app/scan_context.h"
#include "model/class_list.h"
#include "platform/output.h"
#include "publish/format_date.h"
#include "publish/publish_viz.h"
#include "publish/section_loader.h"
#include "test_support.h"

namespace {

/// Collects standard error while it lives.
class CapturedErrors {
 public:
  CapturedErrors() : old_(std::cerr.rdbuf(text_.rdbuf())) {}
  ~CapturedErrors() { std::cerr.rdbuf(old_); }
  std::string text() const { return text_.str(); }

 private:
  std::ostringstream text_;
  std::streambuf* old_;
};

class PublishHtmlTest : public testing::Test {
 protected:
  PublishHtmlTest() : context(out), html(context.classes, context.options, context.output) {}

  std::string head(std::optional<std::string_view> extra) {
    out.clearCaptured();
    html.writeHead(extra);
    return out.captured();
  }

  Output out;
  ScanContext context;
  PublishHtml html;
};

TEST(DefaultHead, HasTwentyTwoLinesOf669Bytes) {
  size_t lines = 0;
  for (char c : DefaultHead) lines += c == '\n';
  EXPECT_EQ(lines, 22u);
  EXPECT_EQ(DefaultHead.size(), 669u);
  EXPECT_EQ(DefaultHead.rfind("<head> \n<meta name=\"keywords\"", 0), 0u);
  EXPECT_EQ(DefaultHead.substr(DefaultHead.size() - 9), "</style>\n");
}

TEST_F(PublishHtmlTest, DefaultHeadCarriesBothTitlesAndTheDtreeLinks) {
  const std::string links =
      "    <link rel=StyleSheet href=dtree.css type=text/css /> \n"
      "    <script type=text/javascript src=dtree.js ></script>  \n";
  EXPECT_EQ(head(std::nullopt),
            std::string(DefaultHead) + "    <title>Class List </title> \n" + links + "</head> \n");
  context.options.titles = {"A", "B", "C"};
  EXPECT_EQ(head("EXTRA\n"),
            std::string(DefaultHead) + "    <title>A B</title> \n" + links + "EXTRA\n</head> \n");
}

TEST_F(PublishHtmlTest, HeadSectionReceivesExtraTextBeforeItsLastHeadEnd) {
  html.headSection = "<head><!-- </head> --></head>\n";
  EXPECT_EQ(head("X"), "<head><!-- </head> -->X</head>\n");
  // The section keeps the insertion.
  EXPECT_EQ(html.headSection, "<head><!-- </head> -->X</head>\n");
  EXPECT_EQ(head(std::nullopt), "<head><!-- </head> -->X</head>\n");
}

TEST_F(PublishHtmlTest, HeadSectionWithoutHeadEndDropsTheExtraText) {
  html.headSection = "<head><title>mine</title>\n";
  context.options.titles = {"Ignored"};
  EXPECT_EQ(head("X"), "<head><title>mine</title>\n");
}

TEST_F(PublishHtmlTest, TabularWinsOverTheDtreeStyleAndSectionsAreReplacedFirst) {
  context.classes.addClass("class", "A", "public", "/src/app/A.java", "app", true);
  context.options.tabular = true;
  context.options.style = JavaScript;
  context.options.replacements = {"HEAD,head"};
  html.headSection = "<HEAD></head>";
  html.bodyBeginSection = "HEAD";
  out.clearCaptured();
  html.publish();
  std::string page = out.captured();
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"en\">\n<head><style type = 'text/css'>", 0),
            0u);
  EXPECT_NE(page.find("<h2>Tabular List of Class List</h2><body>\n<table id='gradient-style'"),
            std::string::npos);
  EXPECT_EQ(page.find("d.add("), std::string::npos);
  EXPECT_EQ(html.bodyBeginSection, "head");
}

TEST_F(PublishHtmlTest, ImageRowsArePaddedOnRawTextAndThenEscaped) {
  context.options.style = HtmlImages;
  ClassInfo* root = context.classes.addClass("class", "R", "public", "/src/a&b/R.java", "p", true);
  ClassInfo* child = context.classes.addClass("class", "C", "public", "/src/C.java", "p", true);
  context.classes.linkParent(child, "R", child->file, "p");
  (void)root;
  out.clearCaptured();
  html.printTree();
  std::string page = out.captured();
  // W is 15, the raw length of "/src/a&b/R.java"; "/src/C.java" gets four blanks.
  EXPECT_NE(page.find("<tr><td>/src/a&amp;b/R.java<td> public               R </tr>\n"
                      "<tr><td>    /src/C.java<td> public<img class='img1'> C</tr>\n"),
            std::string::npos);
  EXPECT_EQ(page.rfind("<html>\n<style>\nimg.img0 {\ncontent: url(data:image/gif;base64,", 0), 0u);
  EXPECT_EQ(page.substr(page.size() - 31), "</tr>\n</table>\n</body>\n</html>\n");
}

TEST_F(PublishHtmlTest, ImageTreeRootsAreEveryParentlessRecordButChildrenAreFiltered) {
  context.options.style = Spaces;
  ClassInfo* hidden = context.classes.addClass("class", "Hidden", "", "H.java", "p", true);
  ClassInfo* shown = context.classes.addClass("class", "Shown", "public", "S.java", "p", true);
  ClassInfo* secret = context.classes.addClass("class", "Secret", "", "S.java", "p", true);
  context.classes.linkParent(shown, "Hidden", shown->file, "p");
  context.classes.linkParent(secret, "Hidden", secret->file, "p");
  (void)hidden;
  out.clearCaptured();
  html.printTree();
  EXPECT_EQ(out.captured(),
            "<tr><td>        H.java<td>                      Hidden </tr>\n"
            "        S.java:  public     Shown\n");
}

TEST_F(PublishHtmlTest, NameTableStaysPlainTextWhileTreeRowsAreEscaped) {
  context.options.style = HtmlImages;
  context.options.showNames = true;
  ClassInfo* record = context.classes.addClass("class", "A", "public", "/src/A&B.java", "p", true);
  record->interfaces.insert(
      context.classes.addClass("interface", "Pet&Co", "", record->file, "p", false));
  out.clearCaptured();
  html.publish();
  std::string page = out.captured();
  EXPECT_NE(page.find("class\tA\t\tpublic\t_NoParent_\t_NoChildren_\tPet&Co\t/src/A&B.java\tp\t\n"),
            std::string::npos);
  EXPECT_NE(
      page.find(
          "<tr><td> /src/A&amp;B.java<td> public               A  Interfaces:Pet&amp;Co</tr>"),
      std::string::npos);
}

TEST_F(PublishHtmlTest, RootModifiersLongerThanTwentyBytesAreWrittenInFull) {
  context.options.style = PlusMinus;
  context.classes.addClass("class", "Long", "public static final strictfp", "L.java", "p", true);
  out.clearCaptured();
  html.printTree();
  EXPECT_EQ(out.captured(), "<tr><td>        L.java<td> public static final strictfp Long </tr>\n");
}

TEST(FormatDate, ClassicLocaleDayMonthYear) {
  std::tm when{};
  when.tm_mday = 8;
  when.tm_mon = 11;
  when.tm_year = 2025 - 1900;
  EXPECT_EQ(formatDate("%d-%h-%Y", when), "08-Dec-2025");
  EXPECT_EQ(formatDate("%d-%h-%Y ", when), "08-Dec-2025 ");
  when.tm_mon = 0;
  when.tm_mday = 31;
  EXPECT_EQ(formatDate("%d-%h-%Y", when), "31-Jan-2025");
}

TEST(FormatDate, TodayHasTheShapeOfTheMask) {
  std::string today = formatDate("%d-%h-%Y");
  ASSERT_EQ(today.size(), 11u) << today;
  EXPECT_EQ(today[2], '-');
  EXPECT_EQ(today[6], '-');
}

TEST(LoadSection, StoresIntoTheSectionOfAnHtmlPublisher) {
  TempDir dir;
  Output out;
  ScanContext context(out);
  PublishHtml html(context.classes, context.options, context.output);
  loadSection(dir.write("head.html", "<head>1</head>"), html, SectionKind::Head);
  loadSection(dir.write("begin.html", "begin"), html, SectionKind::BodyBegin);
  loadSection(dir.write("end.html", "end"), html, SectionKind::BodyEnd);
  loadSection(dir.write("head2.html", "<head>2</head>"), html, SectionKind::Head);
  EXPECT_EQ(html.headSection, "<head>2</head>");
  EXPECT_EQ(html.bodyBeginSection, "begin");
  EXPECT_EQ(html.bodyEndSection, "end");
}

TEST(LoadSection, EmptyOrMissingFileChangesNothingAndSaysNothing) {
  TempDir dir;
  Output out;
  ScanContext context(out);
  PublishHtml html(context.classes, context.options, context.output);
  html.headSection = "kept";
  PublishText text(context.classes, context.options, context.output);
  CapturedErrors errors;
  loadSection(dir.write("empty.html", ""), html, SectionKind::Head);
  loadSection(dir.path() + "/missing.html", html, SectionKind::Head);
  loadSection(dir.path() + "/missing.html", text, SectionKind::Head);
  EXPECT_EQ(html.headSection, "kept");
  EXPECT_EQ(errors.text(), "");
}

TEST(LoadSection, TextPublisherIsNamedInTheTwoLineMessage) {
  TempDir dir;
  Output out;
  ScanContext context(out);
  PublishText text(context.classes, context.options, context.output);
  CapturedErrors errors;
  loadSection(dir.write("head.html", "<head></head>"), text, SectionKind::Head);
  EXPECT_EQ(errors.text(),
            "Loaded file ignored, wrong Publish type class PublishText\n"
            "Try and specify -j before html file sections\n");
}

TEST(LoadSection, GraphPublisherIsNamedInTheTwoLineMessage) {
  TempDir dir;
  Output out;
  ScanContext context(out);
  PublishViz viz(context.classes, context.options, context.output);
  CapturedErrors errors;
  loadSection(dir.write("end.html", "END"), viz, SectionKind::BodyEnd);
  EXPECT_EQ(errors.text(),
            "Loaded file ignored, wrong Publish type class PublishViz\n"
            "Try and specify -j before html file sections\n");
}

}  // namespace
