#include <gtest/gtest.h>

#include "base/parse_number.h"
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <climits>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/scan_context.h"
#include "app/usage.h"
#include "base/log.h"
#include "platform/output.h"
#include "publish/publish_text.h"
#include "test_support.h"

namespace {

// Every option of a context that differs from a fresh one's, so a case
// states exactly what it changes.
std::string changes(const ScanContext& context) {
  auto fields = [](const ScanContext& x) {
    const Options& c = x.options;
    std::vector<std::string> all;
    auto add = [&](const char* name, const auto& value) {
      std::ostringstream text;
      text << name << "=" << value;
      all.push_back(text.str());
    };
    auto joined = [](const std::vector<std::string>& items) {
      std::string text;
      for (const std::string& item : items) text += item + ";";
      return text;
    };
    add("names", c.showNames);
    add("tree", c.showTree);
    add("split", c.splitByTree);
    add("all", c.includeNonPublic);
    add("ifaces", c.includeInterfaces);
    add("tab", c.tabular);
    add("import", c.importLevel);
    add("style", c.style);
    add("nodes", c.nodesPerFile);
    add("out", c.outPath);
    add("titles", joined(c.titles));
    add("repl", joined(c.replacements));
    add("V", c.ignoreFilePatterns.size());
    add("v", x.classes.ignorePatterns.size());
    add("i", x.classes.includePatterns.size());
    add("threshold", Log::threshold);
    return all;
  };
  int32_t threshold = Log::threshold;
  Log::threshold = 0;
  Output none;
  std::vector<std::string> defaults = fields(ScanContext(none));
  Log::threshold = threshold;
  std::vector<std::string> now = fields(context);
  std::string text;
  for (size_t i = 0; i < now.size(); ++i) {
    if (now[i] == defaults[i]) continue;
    if (!text.empty()) text += ' ';
    text += now[i];
  }
  return text;
}

struct SwitchCase {
  std::vector<std::string> arguments;
  std::string changes;  ///< what changes() gives after the arguments
};

class Switches : public testing::TestWithParam<SwitchCase> {
 protected:
  Switches() : context(out) {
    Log::destination = &messages;
    Log::threshold = 0;
  }
  ~Switches() override {
    Log::destination = &std::cerr;
    Log::threshold = 0;
  }
  Output out;
  ScanContext context;
  std::ostringstream messages;
};

TEST_P(Switches, SetTheseOptions) {
  std::string joined;
  for (const std::string& argument : GetParam().arguments) {
    joined += argument + " ";
    EXPECT_EQ(SwitchOutcome::Go, context.applySwitch(argument)) << argument;
  }
  EXPECT_EQ(GetParam().changes, changes(context)) << joined;
  EXPECT_EQ("", messages.str());
}

const SwitchCase kSwitchCases[] = {
    {{}, ""},
    {{"+n"}, "names=1"},
    {{"+n", "-n", "-t"}, "tree=0"},
    {{"-t", "+t"}, ""},
    // One letter per argument: "+nt" is "+n".
    {{"-t", "+nt"}, "names=1 tree=0"},
    {{"-x"}, "style=1"},
    {{"+x", "+s"}, "style=2"},
    {{"-s", "-g"}, ""},
    {{"-h"}, "style=3"},
    {{"-h", "-j"}, "style=4"},
    {{"-z"}, "style=5"},
    {{"-x", "+T"}, "tab=1 style=1"},
    {{"-Z", "+A", "-I"}, "split=1 all=1 ifaces=1"},
    {{"-N=10"}, "nodes=10"},
    // The value starts at the fourth character, whatever the third is.
    {{"-N10"}, ""},
    {{"-N=7", "-N=", "-N"}, "nodes=7"},
    {{"-N= 42abc"}, "nodes=42"},
    {{"-N=7", "-N=abc"}, ""},
    {{"-Nx99999999999"}, "nodes=2147483647"},
    {{"-O=out"}, "out=out"},
    {{"-Oxout", "-O=", "-O"}, "out=out"},
    {{"-L=One", "-L=", "+L=Two"}, "titles=One;Two;"},
    {{"-0=x1,foo1", "-0=x2,foo=2"}, "repl=x1,foo1;x2,foo=2;"},
    {{"-V=*Test*", "-V=", "-v=A*", "-v=B", "+i=C"}, "V=1 v=2 i=1"},
    {{"-M"}, "all=1 import=0"},
    {{"-M=1"}, "all=1 import=1"},
    {{"-M=2", "-M="}, "all=1 import=0"},
    {{"-l", "+l"}, "threshold=2"},
    {{"-l=3", "-l"}, "threshold=4"},
    {{"-l=-1"}, "threshold=-1"},
    {{"-l=5", "-l=0"}, ""},
    // Letters outside the table, a bare sign and a doubled dash change nothing.
    {{"-q", "-", "+", "-?", "-W=1", "--", "-P"}, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, Switches, testing::ValuesIn(kSwitchCases));

TEST_F(Switches, FormatSwitchesReplaceThePublisherStyleSwitchesDoNot) {
  struct Case {
    const char* argument;
    bool replaces;
  } cases[] = {{"-g", false}, {"-x", false}, {"-s", false}, {"-h", true},
               {"-j", true},  {"-z", true},  {"-T", true},  {"+h", true}};
  context.publisher =
      std::make_unique<PublishText>(context.classes, context.options, context.output);
  for (const Case& c : cases) {
    const Publish* before = context.publisher.get();
    context.applySwitch(c.argument);
    ASSERT_NE(nullptr, context.publisher);
    EXPECT_EQ(c.replaces, before != context.publisher.get()) << c.argument;
  }
}

TEST_F(Switches, InvalidPatternIsAnErrorThatStopsTheRun) {
  for (const char* argument : {"-V=[", "-v=(", "+i=a)"}) {
    messages.str("");
    EXPECT_EQ(SwitchOutcome::Fail, context.applySwitch(argument)) << argument;
    EXPECT_EQ(std::string("\x1b[01;31m Error Invalid pattern ") + (argument + 3) + "\x1b[00m \n",
              messages.str());
  }
  EXPECT_EQ("", changes(context));
}

TEST(ParseNumber, ReadsLikeStrtolWithThirtyTwoBits) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"  \t\n42", 42},
      {"+7", 7},
      {"-7", -7},
      {"12ab3", 12},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"+-3", 0},
      {"- 3", 0},
      {"2147483647", INT32_MAX},
      {"2147483648", INT32_MAX},
      {"99999999999", INT32_MAX},
      {"99999999999999999999999999", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"-2147483649", INT32_MIN},
      {"-99999999999999999999999999", INT32_MIN},
      {"0000000000000000000000012", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value, parseNumber(c.text)) << "'" << c.text << "'";
}

