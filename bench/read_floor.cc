// The read floor of a run: lists every path given, descends into its
// directories in the tool's order and reads every *.java file into one reused
// buffer with the tool's own whole-file read, parsing nothing. bench/run times
// it beside kintree, so a ratio to it is the cost of everything but opening,
// reading and closing the files.
//
//   kintree_read_floor paths...
//
// Prints "files bytes" to standard output; status 1 when a file could not be
// read.

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/directory_lister.h"
#include "platform/file_system.h"

namespace {

struct Totals {
  size_t files = 0;
  size_t bytes = 0;
  size_t failed = 0;
};

bool isJavaFile(const std::string& path) {
  return path.size() > 5 && path.compare(path.size() - 5, 5, ".java") == 0;
}

void readTree(const std::string& path, std::string& buffer, Totals& totals) {
  DirectoryLister lister(path);
  for (bool more = lister.first(); more; more = lister.next()) {
    std::string entryPath = fullPath(lister.entryDir + kPathSeparator + lister.name());
    if (lister.isDirectory()) {
      readTree(entryPath, buffer, totals);
    } else if (isJavaFile(entryPath)) {
      std::string_view text;
      if (readIntoBuffer(entryPath, buffer, text)) {
        ++totals.files;
        totals.bytes += text.size();
      } else {
        ++totals.failed;
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string buffer;
  Totals totals;
  for (int i = 1; i < argc; ++i) readTree(argv[i], buffer, totals);
  std::printf("%zu %zu\n", totals.files, totals.bytes);
  if (totals.failed != 0) std::fprintf(stderr, "%zu files could not be read\n", totals.failed);
  return totals.failed == 0 ? 0 : 1;
}
