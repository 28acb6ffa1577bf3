#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

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
