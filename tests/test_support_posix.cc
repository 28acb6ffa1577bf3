#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "test_support.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "kintree-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  path_ = made ? made : pattern;
}

RunResult runKintree(const std::string& arguments, const std::string& directory) {
  TempDir capture;
  std::string out = capture.path() + "/out";
  std::string err = capture.path() + "/err";
  std::string command = "cd '" + directory + "' && '" KINTREE_BINARY "' " + arguments + " >'" +
                        out + "' 2>'" + err + "'";
  int raw = std::system(command.c_str());
  RunResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = readFile(out);
  result.err = readFile(err);
  return result;
}
