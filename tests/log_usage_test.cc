#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/usage.h"
#include "base/log.h"
#include "base/replace.h"
#include "publish/web_addresses.h"

namespace {

const std::string kReset = "\x1b[00m";
std::string yellow(const std::string& word) { return "\x1b[01;33m" + word + kReset; }
const std::string kMagenta = "\x1b[01;35m";
const std::string kWhite = "\x1b[01;37m";

class LogTest : public testing::Test {
 protected:
  LogTest() {
    Log::destination = &messages;
    Log::threshold = 0;
  }
  ~LogTest() override {
    Log::destination = &std::cerr;
    Log::threshold = 0;
  }
  std::ostringstream messages;
};

struct ThresholdCase {
  int32_t threshold;
  uint32_t level;
  std::string bytes;
};

class Threshold : public LogTest, public testing::WithParamInterface<ThresholdCase> {};

TEST_P(Threshold, DecidesWhetherAWarningWritesAnything) {
  Log::threshold = GetParam().threshold;
  Log(GetParam().level).stream() << "text " << 42;
  EXPECT_EQ(GetParam().bytes, messages.str()) << GetParam().threshold << " / " << GetParam().level;
  EXPECT_TRUE(messages.good());
}

const std::string kGreenText = "\x1b[01;32m Warning text 42\x1b[00m \n";
const std::string kMagentaText = "\x1b[01;35m Warning text 42\x1b[00m \n";

INSTANTIATE_TEST_SUITE_P(Levels, Threshold,
                         testing::Values(ThresholdCase{0, 1, ""}, ThresholdCase{0, 2, ""},
                                         ThresholdCase{0, 0, kGreenText},
                                         ThresholdCase{1, 1, kGreenText}, ThresholdCase{1, 2, ""},
                                         ThresholdCase{2, 2, kMagentaText},
                                         ThresholdCase{2, 1, kGreenText}, ThresholdCase{2, 3, ""},
                                         ThresholdCase{7, 3, kMagentaText},
                                         // negative: above every level as an unsigned number
                                         ThresholdCase{-1, 4000000000u, kMagentaText}));

TEST_F(LogTest, ErrorsAreAlwaysShownAlsoAfterASilencedWarning) {
  Log(2).stream() << "hidden";
  Log().stream() << "Invalid file /x.java";
  EXPECT_EQ("\x1b[01;31m Error Invalid file /x.java\x1b[00m \n", messages.str());
}

TEST_F(LogTest, ErrorIsShownOnAStreamLeftFailed) {
  messages.setstate(std::ios::failbit);
  Log().stream() << "shown";
  EXPECT_EQ("\x1b[01;31m Error shown\x1b[00m \n", messages.str());
}

TEST(ReplaceRegex, ReplacesEveryMatchWithEcmaScriptFormats) {
  struct Case {
    const char* text;
    const char* pattern;
    const char* format;
    const char* result;
  } cases[] = {
      {"a1b22", "[0-9]+", "<$&>", "a<1>b<22>"},
      {"key=value", "(\\w+)=(\\w+)", "$2=$1", "value=key"},
      {"cost", "cost", "$$5", "$5"},
      {"none here", "[0-9]", "#", "none here"},
      {"A<B<C>>.D", "<.*>", "", "A.D"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(c.result, replaceRegex(text, c.pattern, c.format)) << c.text;
    EXPECT_EQ(c.result, text);
  }
}

TEST(ColourMarkup, ThirteenRules) {
  struct Case {
    const char* markup;
    std::string result;
  } cases[] = {
      {"_y_N =x", "\x1b[01;33mN\x1b[00m =x"},
      {"_r_bad word", "\x1b[01;31mbad\x1b[00m word"},
      {"_g_ok=1", "\x1b[01;32mok\x1b[00m=1"},
      {"_p_pink", "\x1b[01;35mpink\x1b[00m"},
      {"_lb_sky blue", "\x1b[01;36msky\x1b[00m blue"},
      {"_w_snow", "\x1b[01;37msnow\x1b[00m"},
      {"_Y_a b_X_", "\x1b[01;33ma b\x1b[00m"},
      {"_R_a_X_", "\x1b[01;31ma\x1b[00m"},
      {"_G_a_X_", "\x1b[01;32ma\x1b[00m"},
      {"_P_a_X_", "\x1b[01;35ma\x1b[00m"},
      {"_LB_a_X_", "\x1b[01;36ma\x1b[00m"},
      {"_W_a_X_", "\x1b[01;37ma\x1b[00m"},
      {"_y_ alone", "_y_ alone"},  // a word needs at least one character
      {"x_X_y", "x\x1b[00my"},
  };
  for (const Case& c : cases) {
    std::string text = c.markup;
    EXPECT_EQ(c.result, replaceColourMarkup(text)) << c.markup;
  }
}

TEST(Usage, ScreenHasTheFullColouredText) {
  std::vector<std::string> lines = {
      "",
      "Des: " + kMagenta + "Generate class dependence tree" + kReset + " (Mar 10 2019)",
      "By:  " + kWhite + "Quillmoor  " + kHomePage + " " + kReset,
      "Use: kintree [-+ntgxshjz] header_files...",
      "",
      "Switches (*=default)(-=off, +=on):",
      "  " + yellow("n") + "  ; Show alphabetic class name list",
      "* " + yellow("t") + "  ; Show class dependency tree",
      "",
      kMagenta + "Output format (single choice):" + kReset,
      "* " + yellow("g") + "  ; Use graphics for tree connections",
      "  " + yellow("x") + "  ; Use (+|-) for tree connections",
      "  " + yellow("s") + "  ; Use spaces for tree connections",
      "  " + yellow("h") + "  ; Html tree connections (needs images 0.png, 1.png, 2.png, n.png)",
      "  " + yellow("j") + "  ; Java tree connections (needs dtree " + kDtreePage + ")",
      "  " + yellow("z") + "  ; GraphViz (see " + kGraphVizPage + ")",
      "",
      "  With -" + yellow("j") + " to customize java " + yellow("1") + "=header, " + yellow("2") +
          "=body begin, " + yellow("3") + "=body end",
      "     Specify file which contains html text to insert in output",
      "  -" + yellow("1") + "=head.html -" + yellow("2") + "=bodybegin.html -" + yellow("3") +
          "=bodyend.html",
      "     Optional replacement words applied to html sections",
      "  -" + yellow("0") + "=x1,foo1 -" + yellow("0") + "=x2,foo2 -" + yellow("0") + "=x3,foo3",
      "",
      kMagenta + "Modifiers:" + kReset,
      "  " + yellow("Z") + "               ; Split GraphViz by tree, use with -O",
      "  " + yellow("N") + " =nodesPerFile ; Split by nodes per file, use with -O",
      "  " + yellow("O") + " =outpath      ; Save output in file",
      "  " + yellow("T") + " =tabular      ; Tabular html ",
      "  " + yellow("V") + " =filePattern  ; Ignore file path pattern, ex *Test*",
      "  " + yellow("v") + " =classPattern ; Ignore class pattern, ex [Tt]est[0-9]",
      "  " + yellow("A") + " =allClasses   ; Include Protected and Private classes",
      "  " + yellow("M") + " =level        ; Parse imports instead of Classes",
      "                       level 0=full import, 1=drop last file",
      "  " + yellow("I") + " =interfaces   ; Include Interfaces in report",
      "  " + yellow("i") + " =classPattern ; Include class pattern, opposite of -v",
      "  " + yellow("L") + " =Title        ; Set optional title",
      "",
      kMagenta + "Examples (assumes java source code in directory src):" + kReset,
      "  kintree -t +n  src\\*.java  ; *.java prevent recursion",
      "  kintree -x  src > kintree.txt",
      "  kintree -h  dir1 dir2 foo*.java  > kintree.html",
      "  kintree -h -I -T \"-v=*Test*\" src > javaTable.html",
      "  kintree -j  src > kintreeWithJs.html",
      "  kintree -j -1=head.html -2=bodybegin.html -3=bodyend.html src > jtrees.html",
      "",
      "  -V is case sensitive ",
      "  kintree -z -Z -O=.\\viz\\ -V=*Test* -V=*Exception* src >directgraph.dot",
      "  kintree -z -N=10 -O=.\\viz\\ -V=*Test* -V=*Exception* src >directgraph.dot",
  };
  ASSERT_EQ(48u, lines.size());
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  EXPECT_EQ(text, usageText());

  std::ostringstream screen;
  printUsage("./kintree", screen);
  EXPECT_EQ("\n./kintree (v1.7)\n" + text, screen.str());
}

}  // namespace
