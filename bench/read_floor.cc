// The read floor of a run: walks every path given with the tool's own walk
// and reads every file it selects into one reused buffer with the tool's own
// whole-file read, parsing nothing. bench/run times it beside kintree, so a
// ratio to it is the cost of everything but walking, opening, reading and
// closing the files.
//
//   kintree_read_floor paths...
//
// Prints "files bytes" to standard output; status 1 when a file could not be
// read.

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "scan/walk_path.h"

int main(int argc, char** argv) {
  std::string buffer;
  size_t files = 0;
  size_t bytes = 0;
  size_t failed = 0;
  for (int i = 1; i < argc; ++i) {
    walkPath(argv[i], {}, [&](const std::string& path) {
      std::string_view text;
      if (readIntoBuffer(path, buffer, text)) {
        ++files;
        bytes += text.size();
      } else {
        ++failed;
      }
    });
  }
  std::printf("%zu %zu\n", files, bytes);
  if (failed != 0) std::fprintf(stderr, "%zu files could not be read\n", failed);
  return failed == 0 ? 0 : 1;
}