// Whole runs of the binary: summary line, exit status and argument order.
class RunTest : public testing::Test {
 protected:
  RunResult run(const std::string& arguments) { return runKintree(arguments, dir.path()); }
  TempDir dir;
};

TEST_F(RunTest, NoArgumentsShowsTheUsageAndExits255) {
  RunResult result = runKintree("");
  EXPECT_EQ(255, result.status);
  EXPECT_EQ("", result.out);
  EXPECT_EQ(std::string("\n") + KINTREE_BINARY + " (v1.7)\n" + usageText(), result.err);
}

TEST_F(RunTest, OnlySwitchesPrintTheEmptySummary) {
  RunResult result = run("-x +n -l=4 -q");
  EXPECT_EQ(0, result.status);
  EXPECT_EQ("", result.out);
  EXPECT_EQ("kintree - Files read:0 classes extracted:0\n\n", result.err);
}

TEST_F(RunTest, SummaryCountsFilesAndEveryRecord) {
  dir.write("src/A.java", "public class A extends Base {}\n");
  dir.write("src/B.java", "class B implements Api {}\n");
  dir.write("src/notes.txt", "class Ignored {}\n");
  RunResult result = run("-t src");
  EXPECT_EQ(4, result.status);
  EXPECT_EQ("", result.out);
  EXPECT_EQ("kintree - Files read:2 classes extracted:4\n\n", result.err);
}

TEST_F(RunTest, StatusIsTheRecordCountCappedAt255) {
  std::string many;
  for (int i = 0; i < 300; ++i) many += "class K" + std::to_string(i) + " {}\n";
  dir.write("Many.java", many);
  RunResult result = run("-t Many.java");
  EXPECT_EQ(255, result.status);
  EXPECT_EQ("kintree - Files read:1 classes extracted:300\n\n", result.err);
}

