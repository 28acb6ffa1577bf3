// Whole runs over source files nobody vetted: binary bytes, huge lines,
// deep nesting, unfinished comments. Each run must end, count every file,
// and still publish the well-formed files beside the hostile one.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "test_support.h"

namespace {

std::string summary(int files, int classes) {
  return "kintree - Files read:" + std::to_string(files) +
         " classes extracted:" + std::to_string(classes) + "\n";
}

/// Deterministic bytes of every value, NUL and line ends included.
std::string noise(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char& c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

/// A tree with two ordinary files around the hostile one (A before it,
/// Z after it in listing order), so a run shows that reading went on.
class HostileSource : public testing::Test {
 protected:
  void SetUp() override {
    dir.write("src/A.java", "public class Alpha {}\n");
    dir.write("src/Z.java", "public class Zulu extends Alpha {}\n");
  }
  /// Runs `-x src` and checks the summary and that Alpha and Zulu were published.
  RunResult runExpecting(int classes, const std::string& switches = "-x") {
    RunResult run = runKintree(switches + " src", dir.path());
    EXPECT_EQ(run.err, summary(3, classes) + "\n");
    EXPECT_EQ(run.status, classes > 255 ? 255 : classes);
    EXPECT_NE(run.out.find("Zulu"), std::string::npos) << run.out.substr(0, 400);
    return run;
  }
  TempDir dir;
};

TEST_F(HostileSource, BinaryBytesYieldNothingAndStopNothing) {
  dir.write("src/M.java", noise(256 * 1024));
  runExpecting(2);
}

TEST_F(HostileSource, FileFullOfNulBytes) {
  dir.write("src/M.java", std::string(1 << 20, '\0'));
  runExpecting(2);
}

TEST_F(HostileSource, NulBytesInsideADeclarationPassThroughAsBytes) {
  static const char kText[] = "public class Mid extends Alpha { int a\0b; }\n";
  dir.write("src/M.java", std::string(kText, sizeof kText - 1));
  RunResult run = runExpecting(3);
  EXPECT_NE(run.out.find(" + Mid\n"), std::string::npos);
}

TEST_F(HostileSource, FiftyMegabytesWithoutALineBreak) {
  // Generated here: one line of 50 MB holding a class and millions of
  // statements, read as one line of the text.
  std::string line = "public class Mid extends Alpha {";
  while (line.size() < 50u * 1024 * 1024) line += " int f; void m() { g(); }";
  line += " }";
  dir.write("src/M.java", line);
  RunResult run = runExpecting(3);
  EXPECT_NE(run.out.find(" + Mid\n"), std::string::npos);
}

TEST_F(HostileSource, FiftyMegabytesWithoutAnyTerminator) {
  // One statement that never ends: dropped at the end of the file.
  dir.write("src/M.java", std::string(50u * 1024 * 1024, 'x'));
  runExpecting(2);
}

TEST_F(HostileSource, HundredThousandNestedBraces) {
  std::string text = "public class Mid extends Alpha ";
  text += std::string(100000, '{') + "\n" + std::string(100000, '}') + "\n";
  text += "public class After {}\n";  // back at the top level: no prefix
  dir.write("src/M.java", text);
  RunResult run = runExpecting(4);
  EXPECT_NE(run.out.find(" public After  \n"), std::string::npos);
}

TEST_F(HostileSource, HundredThousandOpenBracesNeverClosed) {
  std::string text = "public class Mid extends Alpha " + std::string(100000, '{');
  text += " class Inner {}";
  dir.write("src/M.java", text);
  RunResult run = runExpecting(4, "-A -x");
  // The inner class is named through every open block: 99,999 empty entries.
  EXPECT_NE(run.out.find("Mid." + std::string(99999, '.') + "Inner"), std::string::npos);
}

struct OpenAtEnd {
  const char* name;
  const char* text;
};

class LeftOpenAtEnd : public HostileSource, public testing::WithParamInterface<OpenAtEnd> {};

TEST_P(LeftOpenAtEnd, TheRestOfTheFileIsSwallowed) {
  dir.write("src/M.java", GetParam().text);
  runExpecting(3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeftOpenAtEnd,
    testing::Values(
        OpenAtEnd{"BlockComment", "public class Mid {}\n/* never closed\nclass No {}\n"},
        OpenAtEnd{"StringLiteral", "public class Mid {}\nString s = \"never closed\nclass No {}\n"},
        OpenAtEnd{"CharLiteral", "public class Mid {}\nchar c = 'x\nclass No {}"},
        OpenAtEnd{"LineCommentWithoutLineFeed", "public class Mid {} // class No {}"},
        OpenAtEnd{"SlashAsLastByte", "public class Mid {}\nint a = b /"}),
    [](const testing::TestParamInfo<OpenAtEnd>& info) { return info.param.name; });

TEST_F(HostileSource, CarriageReturnOnlyLineEnds) {
  // Without a line feed the file is one line: the line comment swallows the
  // rest, so only the declaration before it counts.
  dir.write("src/M.java", "public class Mid extends Alpha {}\r// note\rclass No {}\r");
  RunResult run = runExpecting(3);
  EXPECT_NE(run.out.find(" + Mid\n"), std::string::npos);
}

TEST_F(HostileSource, CarriageReturnsBetweenWordsAreBlanks) {
  dir.write("src/M.java", "public\rclass\rMid\rextends\rAlpha\r{\r}\r");
  RunResult run = runExpecting(3);
  EXPECT_NE(run.out.find(" + Mid\n"), std::string::npos);
}

TEST_F(HostileSource, ByteOrderMarkIsSkipped) {
  if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  dir.write("src/M.java", "\xEF\xBB\xBFpackage p;\npublic class Mid extends Alpha {}\n");
  RunResult run = runExpecting(3, "+n -t");
  EXPECT_NE(run.out.find("class\tMid\t\tpublic\tAlpha\t_NoChildren_\t\t" + dir.path() +
                         "/src/M.java\tp\t\n"),
            std::string::npos)
      << run.out;
}

TEST_F(HostileSource, ByteOrderMarkOnlyAtTheStart) {
  // Anywhere else it is three bytes of the text like any other.
  dir.write("src/M.java", "package p;\n\xEF\xBB\xBFpublic class Mid {}\n");
  RunResult run = runExpecting(3, "+n -t");
  EXPECT_NE(run.out.find("\tMid\t\t\xEF\xBB\xBFpublic\t"), std::string::npos) << run.out;
}

struct LongToken {
  const char* name;
  std::string text;
  int classes;
};

class LongTokens : public HostileSource, public testing::WithParamInterface<LongToken> {};

// Tokens of a megabyte inside a declaration header: a backtracking regex
// engine recursed once per byte of them and overflowed the stack.
TEST_P(LongTokens, DeclarationIsMatchedWithoutRecursion) {
  dir.write("src/M.java", GetParam().text);
  runExpecting(GetParam().classes, "+n -t");
}

const std::string kMegabyte(1 << 20, 'Q');

INSTANTIATE_TEST_SUITE_P(
    Cases, LongTokens,
    testing::Values(
        LongToken{"ClassName", "public class " + kMegabyte + " extends Alpha {}\n", 3},
        LongToken{"GenericParameters", "public class Mid<" + kMegabyte + "> extends Alpha {}\n", 3},
        LongToken{"ParentName", "public class Mid extends " + kMegabyte + " {}\n", 4},
        LongToken{"Annotation", "@" + kMegabyte + " public class Mid extends Alpha {}\n", 3},
        LongToken{"LeadingWord", kMegabyte + " class Mid extends Alpha {}\n", 3},
        LongToken{"NoKeywordAfterIt", kMegabyte + " clas Mid {}\n", 2},
        LongToken{"ModifierWords",
                  [] {
                    std::string text = "public";
                    while (text.size() < (1u << 20)) text += " abstract";
                    return text + " class Mid extends Alpha {}\n";
                  }(),
                  3},
        LongToken{"ImplementsList",
                  [] {
                    std::string text = "public class Mid extends Alpha implements I0";
                    for (int i = 1; i < 20000; ++i) text += ", I" + std::to_string(i);
                    return text + " {}\n";
                  }(),
                  20003}),
    [](const testing::TestParamInfo<LongToken>& info) { return info.param.name; });

TEST_F(HostileSource, EmptyFile) {
  dir.write("src/M.java", "");
  runExpecting(2);
}

}  // namespace
