#include "test_support.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "kintree-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  path_ = made ? made : pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& relative, const std::string& contents) const {
  fs::path full = fs::path(path_) / relative;
  fs::create_directories(full.parent_path());
  std::ofstream(full, std::ios::binary) << contents;
  return full.string();
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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

MeasuredRun runKintreeMeasured(const std::vector<std::string>& arguments,
                               const std::string& directory, const std::string& outputPath) {
  TempDir capture;
  std::string err = capture.path() + "/err";
  std::vector<std::string> words{KINTREE_BINARY};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  MeasuredRun result;
  pid_t child = fork();
  if (child == 0) {
    int out = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int errors = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || errors < 0 || chdir(directory.c_str()) != 0) _exit(127);
    dup2(out, 1);
    dup2(errors, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int raw = 0;
  struct rusage usage {};
  if (child > 0 && wait4(child, &raw, 0, &usage) == child) {
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    result.peakKilobytes = usage.ru_maxrss;
  }
  result.err = readFile(err);
  return result;
}

std::string renderSvg(const std::string& graph, const std::string& layout) {
  TempDir dir;
  std::string input = dir.write("graph.gv", graph);
  std::string svg = dir.path() + "/graph.svg";
  std::string messages = dir.path() + "/messages";
  std::string command =
      "dot -K" + layout + " -Tsvg '" + input + "' >'" + svg + "' 2>'" + messages + "'";
  int status = std::system(command.c_str());
  EXPECT_EQ(status, 0) << graph;
  EXPECT_EQ(readFile(messages), "") << graph;
  return readFile(svg);
}