TEST_F(RunTest, PathSeesOnlyTheOptionsBeforeIt) {
  if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  dir.write("a/FooTest.java", "public class FooTest {}\n");
  dir.write("b/BarTest.java", "public class BarTest {}\n");
  // -V, -v and -l act on the paths after them; the others at publishing.
  RunResult result = run("-t a -V=*Test* -v=Bar* -l=4 b +n");
  EXPECT_EQ(1, result.status);
  EXPECT_EQ(
      "Type\tClassName\tGeneric\tModifiers\tFirstParent\tFirstChild\tInterfaces\tFile\tPackage\t"
      "Meta\n"
      "class\tFooTest\t\tpublic\t_NoParent_\t_NoChildren_\t\t" +
          dir.path() + "/a/FooTest.java\tnone\t\n",
      result.out);
  EXPECT_EQ("\x1b[01;35m Warning Ignoring file:" + dir.path() +
                "/b/BarTest.java\x1b[00m \nkintree - Files read:1 classes extracted:1\n\n",
            result.err);
}

TEST_F(RunTest, ClassPatternsAndDumpsApplyToLaterPaths) {
  dir.write("a/A.java", "public class A {}\n");
  dir.write("b/B.java", "public class B {}\n");
  RunResult result = run("-t a -l=4 -i=Z* b");
  EXPECT_EQ(1, result.status);
  EXPECT_EQ("", result.out);
  RunResult dumped = run("-t -l=4 a -v=A b");
  EXPECT_EQ(2, dumped.status);
  EXPECT_EQ(
      "public class A {\n  Modifiers       =public\n  classOrInterface=class\n"
      "  name            =A\n  generic         =\n  extends         =\n  implements      =\n"
      "public class B {\n  Modifiers       =public\n  classOrInterface=class\n"
      "  name            =B\n  generic         =\n  extends         =\n  implements      =\n",
      dumped.out);
}

TEST_F(RunTest, InvalidPatternEndsTheRunBeforeLaterArguments) {
  dir.write("A.java", "public class A {}\n");
  RunResult result = run("A.java '-v=[' A.java");
  EXPECT_EQ(255, result.status);
  EXPECT_EQ("", result.out);
  EXPECT_EQ("\x1b[01;31m Error Invalid pattern [\x1b[00m \n", result.err);
}

TEST_F(RunTest, NegativeLevelShowsEveryWarning) {
  if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  dir.write("A.java", "public class A {}\n");
  dir.write("d/A.java", "public class A {}\n");
  RunResult result = run("-t -l=-1 A.java d");
  EXPECT_EQ(1, result.status);
  EXPECT_EQ(std::string::npos, result.err.find("Ignoring"));
  EXPECT_EQ(0u, result.err.find("\x1b[01;32m Warning Duplicate class=A\n File " + dir.path() +
                                "/d/A.java\n  and " + dir.path() + "/A.java\x1b[00m \n"));
}

TEST_F(RunTest, StyleAfterThePathStillApplies) {
  dir.write("A.java", "public class A {}\n");
  dir.write("B.java", "public class B extends A {}\n");
  RunResult result = run(". -s -x");
  EXPECT_EQ(2, result.status);
  EXPECT_NE(std::string::npos, result.out.find("   - B\n"));
}

// Output that cannot be written must not end the run as a success. Only
// POSIX has a device that refuses every write.
#ifndef _WIN32
TEST_F(RunTest, LostStandardOutputIsAnError) {
  dir.write("A.java", "public class A {}\n");
  std::string err = dir.path() + "/err.txt";
  std::string command =
      "cd '" + dir.path() + "' && '" KINTREE_BINARY "' -x A.java >/dev/full 2>'" + err + "'";
  int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(255, WEXITSTATUS(raw));
  std::ifstream in(err);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(std::string::npos, text.find("\x1b[01;31m Error Failed to write standard output: "));
}
#endif

// Dumps go to standard output and warnings to standard error; on one pipe
// they must arrive in the order the run made them.
TEST_F(RunTest, DumpsAndWarningsKeepCallOrderOnOnePipe) {
  if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  dir.write("A.java", "class A {}\nclass A {}\n");
  std::string both = dir.path() + "/both.txt";
  std::string command =
      "cd '" + dir.path() + "' && '" KINTREE_BINARY "' -t -l=4 A.java >'" + both + "' 2>&1";
  ASSERT_EQ(0, std::system(("(" + command + ") || true").c_str()));
  std::ifstream in(both);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string dump =
      "class A {\n  Modifiers       =\n  classOrInterface=class\n  name            =A\n"
      "  generic         =\n  extends         =\n  implements      =\n";
  EXPECT_EQ(dump + "\x1b[01;32m Warning Duplicate class=A\n File " + dir.path() +
                "/A.java\n  and " + dir.path() + "/A.java\x1b[00m \n" + dump +
                "kintree - Files read:1 classes extracted:1\n\n",
            text);
}

}  // namespace
