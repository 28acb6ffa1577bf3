#include <gtest/gtest.h>

#include <string>

#include "app/switch_table.h"
#include "app/usage.h"
#include "test_support.h"

namespace {

/// The usage screen as printUsage writes it for the built binary, and the
/// long options section that --help adds.
std::string usageScreen() {
  return std::string("\n") + KINTREE_BINARY + " (" + kVersion + ")\n" + usageText() +
         longOptionsHelp();
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

// A one-letter switch keeps its silence: "+-help" has the ignored letter
// "-", "-help" is the -h switch with nothing to publish, "--" is a bare
// letter "-". A long option the table does not take ends the run before
// anything after it is read; so does a thread count out of range.
TEST(HelpVersion, NearMissesAreSilentLettersOrUnknownLongOptions) {
  const std::string kEmptySummary = "kintree - Files read:0 classes extracted:0\n\n";
  struct Case {
    const char* arguments;
    int status;
    std::string err;
  } cases[] = {
      {"+-help", 0, kEmptySummary},
      {"-help", 0, kEmptySummary},
      {"-- -x", 0, kEmptySummary},
      {"--helpx --version", 255, "\x1b[01;31m Error Unknown option --helpx\x1b[00m \n"},
      {"-x --versio=2 --help", 255, "\x1b[01;31m Error Unknown option --versio=2\x1b[00m \n"},
      {"--version=2", 255, "\x1b[01;31m Error Option --version takes no value\x1b[00m \n"},
      {"--help= .", 255, "\x1b[01;31m Error Option --help takes no value\x1b[00m \n"},
      // A thread count is 1 to 256 in digits, checked before any path.
      {". --threads=0", 255, "\x1b[01;31m Error Invalid thread count 0\x1b[00m \n"},
      {"--threads=257", 255, "\x1b[01;31m Error Invalid thread count 257\x1b[00m \n"},
      {"--threads=4294967298", 255, "\x1b[01;31m Error Invalid thread count 4294967298\x1b[00m \n"},
      {"--threads=2x", 255, "\x1b[01;31m Error Invalid thread count 2x\x1b[00m \n"},
      {"--threads", 255, "\x1b[01;31m Error Option --threads needs a value\x1b[00m \n"},
      {"--threads=256", 0, kEmptySummary},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    RunResult result = runKintree(c.arguments);
    EXPECT_EQ(c.status, result.status);
    EXPECT_EQ("", result.out);
    EXPECT_EQ(c.err, result.err);
  }
}

}  // namespace
