// Whole runs over file trees nobody vetted: special files and dangling
// links named *.java, a link back to an ancestor, files vanishing while the
// run reads, and paths longer than the system's own path limit.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "app/scan_context.h"
#include "parse/parse_file.h"
#include "platform/output.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string summary(int files, int classes) {
  return "kintree - Files read:" + std::to_string(files) +
         " classes extracted:" + std::to_string(classes) + "\n";
}

std::string invalidFile(const std::string& path) {
  return "\x1b[01;31m Error Invalid file " + path + "\x1b[00m \n";
}

TEST(SpecialFiles, FifoAndDanglingLinkAreInvalidFilesAndTheRestIsRead) {
  TempDir dir;
  dir.write("src/A.java", "public class Alpha {}\n");
  dir.write("src/Z.java", "public class Zulu extends Alpha {}\n");
  ASSERT_EQ(mkfifo((dir.path() + "/src/Fifo.java").c_str(), 0644), 0);
  fs::create_symlink(dir.path() + "/src/missing", dir.path() + "/src/Dangling.java");
  RunResult run = runKintree("-x src", dir.path());
  // Listing order is byte order: A, Dangling, Fifo, Z.
  EXPECT_EQ(run.err, invalidFile(dir.path() + "/src/Dangling.java") +
                         invalidFile(dir.path() + "/src/Fifo.java") + summary(2, 2) + "\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find("- Zulu\n"), std::string::npos);
}

TEST(SpecialFiles, DirectoryNamedLikeASourceIsWalked) {
  TempDir dir;
  dir.write("src/lib.java/In.java", "public class In {}\n");
  RunResult run = runKintree("-x src", dir.path());
  EXPECT_EQ(run.err, summary(1, 1) + "\n");
}

TEST(SpecialFiles, LinkToAnAncestorIsWalkedOnce) {
  TempDir dir;
  dir.write("src/A.java", "public class Alpha {}\n");
  dir.write("src/sub/B.java", "public class Bravo {}\n");
  fs::create_directory_symlink("../..", dir.path() + "/src/sub/up");
  fs::create_directory_symlink(".", dir.path() + "/src/here");
  RunResult run = runKintree("-x src", dir.path());
  EXPECT_EQ(run.err, summary(2, 2) + "\n");
  EXPECT_EQ(run.status, 2);
}

TEST(SpecialFiles, FileRemovedAfterListingYieldsNothing) {
  TempDir dir;
  std::string path = dir.write("src/Gone.java", "public class Gone {}\n");
  fs::remove(path);
  Output out;
  ScanContext context(out);
  std::string buffer;
  parseFile(path, context.classes, ParseSettings(), buffer, out);
  EXPECT_EQ(context.classes.size(), 0u);
  EXPECT_EQ(out.captured(), "");
}

TEST(SpecialFiles, FilesRemovedWhileTheRunReadsThem) {
  // Which files vanish before they are listed, before their status query or
  // before they are read depends on timing; every outcome must add up.
  TempDir dir;
  constexpr int kFiles = 3000;
  for (int i = 0; i < kFiles; ++i) {
    dir.write("src/F" + std::to_string(10000 + i) + ".java",
              "public class F" + std::to_string(i) + " {}\n");
  }
  std::atomic<bool> stop{false};
  std::thread remover([&] {
    for (int i = kFiles - 1; i >= 0 && !stop; i -= 2) {
      fs::remove(dir.path() + "/src/F" + std::to_string(10000 + i) + ".java");
    }
  });
  MeasuredRun run = runKintreeMeasured({"-x", "src"}, dir.path());
  stop = true;
  remover.join();
  int files = -1, classes = -1;
  size_t at = run.err.find("kintree - Files read:");
  ASSERT_NE(at, std::string::npos) << run.err;
  ASSERT_EQ(sscanf(run.err.c_str() + at, "kintree - Files read:%d classes extracted:%d", &files,
                   &classes),
            2);
  EXPECT_LE(classes, files);
  EXPECT_LE(files, kFiles);
  EXPECT_EQ(run.status, classes > 255 ? 255 : classes);
  // Anything else on standard error names a file that was removed.
  std::string before = run.err.substr(0, at);
  for (size_t line = 0; line < before.size();) {
    size_t end = before.find('\n', line);
    EXPECT_EQ(before.compare(line, 30, "\x1b[01;31m Error Invalid file " + dir.path(), 0, 30), 0);
    line = end == std::string::npos ? before.size() : end + 1;
  }
}

TEST(LongPaths, FiveThousandBytePathIsReadAndPrintedWhole) {
  // Made one component at a time, relative to the last: the system refuses
  // the whole path in one call.
  TempDir dir;
  std::string relative = "src";
  ASSERT_EQ(mkdir((dir.path() + "/src").c_str(), 0755), 0);
  int at = open((dir.path() + "/src").c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(at, 0);
  std::string component(200, 'd');
  while (dir.path().size() + relative.size() < 5000) {
    ASSERT_EQ(mkdirat(at, component.c_str(), 0755), 0);
    int next = openat(at, component.c_str(), O_RDONLY | O_DIRECTORY);
    close(at);
    ASSERT_GE(next, 0);
    at = next;
    relative += "/" + component;
  }
  int file = openat(at, "Deep.java", O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(file, 0);
  std::string text = "public class Deep extends Alpha {}\n";
  ASSERT_EQ(write(file, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  close(file);
  close(at);
  dir.write("src/A.java", "public class Alpha {}\n");

  RunResult run = runKintree("+n -t src", dir.path());
  EXPECT_EQ(run.err, summary(2, 2) + "\n");
  std::string deepPath = dir.path() + "/" + relative + "/Deep.java";
  EXPECT_GT(deepPath.size(), 5000u);
  EXPECT_NE(run.out.find("\t" + deepPath + "\tnone\t\n"), std::string::npos);
}

}  // namespace
