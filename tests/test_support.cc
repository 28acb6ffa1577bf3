#include "test_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

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
