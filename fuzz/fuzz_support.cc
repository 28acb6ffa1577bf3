#include "fuzz/fuzz_support.h"

#include <stdlib.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <unordered_set>

#include "app/scan_context.h"
#include "base/log.h"
#include "model/class_list.h"
#include "model/shown_set.h"
#include "model/tree_view.h"
#include "platform/output.h"
#include "publish/json_escape.h"
#include "publish/page_template.h"
#include "publish/publish_html.h"
#include "publish/publish_json.h"
#include "publish/publish_mermaid.h"
#include "publish/publish_page.h"
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

/// A strict reader of one JSON value that only says whether it is one.
class JsonReader {
 public:
  explicit JsonReader(const std::string& text) : text_(text) {}

  bool document() {
    blanks();
    if (!value()) return false;
    blanks();
    return at_ == text_.size();
  }

 private:
  bool value() {
    if (at_ == text_.size()) return false;
    switch (text_[at_]) {
      case '{':
        return sequence('}', true);
      case '[':
        return sequence(']', false);
      case '"':
        return string();
      case 't':
        return word("true");
      case 'f':
        return word("false");
      case 'n':
        return word("null");
      default:
        return number();
    }
  }
  bool sequence(char close, bool members) {
    ++at_;
    blanks();
    if (take(close)) return true;
    do {
      blanks();
      if (members && !(string() && (blanks(), take(':')) && (blanks(), true))) return false;
      if (!value()) return false;
      blanks();
    } while (take(','));
    return take(close);
  }
  bool string() {
    if (!take('"')) return false;
    while (at_ < text_.size()) {
      unsigned char c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') return ++at_, true;
      if (c < 0x20) return false;
      if (c == '\\') {
        ++at_;
        if (at_ == text_.size()) return false;
        char e = text_[at_++];
        if (e == 'u') {
          for (int i = 0; i < 4; ++i, ++at_) {
            if (at_ == text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[at_])))
              return false;
          }
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          return false;
        }
        continue;
      }
      Utf8Step step = utf8Step(text_, at_);
      if (!step.wellFormed) return false;
      at_ += step.length;
    }
    return false;
  }
  bool number() {
    take('-');
    if (take('0')) {
    } else if (!digits()) {
      return false;
    }
    if (take('.') && !digits()) return false;
    if ((take('e') || take('E')) && ((take('+') || take('-')), !digits())) return false;
    return true;
  }
  bool digits() {
    size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > start;
  }
  bool word(std::string_view expected) {
    if (text_.compare(at_, expected.size(), expected) != 0) return false;
    at_ += expected.size();
    return true;
  }
  bool take(char c) {
    if (at_ == text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  void blanks() {
    while (at_ < text_.size() &&
           std::string_view(" \t\n\r").find(text_[at_]) != std::string_view::npos)
      ++at_;
  }

  const std::string& text_;
  size_t at_ = 0;
};

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
    checkSet(record->permits, owned);
    for (const ClassInfo* parent : record->parents) {
      require(parent->children.contains(record), "a parent does not list its child");
    }
    for (const ClassInfo* child : record->children) {
      require(child->parents.contains(record), "a child does not list its parent");
    }
  }
}

