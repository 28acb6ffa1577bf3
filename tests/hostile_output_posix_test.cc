// Standard output that cannot take what the run writes, command-line values
// out of every range, and section files that are directories: the run ends,
// says what went wrong, and never reports a failure as a class count.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "test_support.h"

namespace {

std::string summary(int files, int classes) {
  return "kintree - Files read:" + std::to_string(files) +
         " classes extracted:" + std::to_string(classes) + "\n";
}

/// Runs a bash script in `directory` with $K naming the binary; returns
/// the script's status. Files it writes are read back by the caller.
int runScript(const std::string& directory, const std::string& script) {
  TempDir holder;
  std::string path = holder.write(
      "script.sh", "cd '" + directory + "' || exit 99\nK='" KINTREE_BINARY "'\n" + script);
  int raw = std::system(("bash '" + path + "'").c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

/// A tree whose text output is far larger than any pipe buffer.
class BigOutput : public testing::Test {
 protected:
  void SetUp() override {
    std::string text = "public class C0 {}\n";
    for (int i = 1; i < 3000; ++i) {
      text += "public class C" + std::to_string(i) + " extends C" + std::to_string(i - 1) + " {}\n";
    }
    dir.write("big/Chain.java", text);
  }
  TempDir dir;
};

TEST_F(BigOutput, FullDeviceIsAWriteErrorWithStatus255) {
  for (const char* switches : {"-x", "+n -t", "-z", "-j"}) {
    int status = runScript(dir.path(), std::string("\"$K\" ") + switches + " big >/dev/full 2>err");
    std::string err = readFile(dir.path() + "/err");
    EXPECT_EQ(status, 255) << switches;
    EXPECT_EQ(err.find(summary(1, 3000)), 0u) << switches;
    EXPECT_NE(
        err.find("\x1b[01;31m Error Failed to write standard output: No space left on device"),
        std::string::npos)
        << switches << err;
  }
}

TEST_F(BigOutput, ClosedPipeEndsQuietly) {
  // Also when the caller ignores SIGPIPE, as some process launchers do: the
  // run still ends at the first write into the closed pipe.
  for (const char* ignore : {"", "trap '' PIPE; "}) {
    int status =
        runScript(dir.path(), std::string("{ ") + ignore +
                                  "\"$K\" -x big 2>err; echo $? >status; } | head -1 >out");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFile(dir.path() + "/out"), "Base path=" + dir.path() + "/big/Chain.java\n")
        << ignore;
    EXPECT_EQ(readFile(dir.path() + "/err"), summary(1, 3000)) << ignore;
    EXPECT_EQ(readFile(dir.path() + "/status"), "141\n") << ignore;  // ended by SIGPIPE
  }
}

class HostileValues : public testing::Test {
 protected:
  void SetUp() override {
    dir.write("src/A.java", "public class Alpha {}\nclass Hidden extends Alpha {}\n");
    dir.write("src/B.java", "public class Alpha {}\n");  // a duplicate, for warnings
    dir.write("sections/keep.txt", "");
  }
  TempDir dir;
};

TEST_F(HostileValues, InvalidPatternsEndTheRunWith255) {
  std::string deep(100000, '(');  // nested past what a regex compiler can recurse through
  std::string wide(100000, 'a');  // one literal longer than it can recurse through
  for (const std::string& argument :
       {std::string("-V=["), std::string("-v=("), std::string("-i=*["), std::string("-v=a{2,1}"),
        "-V=" + deep, "-i=" + wide,
        // Numbers the regex compiler would add up past the range of a long.
        std::string("-V=*\\99999999999999999999"), std::string("-v=a{99999999999999999999}"),
        std::string("-i=a{1,99999999999999999999}")}) {
    RunResult run = runKintree("'" + argument + "' src", dir.path());
    EXPECT_EQ(run.status, 255) << argument.substr(0, 10);
    EXPECT_EQ(run.err, "\x1b[01;31m Error Invalid pattern " + argument.substr(3) + "\x1b[00m \n")
        << argument.substr(0, 10);
    EXPECT_EQ(run.out, "") << argument.substr(0, 10);
  }
}

TEST_F(HostileValues, LongDigitRunsOutsideNumbersKeepAPatternValid) {
  RunResult run =
      runKintree("'-v=Alpha12345678901234567890' '-V=*\\{1234567890123*' src", dir.path());
  EXPECT_EQ(run.status, 2) << run.err;
  EXPECT_EQ(run.err.find("Invalid pattern"), std::string::npos) << run.err;
}

TEST_F(HostileValues, NumbersOutsideThirtyTwoBitsClampAndTheRunGoesOn) {
  for (const char* argument : {"-N=99999999999999999999", "-N=-99999999999999999999",
                               "-N=4294967296", "-l=99999999999", "-M=-99999999999"}) {
    RunResult run = runKintree(std::string(argument) + " -x src", dir.path());
    EXPECT_EQ(run.status, 2) << argument;
    EXPECT_NE(run.err.find(summary(2, 2)), std::string::npos) << argument;
  }
}

TEST_F(HostileValues, NegativeLogLevelShowsEveryWarning) {
  RunResult run = runKintree("-l=-5 -x src", dir.path());
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Duplicate class=Alpha"), std::string::npos) << run.err;
}

TEST_F(HostileValues, NegativeImportLevelReadsDeclarationsOfEveryAccess) {
  // Below 0 is class mode; -M still turns on non-public classes.
  RunResult run = runKintree("-M=-3 -x src", dir.path());
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find("- Hidden\n"), std::string::npos) << run.out;
}

TEST_F(HostileValues, SectionFileThatIsADirectory) {
  for (const char* letter : {"1", "2", "3"}) {
    RunResult run = runKintree(std::string("-j -") + letter + "=sections -x src", dir.path());
    EXPECT_EQ(run.status, 2) << letter;
    EXPECT_NE(run.err.find(summary(2, 2)), std::string::npos) << letter;
  }
}

TEST_F(HostileValues, SplitGraphIntoAMissingFolder) {
  RunResult run = runKintree("-z -Z -O=missing/folder/ src", dir.path());
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Failed to open missing/folder/Alpha.gv\n"), std::string::npos) << run.err;
  // What could not go to its file is still on standard output, complete.
  EXPECT_NE(run.out.find("\"Alpha\" -> \"Hidden\"\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n");
}

TEST_F(HostileValues, FailedOpenMessagesStandWhereTheyHappenedInASharedStream) {
  dir.write("more/C.java", "public class Gamma {}\n");
  int status = runScript(dir.path(), "\"$K\" -z -Z -O=missing/ src more >both 2>&1");
  EXPECT_EQ(status, 3);
  std::string both = readFile(dir.path() + "/both");
  // Each message comes before the graph that went to standard output in its
  // place, and after the graph of the root before it.
  size_t alpha = both.find("Failed to open missing/Alpha.gv\n");
  size_t alphaGraph = both.find("\"Alpha\" -> \"Hidden\"");
  size_t gamma = both.find("Failed to open missing/Gamma.gv\n");
  size_t gammaGraph = both.find("\"Gamma\"\n}");
  ASSERT_NE(gammaGraph, std::string::npos) << both;
  EXPECT_LT(alpha, alphaGraph) << both;
  EXPECT_LT(alphaGraph, gamma) << both;
  EXPECT_LT(gamma, gammaGraph) << both;
}

}  // namespace
