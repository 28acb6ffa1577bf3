#include <gtest/gtest.h>

#include <string>

#include "app/usage.h"
#include "test_support.h"

namespace {

/// The usage screen as printUsage writes it for the built binary.
std::string usageScreen() {
  return std::string("\n") + KINTREE_BINARY + " (" + kVersion + ")\n" + usageText();
}

TEST(HelpVersion, HelpPrintsUsageOnStandardOutput) {
  RunResult result = runKintree("--help");
  EXPECT_EQ(0, result.status);
  EXPECT_EQ(usageScreen(), result.out);
  EXPECT_EQ("", result.err);
}

TEST(HelpVersion, VersionPrintsNameAndVersion) {
  RunResult result = runKintree("--version");
  EXPECT_EQ(0, result.status);
  EXPECT_EQ("kintree v1.7\n", result.out);
  EXPECT_EQ("", result.err);
}

// Both requests end the run where they stand: a path read before them is
// neither summarised nor published, and nothing after them is read.
TEST(HelpVersion, RequestsAfterPathsEndTheRunAtOnce) {
  TempDir dir;
  dir.write("A.java", "public class A {}\n");
  struct Case {
    const char* arguments;
    bool usage;
  } cases[] = {
      {". --help", true},
      {"-x . --version 'bad[' .", false},
      {"--version --help", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    RunResult result = runKintree(c.arguments, dir.path());
    EXPECT_EQ(0, result.status);
    EXPECT_EQ(c.usage ? usageScreen() : std::string("kintree v1.7\n"), result.out);
    EXPECT_EQ("", result.err);
  }
}

// Only the whole words are requests; anything longer or shorter keeps the
// one-letter switch parsing: "--helpx" has the ignored letter "-", "-help"
// is the -h switch with nothing to publish.
TEST(HelpVersion, NearMissesStaySilentSwitches) {
  for (const char* arguments : {"--helpx", "--versio", "+-help", "-help"}) {
    SCOPED_TRACE(arguments);
    RunResult result = runKintree(arguments);
    EXPECT_EQ(0, result.status);
    EXPECT_EQ("", result.out);
    EXPECT_EQ("kintree - Files read:0 classes extracted:0\n\n", result.err);
  }
}

}  // namespace