void checkResolved(const ClassList& classes) {
  std::unordered_set<std::string> placeholders;
  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    const std::string& qualified = record.qualifiedName;
    require(!qualified.empty(), "a record without a qualified name");
    require(record.kind == "class" || record.kind == "interface" || record.kind == "enum" ||
                record.kind == "record" || record.kind == "annotation",
            "a record of an unknown kind");
    if (record.defined) {
      bool bare = qualified == record.name && record.package == "none";
      require(bare || qualified == record.package + "." + record.name,
              "a declaration's qualified name is not package + name");
      require(record.line > 0, "a declaration without its line");
    } else {
      require(record.line == 0, "a placeholder with a declaration line");
      require(placeholders.insert(qualified).second, "two placeholders of one qualified name");
      require(qualified.size() >= record.name.size() &&
                  qualified.compare(qualified.size() - record.name.size(), std::string::npos,
                                    record.name) == 0,
              "a placeholder's name is no tail of its qualified name");
    }
    auto hasParent = [&record](const char* name) {
      for (const ClassInfo* parent : record.parents) {
        if (parent->qualifiedName == name) return true;
      }
      return false;
    };
    if (record.defined && record.kind == "enum") {
      require(hasParent("java.lang.Enum"), "an enum not under java.lang.Enum");
    }
    if (record.defined && record.kind == "record") {
      require(hasParent("java.lang.Record"), "a record not under java.lang.Record");
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
  // The summary starts a line; the same words may stand inside a message
  // that quotes an argument ("Invalid path kintree - Files read:...").
  for (size_t at = outcome.errors.find(kSummary); at != std::string::npos && !outcome.summarised;
       at = outcome.errors.find(kSummary, at + 1)) {
    if (at > 0 && outcome.errors[at - 1] != '\n') continue;
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

  // The interactive page: its settings and its data hold no "<", so each
  // script element ends where the page's own markup ends it.
  PublishPage(classes, context.options, out).publish();
  const std::string& page = out.captured();
  size_t data = page.find(PageBeforeData);
  require(page.find('<', PageBeforeView.size()) == data, "source text broke out of the settings");
  require(page.find('<', data + PageBeforeData.size()) == page.size() - PageAfterData.size(),
          "source text broke out of the page's data");
  out.clearCaptured();

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

  for (bool all : {false, true}) {
    context.options.includeNonPublic = all;
    context.options.includeInterfaces = all;
    PublishJson(classes, context.options, out).publish();
    checkJson(out.captured());
    out.clearCaptured();
    ShownSet shown = ShownSet::ofTree(classes, all, all);
    for (bool byPackage : {false, true}) {
      checkMermaid(mermaidDiagram(shown, byPackage, context.options.importLevel >= 0));
    }
  }
  // A part of the trees: a focus, a depth, each subtree once, by package,
  // through the tree, the graph and the JSON document. Last, because the
  // focus marks stay on the records.
  context.options.includeNonPublic = false;
  context.options.includeInterfaces = false;
  context.options.focusNames.emplace_back("[A-M].*");
  context.options.focusPatterns.emplace_back("[A-M].*");
  context.options.depth = 1;
  context.options.once = true;
  context.options.packages = true;
  markFocus(classes, context.options);
  context.options.style = Graphics;
  PublishText(classes, context.options, out).printTree();
  require(out.captured().compare(0, 10, "Base path=") == 0, "the partial tree lost its base path");
  out.clearCaptured();
  context.options.style = GraphViz;
  PublishViz(classes, context.options, out).printTree();
  require(
      out.captured().empty() || out.captured().compare(out.captured().size() - 2, 2, "}\n") == 0,
      "the partial graph was left open");
  out.clearCaptured();
  PublishJson(classes, context.options, out).publish();
  checkJson(out.captured());
  out.clearCaptured();

  checkClassList(classes);
}

void checkJson(const std::string& text) {
  require(JsonReader(text).document(), "the JSON output does not parse");
}

void checkMermaid(const std::string& text) {
  static const std::regex kClass(R"re((?:  |    )class ([A-Za-z0-9_]*_[0-9]+)\["([^"<>&`]*)"\])re");
  static const std::regex kNamespace(
      R"re(  namespace [A-Za-z0-9_]+(?:\.[A-Za-z0-9_]+)* \{|  \})re");
  static const std::regex kStereotype(
      R"re(  <<(?:interface|enumeration|record|annotation)>> (\S+))re");
  static const std::regex kEdge(R"re(  (\S+) (?:<\|--|<\|\.\.|\.\.>) (\S+))re");
  std::istringstream lines(text);
  std::string line;
  require(std::getline(lines, line) && line == "classDiagram", "the diagram lost its header");
  std::unordered_set<std::string> ids;
  std::smatch match;
  while (std::getline(lines, line)) {
    if (std::regex_match(line, match, kClass)) {
      require(ids.insert(match[1]).second, "two classes share an id");
      std::string label = match[2];
      for (size_t i = 0; i < label.size(); i += utf8Step(label, i).length) {
        require(utf8Step(label, i).wellFormed, "a label holds a byte that is not UTF-8");
      }
      require(label.find("%%") == std::string::npos, "a label holds a comment");
    } else if (std::regex_match(line, match, kStereotype)) {
      require(ids.count(match[1]) == 1, "a stereotype names no class");
    } else if (std::regex_match(line, match, kEdge)) {
      require(ids.count(match[1]) == 1 && ids.count(match[2]) == 1, "an edge names no class");
    } else {
      require(std::regex_match(line, kNamespace), "a diagram line of no known form");
    }
  }
}

void clearOutputFolder() {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(sandbox() + "/out", ignored)) {
    fs::remove_all(entry.path(), ignored);
  }
}
