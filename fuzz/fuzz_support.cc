#include "fuzz/fuzz_support.h"

#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unordered_set>

#include "app/scan_context.h"
#include "base/log.h"
#include "model/class_list.h"
#include "platform/output.h"
#include "publish/publish_html.h"
#include "publish/publish_text.h"
#include "publish/publish_viz.h"

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& contents) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

/// Sets must list records of the list, in strictly rising identity order.
void checkSet(const ClassSet& set, const std::unordered_set<const ClassInfo*>& owned) {
  const ClassInfo* previous = nullptr;
  for (const ClassInfo* record : set) {
    require(owned.count(record) == 1, "a link names a record outside the list");
    require(!previous || previous->sequence < record->sequence,
            "a set is out of identity order or repeats a record");
    previous = record;
  }
}

/// A run of the tree publishers prints one line per path from a root, so a
/// lattice of many-parent records makes output exponential in the input
/// size. Such input says nothing new about termination; it is only listed.
bool treeSizeIsModest(const ClassList& classes) {
  double bits = 0;
  for (const auto& entry : classes.records()) {
    size_t parents = entry.second->parents.size();
    if (parents > 1) bits += std::log2(static_cast<double>(parents));
  }
  return bits <= 8;
}

size_t countOf(const std::string& text, char c) {
  size_t count = 0;
  for (char each : text) count += each == c;
  return count;
}

}  // namespace

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

const std::string& sandbox() {
  static const std::string root = [] {
    std::string pattern = (fs::temp_directory_path() / "kintree-fuzz-XXXXXX").string();
    require(mkdtemp(pattern.data()) != nullptr, "no temporary folder");
    fs::path base(pattern);
    writeFile(base / "src/zoo/Animal.java",
              "package zoo;\npublic abstract class Animal implements Comparable<Animal> {\n"
              "  public static class Habitat {}\n}\n");
    writeFile(base / "src/zoo/Cat.java",
              "package zoo;\nimport java.util.List;\nimport static java.lang.Math.*;\n"
              "@Deprecated public class Cat extends Animal implements Pet {}\n"
              "interface Pet extends Named {}\n");
    writeFile(base / "src/Loop.java", "class A extends B {}\nclass B extends A {}\n");
    writeFile(base / "head.html", "<meta name='x'>\n");
    writeFile(base / "body.html", "<p>x1</p>\n");
    fs::create_directories(base / "out");
    fs::create_directories(base / "input");
    return base.string();
  }();
  return root;
}

std::string writeInput(const uint8_t* data, size_t size) {
  std::string path = sandbox() + "/input/Input.java";
  FILE* file = std::fopen(path.c_str(), "wb");
  require(file != nullptr, "cannot write the input file");
  require(std::fwrite(data, 1, size, file) == size, "cannot write the input file");
  std::fclose(file);
  return path;
}

void checkClassList(const ClassList& classes) {
  std::unordered_set<const ClassInfo*> owned;
  std::unordered_set<uint64_t> sequences;
  size_t count = 0;
  const ClassInfo* previous = nullptr;
  for (const auto& entry : classes.records()) {
    const ClassInfo* record = entry.second.get();
    require(entry.first == record->name, "a record is filed under another name");
    require(record->sequence < classes.sequenceLimit(), "a sequence number out of range");
    require(sequences.insert(record->sequence).second, "two records share a sequence number");
    if (previous && previous->name == record->name) {
      require(previous->sequence < record->sequence, "equal names out of creation order");
    }
    owned.insert(record);
    previous = record;
    ++count;
  }
  require(count == classes.size(), "the record count differs from the records");
  for (const ClassInfo* record : owned) {
    checkSet(record->parents, owned);
    checkSet(record->children, owned);
    checkSet(record->interfaces, owned);
    for (const ClassInfo* parent : record->parents) {
      require(parent->children.contains(record), "a parent does not list its child");
    }
    for (const ClassInfo* child : record->children) {
      require(child->parents.contains(record), "a child does not list its parent");
    }
  }
}

RunOutcome runCaptured(const std::vector<std::string>& arguments) {
  sandbox();
  std::vector<std::string> words{"kintree"};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  std::ostringstream errors;
  std::streambuf* previous = std::cerr.rdbuf(errors.rdbuf());
  RunOutcome outcome;
  {
    Output memory;
    ScanContext context(memory);
    outcome.status = context.run(static_cast<int>(words.size()), argv.data());
  }
  std::cerr.rdbuf(previous);
  std::cerr.clear();
  Log::threshold = 0;

  outcome.errors = errors.str();
  const std::string kSummary = "kintree - Files read:";
  size_t at = outcome.errors.find(kSummary);
  if (at != std::string::npos) {
    outcome.summarised =
        std::sscanf(outcome.errors.c_str() + at, "kintree - Files read:%ld classes extracted:%ld",
                    &outcome.filesRead, &outcome.classes) == 2;
  }
  return outcome;
}

void publishAll(ScanContext& context) {
  ClassList& classes = context.classes;
  Output& out = context.output;
  out.clearCaptured();

  PublishText names(classes, context.options, out);
  names.printNames();
  // One header line and one line of ten tab-separated fields per record:
  // no field can hold a line feed or a tab, the reader turned them to blanks.
  require(countOf(out.captured(), '\n') == classes.size() + 1, "the name table lost a line");
  require(countOf(out.captured(), '\t') == 9 * (classes.size() + 1),
          "a name table field holds a tab");
  out.clearCaptured();

  if (!treeSizeIsModest(classes)) return;
  for (bool all : {false, true}) {
    context.options.includeNonPublic = all;
    context.options.includeInterfaces = all;
    for (OutputStyle style : {Graphics, PlusMinus, Spaces}) {
      context.options.style = style;
      PublishText text(classes, context.options, out);
      text.printTree();
      require(out.captured().compare(0, 10, "Base path=") == 0, "the tree lost its base path");
      require(out.captured().back() == '\n', "the tree ended inside a line");
      out.clearCaptured();
    }
  }

  // The three pages: image tree, dtree, and the table (in either style).
  for (OutputStyle style : {HtmlImages, JavaScript}) {
    for (bool tabular : {false, true}) {
      context.options.style = style;
      context.options.tabular = tabular;
      context.options.showNames = !tabular;
      PublishHtml(classes, context.options, out).publish();
      require(out.captured().find("</html>") != std::string::npos, "a page was left unfinished");
      out.clearCaptured();
    }
  }
  context.options.tabular = false;
  context.options.showNames = false;

  // The graph on standard output, then split by tree and by a node budget
  // into the sandbox's output folder.
  context.options.style = GraphViz;
  PublishViz(classes, context.options, out).printTree();
  require(
      out.captured().empty() || out.captured().compare(out.captured().size() - 2, 2, "}\n") == 0,
      "the graph was left open");
  out.clearCaptured();
  context.options.outPath = sandbox() + "/out/";
  context.options.splitByTree = true;
  PublishViz(classes, context.options, out).printTree();
  context.options.splitByTree = false;
  context.options.nodesPerFile = 3;
  PublishViz(classes, context.options, out).printTree();
  context.options.nodesPerFile = 0;
  context.options.outPath.clear();
  out.clearCaptured();
  clearOutputFolder();
  checkClassList(classes);
}

void clearOutputFolder() {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(sandbox() + "/out", ignored)) {
    fs::remove_all(entry.path(), ignored);
  }
}
